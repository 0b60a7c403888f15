#include <gtest/gtest.h>

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <cmath>

#include "tests/e2e/DeskDay.h"

// A day at the desk with the keyboard alone: every menu, field, list, grid,
// calendar, button, message box and file dialog is reached and worked by keys.
// Along the way every locked field on screen is checked for legible text.

namespace {

using desk_day::child;
using desk_day::day;
using desk_day::settle;

// Sends a key to whatever has the keyboard focus, as the keyboard does; a
// dialog's key goes to the dialog's focus.
void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier, QWidget* dialog = nullptr) {
    QWidget* target = QApplication::activePopupWidget();
    if (!target && dialog)
        target = dialog->focusWidget() ? dialog->focusWidget() : dialog;
    // The offscreen platform has no window manager to give the frame back its
    // activation when a dialog closes: do what one would.
    if (!target && !QApplication::activeWindow())
        for (QWidget* top : QApplication::topLevelWidgets())
            if (qobject_cast<QMainWindow*>(top) && top->isVisible())
                QApplication::setActiveWindow(top);
    if (!target)
        target = QApplication::focusWidget();
    if (!target)
        target = QApplication::activeWindow();
    ASSERT_NE(target, nullptr) << "nothing takes the keys";
    QTest::keyClick(target, k, mods);
    QCoreApplication::processEvents();
}

// Latin text is typed key by key; Thai text is committed by the input method.
void type(const QString& text) {
    QWidget* target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr);
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 128; })) {
        QTest::keyClicks(target, text);
        return;
    }
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QCoreApplication::sendEvent(target, &commit);
}

// Answers message boxes and the PDF file dialog with keys: Enter for "ตกลง",
// Escape for "ยกเลิก"; the file name is typed over the proposed one.
class KeyAnswers : public QObject {
  public:
    KeyAnswers() {
        connect(&timer_, &QTimer::timeout, this, &KeyAnswers::poll);
        timer_.start(15);
    }
    void queue(std::initializer_list<bool> oks) { oks_.insert(oks_.end(), oks); }
    void saveFileAs(const QString& path) { file_ = path; }
    QStringList take() {
        EXPECT_TRUE(oks_.empty()) << oks_.size() << " answers not used";
        oks_.clear();
        return std::exchange(seen_, {});
    }
    QString proposedName;

  private:
    void poll() {
        if (busy_)
            return;
        busy_ = true;
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            const bool ok = oks_.empty() || oks_.front();
            seen_ << (oks_.empty() ? QStringLiteral("(unexpected) ") : QString()) + box->text();
            if (!oks_.empty())
                oks_.pop_front();
            key(ok ? Qt::Key_Return : Qt::Key_Escape, Qt::NoModifier, box);
        } else if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            seen_ << QStringLiteral("(file) ") + dialog->windowTitle();
            auto* name = qobject_cast<QLineEdit*>(dialog->focusWidget());
            ASSERT_NE(name, nullptr) << "the file name does not have the focus";
            proposedName = name->text();
            key(Qt::Key_A, Qt::ControlModifier, dialog);
            QTest::keyClicks(name, file_);
            key(Qt::Key_Return, Qt::NoModifier, dialog);
        }
        busy_ = false;
    }

    QTimer timer_;
    std::deque<bool> oks_;
    QStringList seen_;
    QString file_;
    bool busy_ = false;
};

// Tab until `target` (or the part of it that takes the focus) has the focus.
void tabTo(QWidget* target) {
    ASSERT_NE(target, nullptr);
    for (int i = 0; i < 200; ++i) {
        QWidget* f = QApplication::focusWidget();
        if (f && (f == target || target->isAncestorOf(f)))
            return;
        key(Qt::Key_Tab);
    }
    FAIL() << "Tab never reaches " << target->objectName().toStdString();
}

// Alt opens the menu bar; arrows lead to the menu and the item (none: the
// bar's own item); Enter runs it.
void menu(shell::MainWindow& main, int top, const char* item) {
    main.activateWindow();
    QApplication::setActiveWindow(&main);
    QTest::keyClick(&main, Qt::Key_Alt);
    for (int i = 0; i < top; ++i)
        key(Qt::Key_Right);
    if (!item) {  // an item of the bar itself
        key(Qt::Key_Return);
        return;
    }
    key(Qt::Key_Down);
    auto* open = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(open, nullptr) << "no menu opened";
    for (int i = 0; i < 20 && !(open->activeAction() &&
                                open->activeAction()->objectName() == QLatin1String(item));
         ++i)
        key(Qt::Key_Down);
    ASSERT_EQ(open->activeAction()->objectName(), QLatin1String(item));
    key(Qt::Key_Return);
}

