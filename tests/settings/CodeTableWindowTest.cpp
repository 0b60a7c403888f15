#include <gtest/gtest.h>

#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "catalogue/NewJournalView.h"
#include "catalogue/TitleRecords.h"
#include "settings/CodeTableWindow.h"
#include "settings/CodeTableWindowView.h"
#include "settings/UnitName.h"
#include "tests/support/Refusal.h"
#include "tests/support/TempDatabase.h"
#include "ui/Fakes.h"

using settings::CodeKind;
using settings::CodeTableWindow;

namespace {

struct Window : ::testing::Test {
    testing_support::TempDatabase temp;
    ui::FakeMessageBox box;
    ui::FixedClock clock{QDate(2026, 12, 8)};
    ui::RecordingOpener opener;
    QString newdealer;
    ui::Services services{temp.path(), box, clock, opener, newdealer};

    QStringList codes(const CodeTableWindow& w) {
        QStringList out;
        for (int r = 1; r < w.showcode.rows(); ++r)
            out << w.showcode.textMatrix(r, 0);
        return out;
    }
    void type(CodeTableWindow& w, const QString& code, const QString& description) {
        w.Text1.setText(code);
        w.Text2.setText(description);
    }
};

}  // namespace

TEST_F(Window, AddsChangesAndDeletesRowsOfOneTable) {
    CodeTableWindow w(services, QStringLiteral("กำหนดค่า สกุลเงิน"), {CodeKind::currmony});
    ASSERT_TRUE(w.Form_Load());
    EXPECT_FALSE(w.dcbtable.visible());
    EXPECT_FALSE(w.Text3.visible());
    EXPECT_EQ(codes(w), QStringList({"01", "02", "03", "04", "05"}));

    type(w, "06", QStringLiteral("วอน"));
    w.Cmdadd.click();
    EXPECT_EQ(codes(w).last(), "06");
    EXPECT_EQ(w.Text1.text(), "");

    w.showcode.click(6, 1);
    EXPECT_EQ(w.Text2.text(), QStringLiteral("วอน"));
    w.Text2.setText(QStringLiteral("วอนเกาหลีใต้"));
    w.Cmdsave.click();
    EXPECT_EQ(w.showcode.textMatrix(6, 1), QStringLiteral("วอนเกาหลีใต้"));

    w.showcode.click(6, 0);
    box.queue(ui::msg::kCancel);
    w.Cmddel.click();
    EXPECT_EQ(codes(w).size(), 6);
    w.Cmddel.click();
    EXPECT_EQ(codes(w).size(), 5);
    ASSERT_EQ(box.shown().size(), 2u);
    EXPECT_EQ(box.last().style, ui::msg::kConfirm);
}

TEST_F(Window, RefusalsSayWhyAndLeaveTheTable) {
    temp.db().exec("INSERT INTO vorlen (pointer, currency_code) VALUES ('J000001', '02')");
    CodeTableWindow w(services, QStringLiteral("กำหนดค่า สกุลเงิน"), {CodeKind::currmony});
    w.Form_Load();
    type(w, " ", QStringLiteral("วอน"));
    w.Cmdadd.click();
    EXPECT_EQ(box.last().text, QStringLiteral("กรุณาพิมพ์รหัส"));
    EXPECT_EQ(w.focus(), &w.Text1);
    type(w, "07", "");
    w.Cmdadd.click();
    EXPECT_EQ(box.last().text, QStringLiteral("กรุณาพิมพ์คำอธิบาย"));
    EXPECT_EQ(w.focus(), &w.Text2);
    type(w, "01", QStringLiteral("บาท"));
    w.Cmdadd.click();
    EXPECT_EQ(box.last().text, QStringLiteral("รหัส 01 มีอยู่แล้ว กรุณาใช้รหัสอื่น"));
    type(w, "02", "");
    w.Cmddel.click();
    EXPECT_EQ(box.last().text, QStringLiteral("ลบรหัส 02 ไม่ได้ เพราะมีวารสาร 1 รายการใช้รหัสนี้อยู่"));
    EXPECT_EQ(codes(w).size(), 5);
    for (const auto& shown : {box.shown()[0], box.shown()[1], box.shown()[2], box.last()})
        EXPECT_EQ(shown.style, ui::msg::kStop);
}

