#pragma once

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <deque>
#include "data/Database.h"
#include "shell/MainWindow.h"
#include "shell/Startup.h"
#include "tests/support/GridCells.h"
#include "tests/support/TempDatabase.h"
#include "ui/qt/QtMessageBox.h"

// The desk of the end-to-end days, driven only through the program's real
// windows: menu choices, keys, clicks, picks and answers to its message boxes.

namespace desk_day {

const QString kOk = QStringLiteral("ตกลง");
const QString kCancel = QStringLiteral("ยกเลิก");

// Answers the program's modal message boxes and its PDF file dialog as they
// appear, in the order queued, and remembers what each box said. A box
// nobody expected is answered "ตกลง" and remembered as unexpected.
class Answers : public QObject {
  public:
    Answers() {
        connect(&timer_, &QTimer::timeout, this, &Answers::poll);
        timer_.start(15);
    }
    void queue(std::initializer_list<QString> buttons) {
        answers_.insert(answers_.end(), buttons.begin(), buttons.end());
    }
    void saveFileAs(const QString& path) { file_ = path; }
    // The texts of the boxes shown since the last call.
    QStringList take() {
        EXPECT_TRUE(answers_.empty()) << answers_.size() << " answers not used";
        answers_.clear();
        file_.clear();
        return std::exchange(seen_, {});
    }

  private:
    void poll() {
        if (busy_)
            return;
        busy_ = true;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (!w->isVisible())
                continue;
            if (auto* box = qobject_cast<QMessageBox*>(w)) {
                answer(box);
                break;
            }
            if (auto* dialog = qobject_cast<QFileDialog*>(w)) {
                answer(dialog);
                break;
            }
        }
        busy_ = false;
    }
    void answer(QMessageBox* box) {
        QString wanted = kOk;
        if (answers_.empty()) {
            seen_ << QStringLiteral("(unexpected) ") + box->text();
        } else {
            wanted = answers_.front();
            answers_.pop_front();
            seen_ << box->text();
        }
        for (QAbstractButton* b : box->buttons())
            if (b->text() == wanted) {
                QTest::mouseClick(b, Qt::LeftButton);
                return;
            }
        ADD_FAILURE() << "no button " << wanted.toStdString();
        box->reject();
    }
    // The file name is put in whole: typed key by key, the dialog's path
    // completer would pop up over the Save button. A dialog still open at the
    // next look is answered again.
    void answer(QFileDialog* dialog) {
        if (dialog != lastDialog_)
            seen_ << QStringLiteral("(file) ") + dialog->windowTitle();
        lastDialog_ = dialog;
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        auto* buttons = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
        if (file_.isEmpty() || !name || !buttons) {
            EXPECT_FALSE(file_.isEmpty()) << "a file dialog nobody expected";
            dialog->reject();
            return;
        }
        name->setText(file_);
        QTest::mouseClick(buttons->button(QDialogButtonBox::Save), Qt::LeftButton);
    }

    QTimer timer_;
    std::deque<QString> answers_;
    QStringList seen_;
    QString file_;
    QPointer<QFileDialog> lastDialog_;
    bool busy_ = false;
};

inline QString day(const QDate& d) {
    return d.toString(QStringLiteral("dd/MM/yyyy"));
}

// ---- Gestures ----

template <typename W>
inline W* child(QWidget* window, const char* name) {
    W* w = window ? window->findChild<W*>(QString::fromLatin1(name)) : nullptr;
    EXPECT_NE(w, nullptr) << name;
    return w;
}

inline void choose(shell::MainWindow& main, const char* item) {
    QAction* action = main.findChild<QAction*>(QString::fromLatin1(item));
    ASSERT_NE(action, nullptr) << item;
    ASSERT_TRUE(action->isEnabled()) << item;
    action->trigger();
    QCoreApplication::processEvents();
}

inline void press(QWidget* window, const char* button) {
    auto* b = child<QPushButton>(window, button);
    ASSERT_NE(b, nullptr);
    ASSERT_TRUE(b->isEnabled()) << button;
    QTest::mouseClick(b, Qt::LeftButton);
    QCoreApplication::processEvents();
}

// Latin text is typed key by key; Thai text arrives from the input method.
inline void type(QWidget* field, const QString& text) {
    ASSERT_NE(field, nullptr);
    const bool latin =
        std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 128; });
    if (latin) {
        QTest::keyClicks(field, text);
        return;
    }
    field->setFocus();
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QCoreApplication::sendEvent(field, &commit);
}

// Home, Shift+End, then the new text over the old (Delete for none).
inline void retype(QLineEdit* field, const QString& text) {
    ASSERT_NE(field, nullptr);
    QTest::keyClick(field, Qt::Key_Home);
    QTest::keyClick(field, Qt::Key_End, Qt::ShiftModifier);
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Delete);
    type(field, text);
}