// Home then Down to the wanted line of a closed pick list.
void pickByKeys(QComboBox* combo, const QString& text) {
    ASSERT_NE(combo, nullptr);
    const int index = combo->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    tabTo(combo);
    key(Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        key(Qt::Key_Down);
    EXPECT_EQ(combo->currentText(), text);
}

// Moves the list's cursor to the row and presses `k` (Space or Enter).
void chooseRow(QListWidget* list, const QString& text, Qt::Key k) {
    ASSERT_NE(list, nullptr);
    // A publisher's row carries its code after the name.
    auto items = list->findItems(text, Qt::MatchExactly);
    if (items.isEmpty())
        items = list->findItems(text + QStringLiteral("  (รหัส "), Qt::MatchStartsWith);
    ASSERT_EQ(items.size(), 1) << text.toStdString();
    tabTo(list);
    key(Qt::Key_Home);
    for (int i = 0; i < list->row(items.first()); ++i)
        key(Qt::Key_Down);
    key(k);
}

void retype(QLineEdit* field, const QString& text) {
    tabTo(field);
    key(Qt::Key_Home);
    key(Qt::Key_End, Qt::ShiftModifier);
    type(text);
}

void pressByKeys(QPushButton* button) {
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isEnabled()) << button->objectName().toStdString();
    tabTo(button);
    key(Qt::Key_Return);
    QCoreApplication::processEvents();
}

// Moves the shown calendar's day to `d` by arrows and picks it with Enter.
void pickDay(QCalendarWidget* calendar, const QDate& d) {
    ASSERT_NE(calendar, nullptr);
    ASSERT_TRUE(calendar->isVisible());
    tabTo(calendar);
    const qint64 days = calendar->selectedDate().daysTo(d);
    for (qint64 i = 0; i < std::abs(days); ++i)
        key(days < 0 ? Qt::Key_Left : Qt::Key_Right);
    EXPECT_EQ(calendar->selectedDate(), d);
    key(Qt::Key_Return);
}

double luminance(const QColor& c) {
    auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Renders each locked field that holds text and compares its text's colour
// (the pixel furthest from the background) with its background (the most
// common colour inside its frame).
void expectLockedFieldsReadable(QWidget* window) {
    int checked = 0;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        auto* line = qobject_cast<QLineEdit*>(w);
        auto* combo = qobject_cast<QComboBox*>(w);
        const QString text = line ? line->text() : combo ? combo->currentText() : QString();
        if ((!line && !combo) || w->isEnabled() || !w->isVisible() || text.trimmed().isEmpty() ||
            (line && qobject_cast<QComboBox*>(w->parentWidget())))
            continue;
        const QImage shot = w->grab().toImage();
        const QRect inside = shot.rect().adjusted(3, 3, -3, -3);
        QHash<QRgb, int> counts;
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x)
                ++counts[shot.pixel(x, y)];
        QRgb background = 0;
        for (auto it = counts.begin(); it != counts.end(); ++it)
            if (it.value() > counts.value(background))
                background = it.key();
        double best = 1;
        for (auto it = counts.begin(); it != counts.end(); ++it)
            best = std::max(best, contrast(QColor(it.key()), QColor(background)));
        EXPECT_GE(best, 4.5) << window->objectName().toStdString() << " "
                             << w->objectName().toStdString() << ": " << text.toStdString();
        ++checked;
    }
    EXPECT_GT(checked, 0) << window->objectName().toStdString() << " shows no locked field";
}

// The tab bar takes the focus and an arrow shows the next or previous page.
void showPage(QWidget* window, Qt::Key arrow) {
    auto* tabs = child<QTabWidget>(window, "SSTab1");
    ASSERT_NE(tabs, nullptr);
    tabTo(tabs->tabBar());
    key(arrow);
}

using KeyboardDesk = desk_day::Day<KeyAnswers>;

const QString kJournal = QStringLiteral("วารสารแป้นพิมพ์ศึกษา");
const QString kMatichon = QStringLiteral("บริษัท มติชน จำกัด (มหาชน)");

}  // namespace

