#include <gtest/gtest.h>

#include "catalogue/TitleRecords.h"
#include "catalogue/TitleSearch.h"
#include "data/FieldLimits.h"
#include "publishers/DealerTable.h"
#include "publishers/PublisherMaintenance.h"
#include "tests/support/Refusal.h"
#include "tests/support/TempDatabase.h"
#include "ui/Fakes.h"

using publishers::DealerTable;
using publishers::PublisherMaintenance;

namespace {

struct Maintenance : ::testing::Test {
    testing_support::TempDatabase temp;
    ui::FakeMessageBox box;
    ui::FixedClock clock{QDate(2026, 12, 8)};
    ui::RecordingOpener opener;
    QString newdealer;
    ui::Services services{temp.path(), box, clock, opener, newdealer};

    // A title published by one publisher and supplied by another.
    QString addTitle(const QString& publisher, const QString& agent) {
        catalogue::TitleValues v;
        v.name = QStringLiteral("วารสารทดลอง");
        v.languageCode = "02";
        v.magtypeCode = "04";
        v.publisherCode = publisher;
        v.departmentCode = "01";
        v.receiveCode = "1";
        v.currencyCode = "01";
        v.statusCode = "01";
        v.bindTypeCode = "01";
        v.bindColorCode = "01";
        v.agentCode = agent;
        v.typeCode = "01";
        return catalogue::TitleRecords(temp.db()).addTitle(1, v);
    }
    int dealers() { return temp.db().first("SELECT count(*) FROM dealer")->value(0).toInt(); }
    QStringList listed(const PublisherMaintenance& w) {
        QStringList out;
        for (int r = 1; r < w.showdealer.rows(); ++r)
            out << w.showdealer.textMatrix(r, 0);
        return out;
    }
};

}  // namespace

TEST_F(Maintenance, FindsByPartOfTheNameOrByTheCode) {
    DealerTable dealers(temp.db());
    temp.db().exec(
        "INSERT INTO dealer (Publisher_Code, Publisher_Name) VALUES ('12', '100% Books')");
    auto codes = [](const std::vector<ui::PickRow>& rows) {
        QStringList out;
        for (const auto& r : rows)
            out << r.code;
        return out;
    };
    EXPECT_EQ(codes(dealers.findByNameOrCode(QStringLiteral("จำกัด"))),
              QStringList({"1", "2", "3"}));
    EXPECT_EQ(codes(dealers.findByNameOrCode(" 004 ")), QStringList({"4"}));
    EXPECT_EQ(codes(dealers.findByNameOrCode("12")), QStringList({"12"}));
    EXPECT_EQ(codes(dealers.findByNameOrCode("0%")), QStringList({"12"}));
    EXPECT_EQ(dealers.findByNameOrCode("").size(), 6u);

    PublisherMaintenance w(services);
    ASSERT_TRUE(w.Form_Load());
    EXPECT_EQ(listed(w).size(), 6);
    w.Text1.setText("spring");
    w.Cmdfind.click();
    EXPECT_EQ(listed(w), QStringList({"5"}));
    w.Text1.setText(QStringLiteral("ไม่มีชื่อนี้"));
    w.Cmdfind.click();
    EXPECT_TRUE(listed(w).isEmpty());
    EXPECT_EQ(box.last().style, ui::msg::kStop);
    EXPECT_EQ(w.focus(), &w.Text1);
}

TEST_F(Maintenance, ARenamedPublisherIsSeenByTheTitleAtOnce) {
    const QString key = addTitle("2", "4");
    PublisherMaintenance w(services);
    w.Form_Load();
    EXPECT_FALSE(w.Cmdsave.enabled());
    w.showdealer.click(2, 1);
    EXPECT_EQ(w.Text2.text(), "2");
    ASSERT_TRUE(w.Cmdsave.enabled());
    w.Text3.setText(" ");
    w.Cmdsave.click();
    EXPECT_EQ(box.last().text, QStringLiteral("กรุณาพิมพ์ชื่อสำนักพิมพ์"));
    w.Text3.setText(QStringLiteral(" บริษัท มติชน จำกัด "));
    w.Cmdsave.click();
    EXPECT_EQ(box.shown().size(), 1u);
    EXPECT_EQ(w.showdealer.textMatrix(2, 1), QStringLiteral("บริษัท มติชน จำกัด"));
    const auto title = catalogue::TitleSearch(temp.db()).title(key);
    ASSERT_TRUE(title);
    EXPECT_EQ(title->text(catalogue::titlequery::publisher_name), QStringLiteral("บริษัท มติชน จำกัด"));
    EXPECT_EQ(dealers(), 5);

    // Another publisher's name, in any letter case, is refused: the pick
    // lists could not tell the two apart.
    w.showdealer.click(4, 1);
    ASSERT_EQ(w.Text2.text(), "4");
    w.Text3.setText(QStringLiteral(" springer nature "));
    w.Cmdsave.click();
    EXPECT_EQ(box.last().text, QStringLiteral("มีสำนักพิมพ์อื่นชื่อ \"springer nature\" อยู่แล้ว กรุณาใช้ชื่ออื่น"));
    EXPECT_EQ(w.focus(), &w.Text3);
    EXPECT_EQ(DealerTable(temp.db()).nameOf("4"), QStringLiteral("Elsevier"));
    w.Text3.setText(QStringLiteral("elsevier"));  // its own name in another case
    w.Cmdsave.click();
    EXPECT_EQ(DealerTable(temp.db()).nameOf("4"), QStringLiteral("elsevier"));
}

