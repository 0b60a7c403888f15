#include <gtest/gtest.h>

#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
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
        for (int r = 1; r < w.codeList.rows(); ++r)
            out << w.codeList.textMatrix(r, 0);
        return out;
    }
    void type(CodeTableWindow& w, const QString& code, const QString& description) {
        w.codeText.setText(code);
        w.descriptionText.setText(description);
    }
};

}  // namespace

TEST_F(Window, AddsChangesAndDeletesRowsOfOneTable) {
    CodeTableWindow w(services, QStringLiteral("กำหนดค่า สกุลเงิน"), {CodeKind::currmony});
    ASSERT_TRUE(w.Form_Load());
    EXPECT_FALSE(w.tableList.visible());
    EXPECT_FALSE(w.unitNameText.visible());
    EXPECT_EQ(codes(w), QStringList({"01", "02", "03", "04", "05"}));

    type(w, "06", QStringLiteral("วอน"));
    w.addButton.click();
    EXPECT_EQ(codes(w).last(), "06");
    EXPECT_EQ(w.codeText.text(), "");

    w.codeList.click(6, 1);
    EXPECT_EQ(w.descriptionText.text(), QStringLiteral("วอน"));
    w.descriptionText.setText(QStringLiteral("วอนเกาหลีใต้"));
    w.saveButton.click();
    EXPECT_EQ(w.codeList.textMatrix(6, 1), QStringLiteral("วอนเกาหลีใต้"));

    w.codeList.click(6, 0);
    box.queue(ui::msg::kCancel);
    w.deleteButton.click();
    EXPECT_EQ(codes(w).size(), 6);
    w.deleteButton.click();
    EXPECT_EQ(codes(w).size(), 5);
    // Each change said what it did; the delete asked first, naming the row.
    QStringList said;
    for (const auto& shown : box.shown())
        said << QString::number(shown.style) + " " + shown.text;
    EXPECT_EQ(said, QStringList({QStringLiteral("64 เพิ่มรหัส 06 วอน ในตารางสกุลเงิน แล้ว"),
                                 QStringLiteral("64 แก้ไขคำอธิบายของรหัส 06 เป็น วอนเกาหลีใต้ แล้ว"),
                                 QStringLiteral("65 ต้องการลบรหัส 06 วอนเกาหลีใต้ ใช่หรือไม่"),
                                 QStringLiteral("65 ต้องการลบรหัส 06 วอนเกาหลีใต้ ใช่หรือไม่"),
                                 QStringLiteral("64 ลบรหัส 06 วอนเกาหลีใต้ แล้ว")}));
}

TEST_F(Window, RefusalsSayWhyAndLeaveTheTable) {
    temp.db().exec("INSERT INTO vorlen (pointer, currency_code) VALUES ('J000001', '02')");
    CodeTableWindow w(services, QStringLiteral("กำหนดค่า สกุลเงิน"), {CodeKind::currmony});
    w.Form_Load();
    type(w, " ", QStringLiteral("วอน"));
    w.addButton.click();
    EXPECT_EQ(box.last().text, QStringLiteral("กรุณาพิมพ์รหัส"));
    EXPECT_EQ(w.focus(), &w.codeText);
    type(w, "07", "");
    w.addButton.click();
    EXPECT_EQ(box.last().text, QStringLiteral("กรุณาพิมพ์คำอธิบาย"));
    EXPECT_EQ(w.focus(), &w.descriptionText);
    type(w, "01", QStringLiteral("บาท"));
    w.addButton.click();
    EXPECT_EQ(box.last().text, QStringLiteral("รหัส 01 มีอยู่แล้ว กรุณาใช้รหัสอื่น"));
    type(w, "02", "");
    w.deleteButton.click();
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
    EXPECT_EQ(w.unitNameText.text(), settings::kDefaultUnitName);
    EXPECT_EQ(codes(w).size(), 7);

    // A faculty is added; the receive statuses keep the one the expiry list needs.
    type(w, "08", QStringLiteral("คณะพยาบาลศาสตร์"));
    w.addButton.click();
    EXPECT_EQ(codes(w).size(), 8);
    w.tableList.userChoose(1);
    EXPECT_EQ(w.kind(), CodeKind::receives);
    EXPECT_EQ(codes(w), QStringList({"1", "2", "3", "4"}));
    w.codeList.click(1, 0);
    w.deleteButton.click();
    EXPECT_TRUE(box.last().text.contains(QStringLiteral("ใกล้ครบอายุ")));
    EXPECT_EQ(codes(w).size(), 4);

    w.unitNameText.setText(QStringLiteral("สำนักวิทยบริการ %1%2 มหาวิทยาลัยราชภัฏ"));
    w.unitButton.click();
    EXPECT_EQ(shownUnit, QStringLiteral("สำนักวิทยบริการ %1%2 มหาวิทยาลัยราชภัฏ"));
    EXPECT_EQ(settings::readUnitName(temp.db()), shownUnit);
}