TEST_F(KeyboardDesk, AWholeDayWithoutTheMouse) {
    const QDate ends = today.addDays(10);
    ASSERT_NO_FATAL_FAILURE(start());

    // A new title, every code chosen by keys.
    ASSERT_NO_FATAL_FAILURE(menu(*main, 2, "aaa"));
    QWidget* titles = window("NewJournal");
    ASSERT_NE(titles, nullptr);
    ASSERT_NO_FATAL_FAILURE(pressByKeys(child<QPushButton>(titles, "Cmdadd")));
    tabTo(child<QRadioButton>(titles, "opt1"));
    key(Qt::Key_Space);
    ASSERT_NO_FATAL_FAILURE(chooseRow(child<QListWidget>(titles, "dlbtypemag"),
                                      QStringLiteral("วิชาการ"), Qt::Key_Space));
    retype(child<QLineEdit>(titles, "Text2"), kJournal);
    pickByKeys(child<QComboBox>(titles, "dcblanguage"), QStringLiteral("ภาษาไทย"));
    pickByKeys(child<QComboBox>(titles, "dcbmagtype"), QStringLiteral("รายเดือน"));
    retype(child<QLineEdit>(titles, "Text8"), "12");
    retype(child<QLineEdit>(titles, "Text9"), "1");
    retype(child<QLineEdit>(titles, "Text10"), QStringLiteral("มติชน"));
    key(Qt::Key_F4);
    ASSERT_NO_FATAL_FAILURE(
        chooseRow(child<QListWidget>(titles, "dlbdeler"), kMatichon, Qt::Key_Return));
    EXPECT_EQ(child<QLineEdit>(titles, "Text10")->text(), kMatichon);

    showPage(titles, Qt::Key_Right);  // the subscription page
    pickByKeys(child<QComboBox>(titles, "dcbdepart"), QStringLiteral("คณะครุศาสตร์"));
    pickByKeys(child<QComboBox>(titles, "dcbrecei"), QStringLiteral("บอกรับเป็นสมาชิก"));
    retype(child<QLineEdit>(titles, "Text11"), "1200");
    pickByKeys(child<QComboBox>(titles, "dcbcurren"), QStringLiteral("บาท"));
    retype(child<QLineEdit>(titles, "Mask4"), day(ends).remove(u'/'));
    retype(child<QLineEdit>(titles, "Text14"), QStringLiteral("มติชน"));
    key(Qt::Key_F4);
    ASSERT_NO_FATAL_FAILURE(
        chooseRow(child<QListWidget>(titles, "dlbdeler1"), kMatichon, Qt::Key_Return));
    pickByKeys(child<QComboBox>(titles, "dcbstatus"), QStringLiteral("สมาชิกใหม่"));
    pickByKeys(child<QComboBox>(titles, "dcbbindsta"), QStringLiteral("เย็บเล่ม"));
    pickByKeys(child<QComboBox>(titles, "dcbbindco"), QStringLiteral("สีน้ำเงิน"));
    answers.queue({true, true});
    ASSERT_NO_FATAL_FAILURE(pressByKeys(child<QPushButton>(titles, "Cmdsave")));
    EXPECT_EQ(answers.take(), QStringList({QStringLiteral("ต้องการบันทึกข้อมูลหรือไม่"),
                                           QStringLiteral("การบันทึกข้อมูลวารสารรายชื่อใหม่เรียบร้อยแล้ว")}));

    // Found by part of its name, shown, and edited.
    showPage(titles, Qt::Key_Left);
    retype(child<QLineEdit>(titles, "Text2"), QStringLiteral("แป้นพิมพ์"));
    key(Qt::Key_F4);
    ASSERT_NO_FATAL_FAILURE(
        chooseRow(child<QListWidget>(titles, "dlbnamemag"), kJournal, Qt::Key_Return));
    EXPECT_EQ(child<QLineEdit>(titles, "Text1")->text(), "J000001");
    expectLockedFieldsReadable(titles);
    ASSERT_NO_FATAL_FAILURE(pressByKeys(child<QPushButton>(titles, "Cmdedit")));
    retype(child<QLineEdit>(titles, "Text8"), "24");
    answers.queue({true, true});
    ASSERT_NO_FATAL_FAILURE(pressByKeys(child<QPushButton>(titles, "Cmdsave")));
    const QStringList editSaved = answers.take();
    ASSERT_FALSE(editSaved.isEmpty());
    EXPECT_EQ(editSaved.first(), QStringLiteral("ต้องการบันทึกข้อมูลหรือไม่"));

    // Two issues registered, their dates picked in the calendars by keys.
    ASSERT_NO_FATAL_FAILURE(menu(*main, 2, "ccc"));
    QWidget* issues = window("reg_journal");
    ASSERT_NE(issues, nullptr);
    retype(child<QLineEdit>(issues, "Text1"), QStringLiteral("แป้นพิมพ์"));
    answers.queue({true});
    key(Qt::Key_Return);
    tabTo(child<QTableView>(issues, "show_journal"));
    key(Qt::Key_Return);
    EXPECT_EQ(answers.take(), QStringList{QStringLiteral("รายชื่อวารสารนี้ไม่พบข้อมูลการลงทะเบียน")});
    const QDate first(today.year(), today.month(), 1);
    for (int n = 1; n <= 2; ++n) {
        ASSERT_NO_FATAL_FAILURE(pressByKeys(child<QPushButton>(issues, "Command2")));
        ASSERT_NO_FATAL_FAILURE(pressByKeys(child<QPushButton>(issues, "Command9")));
        ASSERT_NO_FATAL_FAILURE(
            pickDay(child<QCalendarWidget>(issues, "MonthView1"), first.addDays(n - 1)));
        EXPECT_EQ(child<QLineEdit>(issues, "Text3")->text(), day(first.addDays(n - 1)));
        retype(child<QLineEdit>(issues, "Text4"), "5");
        retype(child<QLineEdit>(issues, "Text5"), QString::number(n));
        retype(child<QLineEdit>(issues, "Text6"), QStringLiteral("ฉบับที่ %1").arg(n));
        ASSERT_NO_FATAL_FAILURE(pressByKeys(child<QPushButton>(issues, "Command10")));
        ASSERT_NO_FATAL_FAILURE(pickDay(child<QCalendarWidget>(issues, "MonthView2"), today));
        answers.queue({true, true});
        ASSERT_NO_FATAL_FAILURE(pressByKeys(child<QPushButton>(issues, "Command7")));
        EXPECT_EQ(answers.take(),
                  QStringList({QStringLiteral("ต้องการบันทึกข้อมูลวารสารเลขทะเบียนนี้หรือไม่"),
                               QStringLiteral("บันทึกข้อมูลลงทะเบียนวารสารเรียบร้อยแล้ว")}));
    }
    expectLockedFieldsReadable(issues);

    // The renewal: the expiring row loaded by Enter, renewed for a year.
    ASSERT_NO_FATAL_FAILURE(menu(*main, 3, "jjjj"));
    QWidget* renewals = window("expdate");
    ASSERT_NE(renewals, nullptr);
    tabTo(child<QRadioButton>(renewals, "Option1"));
    key(Qt::Key_Space);
    retype(child<QLineEdit>(renewals, "Text1"), day(today).remove(u'/'));
    retype(child<QLineEdit>(renewals, "Text2"), day(today.addDays(30)).remove(u'/'));
    ASSERT_NO_FATAL_FAILURE(pressByKeys(child<QPushButton>(renewals, "Command1")));
    tabTo(child<QTableView>(renewals, "showjour"));
    key(Qt::Key_Return);
    EXPECT_EQ(child<QLineEdit>(renewals, "Text3")->text(), kJournal);
    expectLockedFieldsReadable(renewals);
    ASSERT_NO_FATAL_FAILURE(pressByKeys(child<QPushButton>(renewals, "cmdedit")));
    const QDate renewedTo = ends.addYears(1);
    retype(child<QLineEdit>(renewals, "Text5"), "1350");
    retype(child<QLineEdit>(renewals, "Text7"), day(today).remove(u'/'));
    retype(child<QLineEdit>(renewals, "Text8"), day(renewedTo).remove(u'/'));
    answers.queue({true, true});
    ASSERT_NO_FATAL_FAILURE(pressByKeys(child<QPushButton>(renewals, "cmdsave")));
    EXPECT_EQ(answers.take(), QStringList({QStringLiteral("ต้องการบันทึกข้อมูลหรือไม่"),
                                           QStringLiteral("บันทึกข้อมูลเรียบร้อยแล้ว")}));

    // The list printed to a PDF file, named in the dialog by keys.
    if (QPrinterInfo::defaultPrinter().isNull()) {
        const QString pdf = store.folder() + QStringLiteral("/keyboard.pdf");
        answers.saveFileAs(pdf);
        answers.queue({true, true});
        ASSERT_NO_FATAL_FAILURE(pressByKeys(child<QPushButton>(renewals, "Cmdprint")));
        const QStringList printed = answers.take();
        ASSERT_GE(printed.size(), 3);
        EXPECT_EQ(printed[2], QStringLiteral("(file) บันทึกเป็นไฟล์ PDF"));
        EXPECT_TRUE(answers.proposedName.endsWith(QStringLiteral(".pdf")));
        QFile file(pdf);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.read(5) == "%PDF-");
    }

    ASSERT_NO_FATAL_FAILURE(menu(*main, 5, nullptr));
    settle();
    main.reset();
    settle();

    EXPECT_EQ(cell("SELECT vorlen_name FROM vorlen1 WHERE pointer = 'J000001'"), kJournal);
    EXPECT_EQ(cell("SELECT count(*) FROM tranfile WHERE pointer = 'J000001'"), "2");
    EXPECT_EQ(cell("SELECT end_period FROM vorlen WHERE pointer = 'J000001'"), day(renewedTo));
    EXPECT_EQ(cell("SELECT price_per_year FROM vorlen WHERE pointer = 'J000001'"), "1350");
}