// Home, then Down to the wanted line: each step is a pick, as with the mouse.
inline void pick(QComboBox* combo, const QString& text) {
    ASSERT_NE(combo, nullptr);
    const int index = combo->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    QTest::keyClick(combo, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(combo->currentText(), text);
}

inline QRect rowRect(QListWidget* list, const QString& text) {
    QCoreApplication::processEvents();  // the list lays out its rows
    // A publisher's row carries its code after the name.
    auto items = list->findItems(text, Qt::MatchExactly);
    if (items.isEmpty())
        items = list->findItems(text + QStringLiteral("  (รหัส "), Qt::MatchStartsWith);
    EXPECT_EQ(items.size(), 1) << text.toStdString();
    return items.isEmpty() ? QRect() : list->visualItemRect(items.first());
}

inline void clickRow(QListWidget* list, const QString& text) {
    ASSERT_NE(list, nullptr);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowRect(list, text).center());
}

inline void doubleClickRow(QListWidget* list, const QString& text) {
    ASSERT_NE(list, nullptr);
    const QPoint at = rowRect(list, text).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

inline void clickCell(QTableView* grid, int row) {
    ASSERT_NE(grid, nullptr);
    QCoreApplication::processEvents();
    const QRect cell = testing_support::cellRect(grid, row, 0);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QCoreApplication::processEvents();
}

inline void clickTab(QTabWidget* tabs, int page) {
    ASSERT_NE(tabs, nullptr);
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(page).center());
}

// Clicks day `dayOfMonth` (at most 28) of the month the calendar shows.
inline void clickDay(QCalendarWidget* calendar, int dayOfMonth) {
    ASSERT_NE(calendar, nullptr);
    ASSERT_TRUE(calendar->isVisible());
    auto* days = calendar->findChild<QTableView*>();
    ASSERT_NE(days, nullptr);
    const QAbstractItemModel* m = days->model();
    const int firstColumn =
        calendar->verticalHeaderFormat() == QCalendarWidget::NoVerticalHeader ? 0 : 1;
    bool inMonth = false;
    for (int r = 0; r < m->rowCount(); ++r)
        for (int c = firstColumn; c < m->columnCount(); ++c) {
            const QString text = m->index(r, c).data().toString();
            inMonth = inMonth || text == u"1";
            if (inMonth && text == QString::number(dayOfMonth)) {
                const QRect cell = days->visualRect(m->index(r, c));
                QTest::mouseClick(days->viewport(), Qt::LeftButton, {}, cell.center());
                QCoreApplication::processEvents();
                return;
            }
        }
    ADD_FAILURE() << "no day " << dayOfMonth;
}

inline QStringList rowTexts(QTableView* grid, int column) {
    QStringList texts;
    for (int r = 0; r < grid->model()->rowCount(); ++r)
        if (!testing_support::cellText(grid, r, column).isEmpty())
            texts << testing_support::cellText(grid, r, column);
    return texts;
}

inline void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// ---- The day ----

// The store and the program of one day; `Answering` answers the program's
// message boxes and file dialogs.
template <typename Answering>
struct Day : ::testing::Test {
    // The day starts on a file the program makes, or on a server database
    // made ready with --init-database.
    testing_support::TempDatabase store{testing_support::onPostgres()
                                            ? testing_support::TempDatabase::Start::FirstRun
                                            : testing_support::TempDatabase::Start::Empty};
    QString path = store.path();
    QDate today = QDate::currentDate();
    ui::qt::QtMessageBox startMessages;
    Answering answers;
    std::unique_ptr<shell::MainWindow> main;

    void start() {
        main = shell::startProgram(path, today, startMessages);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
        settle();
        EXPECT_EQ(answers.take(), QStringList());
    }
    QWidget* window(const char* name) { return main->instance(QString::fromLatin1(name)); }
    QString cell(const char* sql) {
        data::Database db(path);
        const auto row = db.first(sql);
        return row ? row->text(0) : QStringLiteral("<none>");
    }
};

struct Desk : Day<Answers> {
    const QString newPublisher = QStringLiteral("สำนักพิมพ์ครุสารวิชาการ");
    const QString journal = QStringLiteral("วารสารครุศาสตร์ปริทัศน์");
    const QString newspaper = QStringLiteral("หนังสือพิมพ์ข่าวเช้าวันนี้");
    const QString matichon = QStringLiteral("บริษัท มติชน จำกัด (มหาชน)");