TEST_F(Window, TheLanguageThatChoosesTheKeySeriesIsKept) {
    CodeTableWindow w(services, QStringLiteral("กำหนดค่า ภาษา"), {CodeKind::maglang});
    w.Form_Load();
    w.codeList.click(1, 0);
    w.deleteButton.click();
    ASSERT_EQ(box.shown().size(), 1u);  // refused before any question
    EXPECT_TRUE(box.last().text.contains(QStringLiteral("ชุดเลขทะเบียน")));
    EXPECT_EQ(codes(w).first(), "01");
}

TEST_F(Window, AFailingDatabaseIsReportedAndTheWindowStaysUsable) {
    CodeTableWindow w(services, QStringLiteral("กำหนดค่า สีปก"), {CodeKind::bindcolor});
    w.Form_Load();
    testing_support::refuseWrites(temp.db(), "BEFORE INSERT", "bindcolor", "refused");
    type(w, "06", QStringLiteral("สีเหลือง"));
    w.addButton.click();
    EXPECT_EQ(box.last().caption, ui::kDatabaseErrorCaption);
    EXPECT_EQ(w.descriptionText.text(), QStringLiteral("สีเหลือง"));
    w.codeList.click(2, 0);
    w.descriptionText.setText(QStringLiteral("สีฟ้า"));
    w.saveButton.click();
    EXPECT_EQ(w.codeList.textMatrix(2, 1), QStringLiteral("สีฟ้า"));
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
    QTest::keyClicks(codes.findChild<QLineEdit*>("codeText"), "06");
    // Thai text arrives from the input method.
    auto* description = codes.findChild<QLineEdit*>("descriptionText");
    description->setFocus();
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("วอน"));
    QCoreApplication::sendEvent(description, &commit);
    QTest::mouseClick(codes.findChild<QPushButton*>("addButton"), Qt::LeftButton);
    EXPECT_EQ(box.last().style, ui::msg::kInformation);

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

TEST_F(Window, TheIntervalFieldsFollowTheCodeAndEveryChangeSaysWhatItDid) {
    CodeTableWindow w(services, QStringLiteral("กำหนดค่า กำหนดออก"), {CodeKind::magtype});
    ASSERT_TRUE(w.Form_Load());
    auto stored = [&](const char* code) {
        const auto row = temp.db().first(
            "SELECT interval_days || '/' || grace_days FROM magtype_interval WHERE MagType_Code = "
            "?",
            {code});
        return row ? row->text(0) : QStringLiteral("none");
    };
    auto shown = [&](int row) {
        return w.codeList.textMatrix(row, 2) + "/" + w.codeList.textMatrix(row, 3);
    };
    EXPECT_EQ(shown(4), "30/20");  // the grid shows each code's interval

    struct Step {
        const char *code, *days, *grace;
        int answer;
        const char* after;  // stored for the code afterwards
        int style;          // of the last message
    };
    // Each step picks row 4 (monthly, 30/20) first, then types over it.
    for (const Step& s : {Step{"04", "31", "15", ui::msg::kOk, "31/15", ui::msg::kInformation},
                          {"02", nullptr, nullptr, ui::msg::kOk, "7/7", ui::msg::kInformation},
                          {"02", "", "", ui::msg::kCancel, "7/7", ui::msg::kConfirm},
                          {"02", "", "", ui::msg::kOk, "none", ui::msg::kInformation},
                          {"02", "", "", ui::msg::kOk, "none", ui::msg::kStop},
                          {"09", "", "", ui::msg::kOk, "none", ui::msg::kStop},
                          {"03", "0", "5", ui::msg::kOk, "14/10", ui::msg::kStop},
                          {"03", "x", "5", ui::msg::kOk, "14/10", ui::msg::kStop},
                          {"03", "7", "-1", ui::msg::kOk, "14/10", ui::msg::kStop},
                          {"99", "7", "7", ui::msg::kOk, "none", ui::msg::kStop}}) {
        w.codeList.click(4, 0);
        w.codeText.setText(s.code);
        // The fields now hold the typed code's own interval, never row 4's.
        if (QByteArray(s.code) == "02" && !s.days) {
            EXPECT_EQ(w.intervalText.text() + "/" + w.graceText.text(), stored("02"));
        }
        if (s.days) {
            w.intervalText.setText(s.days);
            w.graceText.setText(s.grace);
        }
        box.queue(s.answer);
        w.intervalButton.click();
        EXPECT_EQ(stored(s.code), s.after) << s.code << " " << (s.days ? s.days : "-");
        EXPECT_EQ(box.last().style, s.style) << s.code << " " << (s.days ? s.days : "-");
    }
    EXPECT_EQ(stored("04"), "31/15");
    EXPECT_EQ(shown(2), "/");
    EXPECT_TRUE(box.shown()[0].text.contains(QStringLiteral("ออกทุก 31 วัน ผ่อนผัน 15 วัน")));

    CodeTableWindow other(services, QStringLiteral("กำหนดค่า สกุลเงิน"), {CodeKind::currmony});
    EXPECT_FALSE(other.intervalText.visible());
}

