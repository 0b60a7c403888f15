#include <gtest/gtest.h>

#include <QThread>
#include <optional>
#include <thread>

#include "publishers/DealerTable.h"
#include "tests/support/TempDatabase.h"

using publishers::DealerTable;

namespace {

void codes(testing_support::TempDatabase& temp, std::initializer_list<const char*> list) {
    temp.clear("dealer");
    for (const char* code : list)
        temp.db().exec("INSERT INTO dealer (Publisher_Code, Publisher_Name) VALUES (?, 'x')",
                       {QString::fromLatin1(code)});
}

QStringList names(const std::vector<ui::PickRow>& rows) {
    QStringList out;
    for (const auto& r : rows)
        out << r.description;
    return out;
}

}  // namespace

TEST(DealerCodes, TheProposalIsOneMoreThanTheGreatestNumber) {
    testing_support::TempDatabase temp;
    DealerTable dealers(temp.db());
    codes(temp, {});
    EXPECT_EQ(dealers.proposeCode(), "1");
    codes(temp, {"41"});
    EXPECT_EQ(dealers.proposeCode(), "42");
    codes(temp, {"0041", "9"});
    EXPECT_EQ(dealers.proposeCode(), "42");
    codes(temp, {"9", "10", "abc"});
    EXPECT_EQ(dealers.proposeCode(), "11");
    EXPECT_TRUE(dealers.codeUsed(" 10 "));
    EXPECT_FALSE(dealers.codeUsed("11"));
}

TEST(DealerSearch, PartOfANameAsTypedWithLiteralWildcards) {
    testing_support::TempDatabase temp;
    temp.clear("dealer");
    DealerTable dealers(temp.db());
    for (const char* name :
         {"O'Reilly Media", "สำนักพิมพ์ 100% ไทย", "Books_Asia", "BooksXAsia", " มติชน "})
        dealers.add(
            {QString::number(dealers.proposeCode().toInt()), QString::fromUtf8(name), "", "", ""});
    EXPECT_EQ(names(dealers.findByName("O'Rei")), QStringList{"O'Reilly Media"});
    EXPECT_EQ(names(dealers.findByName("0%")), QStringList{QStringLiteral("สำนักพิมพ์ 100% ไทย")});
    EXPECT_EQ(names(dealers.findByName("s_A")), QStringList{"Books_Asia"});
    EXPECT_EQ(dealers.findByName("").size(), 5u);
    EXPECT_EQ(dealers.findByName(QStringLiteral("มติชน ")).size(), 1u);
    EXPECT_TRUE(dealers.findByName(QStringLiteral("มติชน  ")).empty()) << "spaces are kept";
    const auto rows = dealers.findByName("Reilly");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].code, "1");
}

TEST(DealerRows, AddWritesTheFivePositionsUnchanged) {
    testing_support::TempDatabase temp;
    DealerTable(temp.db()).add({"0077", " ชื่อ ", "", "ถนน 2", "คุณ'สมศรี"});
    const auto row = temp.db().first("SELECT * FROM dealer WHERE Publisher_Code = '0077'");
    ASSERT_TRUE(row);
    EXPECT_EQ(row->text(1), " ชื่อ ");
    EXPECT_TRUE(row->isNull(2));
    EXPECT_EQ(row->text(3), "");
    EXPECT_FALSE(row->isNull(3));
    EXPECT_EQ(row->text(4), "ถนน 2");
    EXPECT_TRUE(row->isNull(5));
    EXPECT_EQ(row->text(8), "คุณ'สมศรี");
}

TEST(DealerRows, TwoDesksNeverAddOneCode) {
    testing_support::TempDatabase temp;
    data::Database first(temp.path());
    data::Database second(temp.path());
    std::optional<data::Transaction> firstSave(std::in_place, first);
    DealerTable(first).add({"77", "Harbour Press", "", "", ""});
    // The second desk asks for the same number while the first save runs.
    bool secondAdded = true;
    std::thread other([&] {
        secondAdded = DealerTable(second).addIfFree({"077", "Bay Press", "", "", ""});
    });
    QThread::msleep(300);
    firstSave->commit();
    other.join();
    EXPECT_FALSE(secondAdded);
    EXPECT_EQ(temp.db()
                  .first("SELECT count(*) FROM dealer WHERE trim(Publisher_Code) IN"
                         " ('77', '077')")
                  ->value(0)
                  .toInt(),
              1);
    EXPECT_TRUE(DealerTable(second).addIfFree({"78", "Bay Press", "", "", ""}));
}
