#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "issues/reg_journalView.h"
#include "shell/MainWindow.h"
#include "shell/WindowList.h"
#include "tests/issues/RegJournalFixture.h"
#include "tests/support/GridCells.h"

using namespace issues_test;

namespace {

class RegJournalViewTest : public RegJournalFixture {
  protected:
    void SetUp() override {
        addTitle(db(), "J000001", QStringLiteral("วารสารวิทยาศาสตร์"), {"02", "03"});
        addIssue(db(), "10", "J000001", "31/01/2003", QStringLiteral("ฉบับเดือนมกราคม"));
        addIssue(db(), "11", "J000001", "15/07/2003", QStringLiteral("ฉบับเดือนกรกฎาคม"));
        setCounter(db(), "125");
        view = std::make_unique<issues::reg_journalView>(services);
        ASSERT_TRUE(view->load());
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    }

    QPushButton* button(const QString& text, int which = 0) {
        int seen = 0;
        for (auto* b : view->findChildren<QPushButton*>())
            if (b->text() == text && seen++ == which)
                return b;
        ADD_FAILURE() << "no button " << text.toStdString();
        return nullptr;
    }
    // Thai text arrives from an input method, as from a Thai keyboard layout.
    void typeThai(QLineEdit* field, const QString& text) {
        field->setFocus();
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QCoreApplication::sendEvent(field, &commit);
    }
    QTableView* table(int index) { return view->findChildren<QTableView*>().at(index); }
    void clickCell(QTableView* t, int row) {
        QCoreApplication::processEvents();
        const QRect cell = testing_support::cellRect(t, row, 0);
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, cell.center());
        QCoreApplication::processEvents();
    }
    // Clicks the day the calendar shows as selected.
    void clickSelectedDay(QCalendarWidget* cal) {
        auto* days = cal->findChild<QTableView*>();
        ASSERT_TRUE(days);
        const QRect day = days->visualRect(days->currentIndex());
        QTest::mouseClick(days->viewport(), Qt::LeftButton, {}, day.center());
    }
    // Saves a picture of the window when REG_JOURNAL_PNG_DIR names a folder.
    void snapshot(const char* name) {
        QCoreApplication::processEvents();
        const QString dir = qEnvironmentVariable("REG_JOURNAL_PNG_DIR");
        const QImage shot = view->grab().toImage();
        EXPECT_FALSE(shot.isNull());
        if (!dir.isEmpty())
            shot.save(dir + "/reg_journal-" + name + ".png");
    }

    std::unique_ptr<issues::reg_journalView> view;
};

