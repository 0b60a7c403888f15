#include <gtest/gtest.h>

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