    // Finds the publisher or agent typed into `field` and double-clicks it in
    // the list that the double-click on the field opens.
    void pickPublisher(QWidget* titles, const char* field, const char* list, const QString& typed,
                       const QString& name) {
        QLineEdit* box = child<QLineEdit>(titles, field);
        retype(box, typed);
        QTest::mouseDClick(box, Qt::LeftButton);
        auto* found = child<QListWidget>(titles, list);
        ASSERT_TRUE(found->isVisible()) << field;
        ASSERT_EQ(found->count(), 1);
        doubleClickRow(found, name);
        EXPECT_FALSE(found->isVisible());
        EXPECT_EQ(box->text(), name);
    }

    struct Title {
        bool journal;
        QString kind, name, language, issued, publisherTyped, publisher, department, fee, endDate,
            status, binding, colour;
        bool publisherIsNew = false;
        QString issn = {};  // its digits, typed into the mask
    };

    // A publisher name that matches nothing opens the register with that
    // name and the next free code; it is saved there.
    void registerPublisher(QWidget* titles, const QString& name, const QString& code) {
        QLineEdit* publisher = child<QLineEdit>(titles, "Text10");
        type(publisher, name);
        QTest::mouseDClick(publisher, Qt::LeftButton);
        settle();
        QPointer<QWidget> dealer = window("Adddealer");
        ASSERT_TRUE(dealer);
        EXPECT_TRUE(dealer->isVisible());
        EXPECT_FALSE(child<QListWidget>(titles, "dlbdeler")->isVisible());
        EXPECT_EQ(child<QLineEdit>(dealer, "Text1")->text(), code);
        EXPECT_EQ(child<QLineEdit>(dealer, "Text2")->text(), name);
        type(child<QLineEdit>(dealer, "Text3"), QStringLiteral("12 ถนนราชดำเนิน"));
        type(child<QLineEdit>(dealer, "Text5"), QStringLiteral("คุณสมศรี"));
        press(dealer, "Command1");
        settle();
        EXPECT_FALSE(dealer);
        EXPECT_EQ(answers.take(), QStringList());
    }

    void enterTitle(const Title& t) {
        QWidget* w = window("NewJournal");
        press(w, "Cmdadd");
        QTest::mouseClick(child<QRadioButton>(w, t.journal ? "opt1" : "opt2"), Qt::LeftButton);
        clickRow(child<QListWidget>(w, "dlbtypemag"), t.kind);
        type(child<QLineEdit>(w, "Text2"), t.name);
        pick(child<QComboBox>(w, "dcblanguage"), t.language);
        pick(child<QComboBox>(w, "dcbmagtype"), t.issued);
        retype(child<QLineEdit>(w, "Text8"), QStringLiteral("12"));
        retype(child<QLineEdit>(w, "Text9"), QStringLiteral("1"));
        if (t.publisherIsNew) {
            ASSERT_NO_FATAL_FAILURE(registerPublisher(w, t.publisher, QStringLiteral("6")));
        }
        pickPublisher(w, "Text10", "dlbdeler", t.publisherTyped, t.publisher);
        if (!t.issn.isEmpty())
            retype(child<QLineEdit>(w, "Mask2"), t.issn);

        clickTab(child<QTabWidget>(w, "SSTab1"), 1);
        pick(child<QComboBox>(w, "dcbdepart"), t.department);
        pick(child<QComboBox>(w, "dcbrecei"), QStringLiteral("บอกรับเป็นสมาชิก"));
        retype(child<QLineEdit>(w, "Text11"), t.fee);
        pick(child<QComboBox>(w, "dcbcurren"), QStringLiteral("บาท"));
        retype(child<QLineEdit>(w, "Mask4"), QString(t.endDate).remove(u'/'));
        EXPECT_EQ(child<QLineEdit>(w, "Mask4")->text(), t.endDate);
        // The agent is the publisher itself: the desk buys straight from it.
        pickPublisher(w, "Text14", "dlbdeler1", t.publisherTyped, t.publisher);
        pick(child<QComboBox>(w, "dcbstatus"), t.status);
        pick(child<QComboBox>(w, "dcbbindsta"), t.binding);
        pick(child<QComboBox>(w, "dcbbindco"), t.colour);

        answers.queue({kOk, kOk});
        press(w, "Cmdsave");
        EXPECT_EQ(answers.take(),
                  QStringList({QStringLiteral("ต้องการบันทึกข้อมูลหรือไม่"),
                               QStringLiteral("การบันทึกข้อมูลวารสารรายชื่อใหม่เรียบร้อยแล้ว")}));
        EXPECT_EQ(child<QLineEdit>(w, "Text2")->text(), "");
        EXPECT_FALSE(child<QPushButton>(w, "Cmdsave")->isEnabled());
    }

