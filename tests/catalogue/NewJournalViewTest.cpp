#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "catalogue/NewJournalView.h"
#include "catalogue/TitleRecords.h"
#include "tests/support/TempDatabase.h"
#include "ui/Fakes.h"

namespace {

struct View {
    testing_support::TempDatabase temp;
    ui::FakeMessageBox messages;
    ui::FixedClock clock{QDate(2026, 3, 5)};
    ui::RecordingOpener opener;
    QString newdealer;
    ui::Services services{temp.path(), messages, clock, opener, newdealer};
    catalogue::NewJournalView view{services};

    View() {
        EXPECT_TRUE(view.load());
        view.show();
    }
    template <typename W>
    W* find(const char* name) {
        auto* w = view.findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void click(const char* button) { QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton); }
};

}  // namespace

TEST(NewJournalView, TypingIntoTheRealFields) {
    View v;
    EXPECT_EQ(v.view.windowTitle(), "บันทึกข้อมูลวารสารใหม่");
    auto* mask3 = v.find<QLineEdit>("Mask3");
    EXPECT_FALSE(mask3->isEnabled());
    EXPECT_EQ(mask3->palette().color(QPalette::Disabled, QPalette::Base), QColor(192, 192, 192));
    EXPECT_EQ(mask3->text(), "05/03/2026");
    EXPECT_FALSE(v.find<QPushButton>("Cmdsave")->isEnabled());

    v.click("Cmdadd");
    EXPECT_TRUE(mask3->isEnabled());
    EXPECT_EQ(mask3->palette().color(QPalette::Active, QPalette::Base), QColor(255, 255, 255));
    EXPECT_TRUE(v.find<QPushButton>("Cmdsave")->isEnabled());
    EXPECT_FALSE(v.find<QLineEdit>("Text1")->isEnabled());

    mask3->selectAll();
    QTest::keyClicks(mask3, "01132020");
    EXPECT_EQ(mask3->text(), "01/13/2020");
    EXPECT_EQ(v.messages.last().text, "พิมพ์ข้อมูลวันที่ผิดพลาด ใช้รูปแบบ DD/MM/YYYY");
    EXPECT_EQ(mask3->selectedText(), "01/13/2020");
    QTest::keyClicks(mask3, "010x12027");
    EXPECT_EQ(mask3->text(), "01/01/2027");

    auto* issn = v.find<QLineEdit>("Mask2");
    issn->selectAll();
    QTest::keyClicks(issn, "12345678");
    EXPECT_EQ(issn->text(), "1234-5678");

    auto* fee = v.find<QLineEdit>("Text11");
    fee->selectAll();
    QTest::keyClicks(fee, "-12.5");
    EXPECT_EQ(fee->text(), "12.5");
    EXPECT_EQ(fee->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);

    v.messages.queue(ui::msg::kOk);
    v.click("Cmdcancle");
    EXPECT_EQ(mask3->text(), "05/03/2026");
    EXPECT_FALSE(mask3->isEnabled());
}

TEST(NewJournalView, FindingAndShowingATitle) {
    View v;
    catalogue::TitleValues t;
    t.name = "Science Today";
    t.firstYearPrinted = "1/1/2020";
    t.issn = "87654321";
    t.languageCode = "02";
    t.magtypeCode = "04";
    t.publisherCode = "5";
    t.departmentCode = "03";
    t.bindTypeCode = "01";
    t.receiveCode = "1";
    t.bindColorCode = "03";
    t.currencyCode = "02";
    t.beginPeriod = t.endPeriod = t.orderDate = "1/1/2026";
    t.agentCode = "1";
    t.statusCode = "02";
    t.typeCode = "05";
    const QString key = catalogue::TitleRecords(v.temp.db()).addTitle(2, t);

    auto* name = v.find<QLineEdit>("Text2");
    QTest::keyClicks(name, "Today");
    auto* found = v.find<QListWidget>("dlbnamemag");
    EXPECT_FALSE(found->isVisible());
    QTest::mouseDClick(name, Qt::LeftButton);
    ASSERT_TRUE(found->isVisible());
    ASSERT_EQ(found->count(), 1);
    EXPECT_EQ(found->item(0)->text(), "Science Today");
    const QRect row = found->visualItemRect(found->item(0));
    QTest::mouseClick(found->viewport(), Qt::LeftButton, {}, row.center());

    EXPECT_FALSE(found->isVisible());
    EXPECT_EQ(v.find<QLineEdit>("Text1")->text(), key);
    EXPECT_EQ(v.find<QLineEdit>("Mask2")->text(), "8765-4321");
    EXPECT_EQ(v.find<QComboBox>("dcblanguage")->currentText(), "ภาษาอังกฤษ");
    EXPECT_EQ(v.find<QComboBox>("dcbbindco")->currentText(), "สีเขียว");
    EXPECT_EQ(v.find<QListWidget>("dlbtypemag")->currentItem()->text(), "วิทยาศาสตร์และเทคโนโลยี");
    EXPECT_EQ(v.find<QLineEdit>("Text10")->text(), "Springer Nature");
    EXPECT_TRUE(v.find<QPushButton>("Cmdedit")->isEnabled());
    EXPECT_FALSE(v.find<QPushButton>("Cmdadd")->isEnabled());

    // A stored code its table lacks shows on screen, marked, not as a blank.
    v.temp.db().exec("UPDATE vorlen SET status_code = '99'");
    QTest::mouseDClick(name, Qt::LeftButton);
    QTest::mouseClick(found->viewport(), Qt::LeftButton, {}, row.center());
    auto* status = v.find<QComboBox>("dcbstatus");
    EXPECT_EQ(status->currentIndex(), -1);
    EXPECT_EQ(status->placeholderText(), "รหัส 99 ไม่มีในตาราง");
    EXPECT_EQ(v.find<QComboBox>("dcbdepart")->placeholderText(), "");

    v.click("Cmddel");
    EXPECT_EQ(v.messages.last().text, "ลบข้อมูลเรียบร้อแล้ว");
    EXPECT_EQ(v.find<QLineEdit>("Text1")->text(), "");
    EXPECT_EQ(v.temp.db().first("SELECT count(*) FROM vorlen1")->text(0), "0");
}