TEST_F(RegJournalViewTest, SearchPickNewCalendarSaveThroughTheWidgets) {
    EXPECT_EQ(view->windowTitle(), QStringLiteral("โปรแกรมลงทะเบียนวารสาร"));
    auto* text1 = view->findChildren<QLineEdit*>().at(0);
    typeThai(text1, QStringLiteral("วิทยา"));
    QTest::keyClick(text1, Qt::Key_Return);
    QCoreApplication::processEvents();
    QTableView* titles = table(0);
    ASSERT_EQ(titles->model()->rowCount(), 2);
    EXPECT_EQ(testing_support::cellText(titles, 1, 1), QStringLiteral("คณะวิทยาศาสตร์และเทคโนโลยี"));

    clickCell(titles, 1);
    QTableView* issues = table(1);
    ASSERT_EQ(issues->model()->rowCount(), 2);
    EXPECT_EQ(testing_support::cellText(issues, 0, 0), "11");
    clickCell(issues, 0);
    snapshot("title-picked");

    QTest::mouseClick(button(QStringLiteral("ลงทะเบียนใหม่")), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_FALSE(titles->isEnabled());
    QTest::mouseClick(button("..."), Qt::LeftButton);
    QCoreApplication::processEvents();
    auto calendars = view->findChildren<QCalendarWidget*>();
    ASSERT_EQ(calendars.size(), 2);
    ASSERT_TRUE(calendars[0]->isVisible());
    snapshot("entry");
    clickSelectedDay(calendars[0]);
    QCoreApplication::processEvents();
    EXPECT_FALSE(calendars[0]->isVisible());
    EXPECT_EQ(view->logic().Text3.text(), "15/03/2008");

    QTest::mouseClick(button("...", 1), Qt::LeftButton);
    clickSelectedDay(calendars[1]);
    QTest::keyClicks(view->findChildren<QLineEdit*>().at(3), "2008");
    QTest::mouseClick(button(QStringLiteral("บันทึก")), Qt::LeftButton);
    QCoreApplication::processEvents();

    EXPECT_EQ(counter(db()), "126");
    const auto row = db().first(
        "SELECT department_code, receivedate, daily, yearno FROM tranfile"
        " WHERE magno = '125'");
    ASSERT_TRUE(row);
    EXPECT_EQ(row->text(0), "03");
    EXPECT_EQ(row->text(1), "15/03/2008");
    EXPECT_EQ(row->text(2), "15/03/2008");
    EXPECT_EQ(row->text(3), "2008");
    EXPECT_EQ(issues->model()->rowCount(), 3);
    EXPECT_TRUE(titles->isEnabled());
}

// A barcode scanned (or a year typed) while a calendar is open picks no day
// of another year: Enter takes the day the calendar shows.
TEST_F(RegJournalViewTest, DigitsTypedIntoAnOpenCalendarPickNoOtherDay) {
    const char* typed[] = {"977924177400105", "2569"};
    auto* text1 = view->findChildren<QLineEdit*>().at(0);
    typeThai(text1, QStringLiteral("วิทยา"));
    QTest::keyClick(text1, Qt::Key_Return);
    clickCell(table(0), 1);
    for (const char* keys : typed) {
        QTest::mouseClick(button(QStringLiteral("ลงทะเบียนใหม่")), Qt::LeftButton);
        QTest::mouseClick(button("..."), Qt::LeftButton);
        QCalendarWidget* calendar = view->findChildren<QCalendarWidget*>().at(0);
        ASSERT_TRUE(calendar->isVisible()) << keys;
        const QString shown = calendar->selectedDate().toString("dd/MM/yyyy");
        auto* days = calendar->findChild<QTableView*>();
        QTest::keyClicks(days, keys);
        // A scanner's Enter may come after the calendar took what was typed.
        QTest::qWait(calendar->dateEditAcceptDelay() + 200);
        QTest::keyClick(days, Qt::Key_Return);
        QCoreApplication::processEvents();
        EXPECT_EQ(view->logic().Text3.text(), shown) << keys;
        QTest::mouseClick(button(QStringLiteral("ยกเลิก")), Qt::LeftButton);
    }
}

// What the desk holds of a title with many gaps is read whole: its label
// gets all the height its lines need, in a frame that scrolls.
TEST_F(RegJournalViewTest, ALongHoldingsStatementIsReadWhole) {
    QStringList gaps;
    for (int volume = 1; volume <= 12; ++volume)
        gaps << QStringLiteral("ปีที่ %1 ขาดฉบับที่ 2, 5, 9").arg(volume);
    view->logic().holdingsLabel.setCaption(QStringLiteral("ฉบับที่มี: ปีที่ 1-12; ") +
                                           gaps.join(QStringLiteral("; ")));
    QCoreApplication::processEvents();
    QLabel* label = nullptr;
    for (auto* l : view->findChildren<QLabel*>())
        if (l->text().startsWith(QStringLiteral("ฉบับที่มี:")))
            label = l;
    ASSERT_TRUE(label);
    EXPECT_GE(label->height(), label->heightForWidth(label->width()));
}

TEST(RegJournalInProgram, TheMenuOpensItAsAChildAndExitClosesIt) {
    testing_support::TempDatabase temp;
    shell::MainWindow main(temp.path());
    shell::registerWindows(main);
    main.show();
    main.findChild<QAction*>("ccc")->trigger();
    QPointer<ui::qt::FormView> view = main.instance("reg_journal");
    ASSERT_TRUE(qobject_cast<issues::reg_journalView*>(view.data()));
    EXPECT_TRUE(qobject_cast<QMdiSubWindow*>(view->parentWidget()));
    EXPECT_EQ(view->parentWidget()->windowTitle(), QStringLiteral("โปรแกรมลงทะเบียนวารสาร"));
    for (auto* b : view->findChildren<QPushButton*>())
        if (b->text() == "Exit")
            QTest::mouseClick(b, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(view);
}

// Under a window manager the frame gets its activation back only after a
// message box has closed, and then gives the focus to the field that had it
// when the box opened.
TEST(RegJournalInProgram, AfterAQuestionTheKeysGoWhereTheWindowPutThem) {
    testing_support::TempDatabase temp;
    {
        data::Database db(temp.path());
        addTitle(db, "J000001", "Alpha", {"02"});
        addTitle(db, "J000002", "Beta", {"02", "03"});
        addIssue(db, "10", "J000001", "31/01/2003", "Alpha 1");
    }
    shell::MainWindow main(temp.path());
    shell::registerWindows(main);
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    main.findChild<QAction*>("ccc")->trigger();
    auto* view = qobject_cast<issues::reg_journalView*>(main.instance("reg_journal"));
    ASSERT_TRUE(view);
    issues::reg_journal& f = view->logic();
    auto* text1 = view->findChild<QLineEdit*>("Text1");
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->buttons().first()->click();  // ตกลง
    });
    answer.start(20);

    const struct {
        const char* typed;  // into the search field, then Enter
        const char* focused;
    } cases[] = {
        {"Beta", "show_journal"},  // cancel the open entry, then pick Beta's faculty
    };
    for (const auto& c : cases) {
        f.Text1.setText("Alpha");
        f.Command1_Click();
        f.show_journal.click(1, 0);
        f.Command2_Click();
        ASSERT_TRUE(f.Command7.enabled()) << "an entry is open";
        text1->setFocus();
        f.Text1.setText(c.typed);
        QTest::keyClick(text1, Qt::Key_Return);
        EXPECT_FALSE(f.Command7.enabled()) << c.typed;
        main.activateWindow();
        QApplication::setActiveWindow(&main);
        QCoreApplication::processEvents();
        ASSERT_TRUE(QApplication::focusWidget()) << c.typed;
        EXPECT_EQ(QApplication::focusWidget()->objectName(), c.focused) << c.typed;
    }
}

}  // namespace