TEST_F(Window, TheDefaultsWindowKeepsTheOtherTablesAndTheUnitName) {
    CodeTableWindow w(services, QStringLiteral("ค่าเริ่มต้น"),
                      {CodeKind::department, CodeKind::receives}, true);
    QString shownUnit;
    w.onUnitName = [&](const QString& unit) { shownUnit = unit; };
    ASSERT_TRUE(w.Form_Load());
    EXPECT_EQ(w.Text3.text(), settings::kDefaultUnitName);
    EXPECT_EQ(codes(w).size(), 7);

    // A faculty is added; the receive statuses keep the one the expiry list needs.
    type(w, "08", QStringLiteral("คณะพยาบาลศาสตร์"));
    w.Cmdadd.click();
    EXPECT_EQ(codes(w).size(), 8);
    w.dcbtable.userChoose(1);
    EXPECT_EQ(w.kind(), CodeKind::receives);
    EXPECT_EQ(codes(w), QStringList({"1", "2", "3", "4"}));
    w.showcode.click(1, 0);
    w.Cmddel.click();
    EXPECT_TRUE(box.last().text.contains(QStringLiteral("ใกล้ครบอายุ")));
    EXPECT_EQ(codes(w).size(), 4);

    w.Text3.setText(QStringLiteral("สำนักวิทยบริการ มหาวิทยาลัยราชภัฏ"));
    w.Cmdunit.click();
    EXPECT_EQ(shownUnit, QStringLiteral("สำนักวิทยบริการ มหาวิทยาลัยราชภัฏ"));
    EXPECT_EQ(settings::readUnitName(temp.db()), shownUnit);
}

TEST_F(Window, TheLanguageThatChoosesTheKeySeriesIsKept) {
    CodeTableWindow w(services, QStringLiteral("กำหนดค่า ภาษา"), {CodeKind::maglang});
    w.Form_Load();
    w.showcode.click(1, 0);
    w.Cmddel.click();
    ASSERT_EQ(box.shown().size(), 1u);  // refused before any question
    EXPECT_TRUE(box.last().text.contains(QStringLiteral("ชุดเลขทะเบียน")));
    EXPECT_EQ(codes(w).first(), "01");
}

TEST_F(Window, AFailingDatabaseIsReportedAndTheWindowStaysUsable) {
    CodeTableWindow w(services, QStringLiteral("กำหนดค่า สีปก"), {CodeKind::bindcolor});
    w.Form_Load();
    testing_support::refuseWrites(temp.db(), "BEFORE INSERT", "bindcolor", "refused");
    type(w, "06", QStringLiteral("สีเหลือง"));
    w.Cmdadd.click();
    EXPECT_EQ(box.last().caption, ui::kDatabaseErrorCaption);
    EXPECT_EQ(w.Text2.text(), QStringLiteral("สีเหลือง"));
    w.showcode.click(2, 0);
    w.Text2.setText(QStringLiteral("สีฟ้า"));
    w.Cmdsave.click();
    EXPECT_EQ(w.showcode.textMatrix(2, 1), QStringLiteral("สีฟ้า"));
}

// Through the real widgets: a currency added in the settings is picked in the
// title window that was already open.
TEST_F(Window, ACurrencyAddedInTheSettingsIsPickedInTheOpenTitleWindow) {
    catalogue::NewJournalView title(services);
    ASSERT_TRUE(title.load());
    title.show();
    settings::CodeTableWindowView codes(std::make_unique<CodeTableWindow>(
        services, QStringLiteral("กำหนดค่า สกุลเงิน"), std::vector<CodeKind>{CodeKind::currmony}));
    ASSERT_TRUE(codes.load());
    codes.show();
    QTest::keyClicks(codes.findChild<QLineEdit*>("Text1"), "06");
    // Thai text arrives from the input method.
    auto* description = codes.findChild<QLineEdit*>("Text2");
    description->setFocus();
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("วอน"));
    QCoreApplication::sendEvent(description, &commit);
    QTest::mouseClick(codes.findChild<QPushButton*>("Cmdadd"), Qt::LeftButton);
    EXPECT_TRUE(box.shown().empty());

    QTest::mouseClick(title.findChild<QPushButton*>("Cmdadd"), Qt::LeftButton);
    auto* currency = title.findChild<QComboBox*>("dcbcurren");
    ASSERT_NE(currency, nullptr);
    title.findChild<QTabWidget*>()->setCurrentIndex(1);
    EXPECT_EQ(currency->itemText(currency->count() - 1), QStringLiteral("วอน"));
    currency->setFocus();
    QTest::keyClick(currency, Qt::Key_End);
    EXPECT_EQ(currency->currentText(), QStringLiteral("วอน"));
    EXPECT_EQ(title.logic().dcbcurren.boundText(), "06");
}