    // Searches the title window by part of a name and shows the one found.
    void showTitle(const QString& part, const QString& name) {
        QWidget* w = window("NewJournal");
        QLineEdit* text2 = child<QLineEdit>(w, "Text2");
        retype(text2, part);
        QTest::mouseDClick(text2, Qt::LeftButton);
        auto* found = child<QListWidget>(w, "dlbnamemag");
        ASSERT_TRUE(found->isVisible());
        clickRow(found, name);
        EXPECT_FALSE(found->isVisible());
    }

    // Searches the registration window and clicks the first title found.
    void listIssuesOf(const QString& part) {
        QWidget* w = window("reg_journal");
        QLineEdit* text1 = child<QLineEdit>(w, "Text1");
        retype(text1, part);
        QTest::keyClick(text1, Qt::Key_Return);
        clickCell(child<QTableView>(w, "show_journal"), 0);
    }

    void registerIssue(int dayOfMonth, const QString& volume, const QString& number,
                       const QString& description) {
        QWidget* w = window("reg_journal");
        press(w, "Command2");
        press(w, "Command9");
        clickDay(child<QCalendarWidget>(w, "MonthView1"), dayOfMonth);
        EXPECT_FALSE(child<QCalendarWidget>(w, "MonthView1")->isVisible());
        type(child<QLineEdit>(w, "Text4"), volume);
        type(child<QLineEdit>(w, "Text5"), number);
        type(child<QLineEdit>(w, "Text6"), description);
        press(w, "Command10");
        clickDay(child<QCalendarWidget>(w, "MonthView2"), today.day() > 28 ? 28 : today.day());
        answers.queue({kOk, kOk});
        press(w, "Command7");
        EXPECT_EQ(answers.take(),
                  QStringList({QStringLiteral("ต้องการบันทึกข้อมูลวารสารเลขทะเบียนนี้หรือไม่"),
                               QStringLiteral("บันทึกข้อมูลลงทะเบียนวารสารเรียบร้อยแล้ว")}));
    }

    struct IndexedArticle {
        QString title, pages;
        QStringList authors, headings;
        QString abstract;
    };

    // Enters an article of the issue chosen in the article window, its
    // authors and headings added as the clerk types them, the abstract on
    // its own tab, and saves it.
    void indexArticle(const IndexedArticle& a) {
        QWidget* w = window("ArticleWindow");
        press(w, "newButton");
        auto* tabs = child<QTabWidget>(w, "pages");
        clickTab(tabs, 0);
        type(child<QLineEdit>(w, "articleTitleText"), a.title);
        type(child<QLineEdit>(w, "pagesText"), a.pages);
        for (const QString& name : a.authors) {
            type(child<QLineEdit>(w, "authorText"), name);
            press(w, "addAuthorButton");
        }
        // The heading list takes typing only while it has the focus.
        w->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(w));
        for (const QString& heading : a.headings) {
            type(child<QComboBox>(w, "headingPick"), heading);
            press(w, "addHeadingButton");
        }
        EXPECT_EQ(rowTexts(child<QTableView>(w, "authorRows"), 0), a.authors);
        clickTab(tabs, 1);
        type(child<QPlainTextEdit>(w, "abstractText"), a.abstract);
        answers.queue({kOk});
        press(w, "saveButton");
        EXPECT_EQ(answers.take(), QStringList{QStringLiteral("บันทึกบทความเรียบร้อยแล้ว")});
    }

    // The citations the article search lists for these words and author.
    QStringList findArticles(const QString& words, const QString& author) {
        QWidget* w = window("ArticleSearchWindow");
        retype(child<QLineEdit>(w, "wordsText"), words);
        retype(child<QLineEdit>(w, "authorText"), author);
        press(w, "findButton");
        return rowTexts(child<QTableView>(w, "resultList"), 0);
    }

    void searchExpiring(bool journals, const QDate& from, const QDate& to) {
        QWidget* w = window("expdate");
        QTest::mouseClick(child<QRadioButton>(w, journals ? "Option1" : "Option2"), Qt::LeftButton);
        retype(child<QLineEdit>(w, "Text1"), day(from).remove(u'/'));
        retype(child<QLineEdit>(w, "Text2"), day(to).remove(u'/'));
        press(w, "Command1");
    }

    // Closes a window by its own Exit button and opens it again from the menu.
    void closeAndReopen(const char* window, const char* exitButton, const char* menuItem) {
        QPointer<QWidget> before = main->instance(QString::fromLatin1(window));
        ASSERT_TRUE(before);
        press(before, exitButton);
        settle();
        EXPECT_FALSE(before) << window;
        choose(*main, menuItem);
        EXPECT_NE(main->instance(QString::fromLatin1(window)), nullptr) << window;
    }

    void quit() {
        choose(*main, "menuexit");
        settle();
        EXPECT_FALSE(main->isVisible());
        main.reset();
        settle();
    }
};

}  // namespace desk_day