namespace {

// Answers a question as another desk changes the database meanwhile.
struct MeanwhileBox : ui::MessageBox {
    std::function<void()> meanwhile;
    std::vector<QString> texts;
    int show(const QString& text, const QString&, int style) override {
        texts.push_back(text);
        if (style == ui::msg::kConfirm && meanwhile)
            std::exchange(meanwhile, nullptr)();
        return ui::msg::kOk;
    }
};

}  // namespace

// Another desk's change between what the window showed and the save: the
// rules are checked again inside the change's own transaction.
TEST_F(Window, AChangeRechecksItsRulesAgainstAnotherDesksWork) {
    MeanwhileBox asked;
    ui::Services desk{temp.path(), asked, clock, opener, newdealer};
    struct Case {
        CodeKind kind;
        const char* code;
        void (CodeTableWindow::*change)();
        const char* otherDesk;
        const char16_t* refusal;
        const char* check;  // 1 when the change was refused and nothing changed
    };
    for (const Case& c :
         {Case{CodeKind::currmony, "03", &CodeTableWindow::deleteButton_Click,
               "INSERT INTO vorlen (pointer, currency_code) VALUES ('J000009', '03')",
               u"มีวารสาร 1 รายการ", "SELECT count(*) FROM currmony WHERE Currency_Code = '03'"},
          {CodeKind::magtype, "02", &CodeTableWindow::intervalButton_Click,
           "DELETE FROM magtype WHERE MagType_Code = '02'", u"ไม่พบรหัส 02",
           "SELECT count(*) FROM magtype_interval WHERE MagType_Code = '02'"},
          {CodeKind::bindcolor, "09", &CodeTableWindow::addButton_Click,
           "INSERT INTO bindcolor VALUES ('08', 'สีทอง')", u"เป็นของรหัส 08",
           "SELECT count(*) + 1 FROM bindcolor WHERE BindType_Code = '09'"}}) {
        CodeTableWindow w(desk, settings::kindName(c.kind), {c.kind});
        ASSERT_TRUE(w.Form_Load());
        w.codeText.setText(c.code);
        w.descriptionText.setText(QStringLiteral("สีทอง"));
        w.intervalText.setText("");
        w.graceText.setText("");
        if (c.change == &CodeTableWindow::addButton_Click)
            temp.db().exec(c.otherDesk);  // after the window read its rows
        else
            asked.meanwhile = [&] { temp.db().exec(c.otherDesk); };
        (w.*c.change)();
        EXPECT_TRUE(asked.texts.back().contains(QString::fromUtf16(c.refusal)))
            << asked.texts.back().toStdString();
        EXPECT_EQ(temp.db().first(c.check)->value(0).toInt(), 1) << c.check;
    }
}

// Through the real widgets: Escape closes the window, and a row added to a
// long table is current and in sight.
TEST_F(Window, EscapeClosesAndTheChangedRowStaysInSight) {
    for (int code = 10; code < 60; ++code)
        settings::CodeTableRecords(temp.db(), CodeKind::department)
            .add(QString::number(code), QStringLiteral("หน่วยงาน %1").arg(code));
    settings::CodeTableWindowView view(std::make_unique<CodeTableWindow>(
        services, QStringLiteral("ค่าเริ่มต้น"), std::vector<CodeKind>{CodeKind::department}));
    ASSERT_TRUE(view.load());
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    auto* code = view.findChild<QLineEdit*>("codeText");
    QTest::keyClicks(code, "60");
    view.findChild<QLineEdit*>("descriptionText")->setFocus();
    QTest::keyClicks(view.findChild<QLineEdit*>("descriptionText"), "Annex");
    QTest::mouseClick(view.findChild<QPushButton*>("addButton"), Qt::LeftButton);
    EXPECT_EQ(box.last().text, QStringLiteral("เพิ่มรหัส 60 Annex ในตาราง%1 แล้ว")
                                   .arg(settings::kindLabel(CodeKind::department)));
    QCoreApplication::processEvents();
    auto* grid = view.findChild<QTableView*>();
    const int added = grid->model()->rowCount() - 1;
    EXPECT_EQ(grid->currentIndex().row(), added);
    EXPECT_TRUE(grid->viewport()->rect().contains(
        grid->visualRect(grid->model()->index(added, 0)).center()));

    QTest::keyClick(code, Qt::Key_Escape);
    EXPECT_FALSE(view.isVisible());
}