// An edit begun after a description changed keeps the title's code.
TEST_F(Window, AnEditedTitleKeepsItsCodesWhenADescriptionChanged) {
    catalogue::TitleValues v;
    v.name = QStringLiteral("วารสารทดลอง");
    for (QString* code : {&v.languageCode, &v.magtypeCode, &v.departmentCode, &v.currencyCode,
                          &v.statusCode, &v.bindTypeCode, &v.bindColorCode, &v.typeCode})
        *code = "02";
    v.receiveCode = "1";
    v.publisherCode = v.agentCode = "1";
    catalogue::TitleRecords(temp.db()).addTitle(1, v);
    catalogue::NewJournal title(services);
    ASSERT_TRUE(title.Form_Load());
    title.Text2.setText(v.name);
    title.Text2.doubleClick();
    title.dlbnamemag.userChoose(0);
    ASSERT_EQ(title.dcbcurren.boundText(), "02");

    settings::CodeTableRecords(temp.db(), CodeKind::currmony)
        .describe("02", QStringLiteral("ดอลลาร์"));
    title.Cmdedit.click();
    EXPECT_EQ(title.dcbcurren.boundText(), "02");
    EXPECT_EQ(title.dcbcurren.text(), QStringLiteral("ดอลลาร์"));
}

TEST_F(Window, TheFrequenciesKeepTheDaysBetweenIssuesAndTheGrace) {
    CodeTableWindow w(services, QStringLiteral("กำหนดค่า กำหนดออก"), {CodeKind::magtype});
    ASSERT_TRUE(w.Form_Load());
    EXPECT_TRUE(w.Text4.visible());
    w.showcode.click(4, 0);
    EXPECT_EQ(w.Text1.text(), "04");
    EXPECT_EQ(w.Text4.text(), "30");
    EXPECT_EQ(w.Text5.text(), "20");

    w.Text4.setText("31");
    w.Text5.setText("15");
    w.Cmdinterval.click();
    auto stored = [&](const char* code) {
        const auto row = temp.db().first(
            "SELECT interval_days || '/' || grace_days FROM magtype_interval WHERE MagType_Code = "
            "?",
            {code});
        return row ? row->text(0) : QStringLiteral("none");
    };
    EXPECT_EQ(stored("04"), "31/15");

    // Both empty: no regular interval, the titles are never late.
    w.showcode.click(1, 0);
    w.Text4.setText("");
    w.Text5.setText("");
    w.Cmdinterval.click();
    EXPECT_EQ(stored("01"), "none");
    EXPECT_TRUE(box.shown().empty());

    for (const auto& [days, grace] : {std::pair{"0", "5"}, {"x", "5"}, {"7", "-1"}, {"7", ""}}) {
        w.showcode.click(2, 0);
        w.Text4.setText(days);
        w.Text5.setText(grace);
        w.Cmdinterval.click();
        EXPECT_EQ(box.last().style, ui::msg::kStop) << days << " " << grace;
        EXPECT_EQ(stored("02"), "7/7");
    }
    w.Text1.setText("99");
    w.Text4.setText("7");
    w.Text5.setText("7");
    w.Cmdinterval.click();
    EXPECT_EQ(stored("99"), "none");

    CodeTableWindow other(services, QStringLiteral("กำหนดค่า สกุลเงิน"), {CodeKind::currmony});
    EXPECT_FALSE(other.Text4.visible());
}