TEST_F(Maintenance, APublisherInUseStaysAndTheRefusalCountsTheTitles) {
    addTitle("3", "3");
    addTitle("5", "003");  // the same publisher under its code with zeros
    DealerTable dealers(temp.db());
    EXPECT_EQ(dealers.titlesUsing("3"), 2);
    EXPECT_EQ(dealers.remove("3"), 2);
    EXPECT_EQ(this->dealers(), 5);

    PublisherMaintenance w(services);
    w.Form_Load();
    w.showdealer.click(3, 0);
    w.Cmddel.click();  // confirmed
    EXPECT_EQ(box.last().text,
              QStringLiteral("ลบสำนักพิมพ์รหัส 3 ไม่ได้ เพราะมีวารสาร 2 รายการใช้สำนักพิมพ์นี้อยู่"));
    EXPECT_EQ(this->dealers(), 5);

    w.showdealer.click(1, 0);
    box.queue(ui::msg::kCancel);
    w.Cmddel.click();
    EXPECT_EQ(this->dealers(), 5);
    w.Cmddel.click();
    EXPECT_EQ(this->dealers(), 4);
    EXPECT_EQ(listed(w), QStringList({"2", "3", "4", "5"}));
    EXPECT_FALSE(w.Cmddel.enabled());
}

TEST_F(Maintenance, AFailingChangeWritesNothingAndTheWindowStaysUsable) {
    testing_support::refuseWrites(temp.db(), "AFTER DELETE", "dealer", "refused");
    PublisherMaintenance w(services);
    w.Form_Load();
    w.showdealer.click(1, 0);
    w.Cmddel.click();
    EXPECT_EQ(box.last().caption, ui::kDatabaseErrorCaption);
    EXPECT_EQ(dealers(), 5);
    w.Text3.setText(QStringLiteral("ซีเอ็ด"));
    w.Cmdsave.click();
    EXPECT_EQ(DealerTable(temp.db()).nameOf("1"), QStringLiteral("ซีเอ็ด"));
}

TEST_F(Maintenance, AddingGoesThroughTheRegisterWithTheSearchedName) {
    PublisherMaintenance w(services);
    w.Form_Load();
    w.Text1.setText(QStringLiteral(" สำนักพิมพ์ใหม่ "));
    w.Cmdadd.click();
    EXPECT_EQ(newdealer, QStringLiteral("สำนักพิมพ์ใหม่"));
    w.Text1.setText("42");
    w.Cmdadd.click();
    EXPECT_EQ(newdealer, "");
    EXPECT_EQ(opener.opened, (std::vector<QString>{"Adddealer", "Adddealer"}));
}

TEST_F(Maintenance, ASearchLongerThanANameIsRefusedWithAMessageOnEitherStore) {
    PublisherMaintenance w(services);
    ASSERT_TRUE(w.Form_Load());
    for (int length : {30000, data::kLongText + 1}) {
        w.Text1.setText(QString(length, u'ก'));
        w.Cmdfind.click();
        ASSERT_FALSE(box.shown().empty());
        EXPECT_TRUE(box.last().text.startsWith(QStringLiteral("ข้อความที่ค้นหายาวเกิน")))
            << box.last().text.left(80).toStdString();
    }
    // As long as the longest name: searched, and not found.
    w.Text1.setText(QString(data::kLongText, u'ก'));
    w.Cmdfind.click();
    EXPECT_TRUE(box.last().text.startsWith(QStringLiteral("ไม่พบสำนักพิมพ์")));
    w.Text1.setText("spring");
    w.Cmdfind.click();
    EXPECT_EQ(listed(w), QStringList({"5"}));
}