TEST(NewJournalView, AClickOutsideTheResultListClosesItAndCancelReturnsToTheName) {
    View v;
    v.temp.db().exec("INSERT INTO vorlen1 (pointer, vorlen_name) VALUES ('J000001', 'ทดลอง')");
    v.view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&v.view));
    v.view.logic().Cmdadd.click();
    v.view.logic().Text3.setText("ชื่อเทียบ");
    auto* name = v.find<QLineEdit>("Text2");
    QTest::mouseDClick(name, Qt::LeftButton);
    auto* found = v.find<QListWidget>("dlbnamemag");
    ASSERT_TRUE(found->isVisible());
    EXPECT_TRUE(found->hasFocus());

    // A click on the page below the fields.
    auto* page = v.find<QTabWidget>("SSTab1")->currentWidget();
    QTest::mouseClick(page, Qt::LeftButton, {}, QPoint(10, page->height() - 10));
    EXPECT_FALSE(found->isVisible());
    EXPECT_EQ(v.find<QLineEdit>("Text3")->text(), "ชื่อเทียบ");
    EXPECT_TRUE(v.view.logic().addmode);

    // Cancelled, the work goes on in the name field, not on a button.
    v.click("Cmdcancle");
    EXPECT_EQ(QApplication::focusWidget(), name);
}

TEST(NewJournalView, PickingPublishersWithTheMouse) {
    View v;
    v.view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&v.view));
    v.click("Cmdadd");
    auto* publisher = v.find<QLineEdit>("Text10");
    QTest::keyClicks(publisher, "Spring");
    QTest::mouseDClick(publisher, Qt::LeftButton);
    auto* found = v.find<QListWidget>("dlbdeler");
    ASSERT_TRUE(found->isVisible());
    ASSERT_EQ(found->count(), 1);
    QCoreApplication::processEvents();  // the list lays out its rows
    const QRect row = found->visualItemRect(found->item(0));
    // A real double-click: a click, then the second press.
    QTest::mouseClick(found->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(found->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_FALSE(found->isVisible());
    EXPECT_EQ(publisher->text(), "Springer Nature");
    EXPECT_EQ(v.view.logic().Text6.text(), "5");

    // A click in the dealer combo's edit area searches from its text.
    v.find<QTabWidget>("SSTab1")->setCurrentIndex(1);
    auto* dealers = v.find<QComboBox>("dcbdeler1");
    dealers->lineEdit()->setFocus();
    QTest::keyClicks(dealers->lineEdit(), "Nobody");
    QTest::mouseClick(dealers->lineEdit(), Qt::LeftButton);
    EXPECT_EQ(v.opener.opened, std::vector<QString>{"Adddealer"});
    EXPECT_EQ(v.newdealer, "Nobody");
}

TEST(NewJournalView, KeysGoBetweenThePagesAndEscapeClosesAPublisherList) {
    View v;
    v.click("Cmdadd");
    auto* tabs = v.find<QTabWidget>("SSTab1");
    auto* publisher = v.find<QLineEdit>("Text10");
    publisher->setFocus();
    // F4 opens the publisher list with the keys in it; Escape closes only it.
    QTest::keyClick(publisher, Qt::Key_F4);
    auto* list = v.find<QListWidget>("dlbdeler");
    ASSERT_TRUE(list->isVisible());
    EXPECT_EQ(v.view.focusWidget(), list);
    QTest::keyClick(list, Qt::Key_Escape);
    EXPECT_FALSE(list->isVisible());
    EXPECT_TRUE(v.messages.shown().empty()) << "no question about the entry";
    EXPECT_EQ(v.view.focusWidget(), publisher);

    // Tab from the last field of page 1 goes on to page 2, Shift+Tab back.
    QTest::keyClick(publisher, Qt::Key_Tab);
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_EQ(v.view.focusWidget(), v.find<QComboBox>("dcbdepart"));
    QTest::keyClick(v.view.focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(v.view.focusWidget(), publisher);
    // Ctrl+PageDown and Ctrl+PageUp turn the pages from any field; they come
    // from the window system, as shortcuts do.
    v.view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&v.view));
    QTest::keyClick(v.view.windowHandle(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_EQ(v.view.logic().SSTab1.tab(), 1);
    QTest::keyClick(v.view.windowHandle(), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(tabs->currentIndex(), 0);
}
