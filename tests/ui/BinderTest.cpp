#include <gtest/gtest.h>

#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QRawFont>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QTextLayout>
#include <QToolButton>
#include <algorithm>

#include "tests/support/GridCells.h"
#include "ui/Controls.h"
#include "ui/Fakes.h"
#include "ui/Form.h"
#include "ui/Grid.h"
#include "ui/PickList.h"
#include "ui/TextBox.h"
#include "ui/qt/Binder.h"

using namespace ui;

namespace {

struct Window : Form {
    explicit Window(MessageBox& box) : Form("w", box) {}
    TextBox Text1{"Text1"};
    TextBox Text2{"Text2"};
    CommandButton Cmdsave{"Cmdsave", "บันทึก"};
    PickList dcbcurren{"dcbcurren"};
    Grid showjour{"showjour", 5, 3};
    PickList dlbtypemag{"dlbtypemag"};
};

struct Fixture : ::testing::Test {
    FakeMessageBox box;
    Window logic{box};
    QWidget top;
    QLineEdit* text1 = new QLineEdit(&top);
    QLineEdit* text2 = new QLineEdit(&top);
    QPushButton* save = new QPushButton(&top);
    QComboBox* currency = new QComboBox(&top);
    QTableView* grid = new QTableView(&top);
    QListWidget* kinds = new QListWidget(&top);
    qt::Binder binder{logic};

    Fixture() {
        text2->move(0, 40);
        binder.bind(logic.Text1, text1);
        binder.bind(logic.Text2, text2);
        binder.bind(logic.Cmdsave, save);
        binder.bind(logic.dcbcurren, currency);
        binder.bind(logic.showjour, grid);
        binder.bind(logic.dlbtypemag, kinds);
        grid->move(0, 80);
        kinds->move(0, 300);
        top.resize(400, 500);
        top.show();
        QApplication::setActiveWindow(&top);
    }
};

}  // namespace

TEST_F(Fixture, TypingIntoTheLineEditGoesThroughTheHandler) {
    logic.Text1.setMaxLength(5);
    logic.Text1.onKeyPress = [](int& k) {
        if ((k < '0' || k > '9') && k != ui::key::kBackspace)
            k = 0;
    };
    text1->setFocus();
    QTest::keyClicks(text1, "1a2b3456");
    EXPECT_EQ(logic.Text1.text(), "12345");
    EXPECT_EQ(text1->text(), "12345");
    QTest::keyClick(text1, Qt::Key_Backspace);
    EXPECT_EQ(text1->text(), "1234");
    QTest::keyClick(text1, Qt::Key_Home);
    QTest::keyClick(text1, Qt::Key_Delete);
    EXPECT_EQ(logic.Text1.text(), "234");

    QApplication::clipboard()->setText("99");
    QTest::keyClick(text1, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(logic.Text1.text(), "234") << "Ctrl+V is a key press the digit filter discards";
    logic.Text1.onKeyPress = nullptr;
    QTest::keyClick(text1, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(logic.Text1.text(), "99234");
}

TEST_F(Fixture, AnEmojiKeyReachesTheModelAsOneCharacter) {
    int seen = 0;
    logic.Text1.onKeyPress = [&seen](int& k) { seen = k; };
    text1->setFocus();
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("📚"));
    QApplication::sendEvent(text1, &press);
    EXPECT_EQ(seen, 0x1F4DA);
    EXPECT_EQ(logic.Text1.text(), QStringLiteral("📚"));
    EXPECT_EQ(text1->text(), QStringLiteral("📚"));
}

TEST_F(Fixture, TheWidgetFollowsTheModel) {
    logic.Text2.setText("ไทย");
    logic.Text2.setEnabled(false);
    logic.Text2.setBackColor(kLockedColor);
    logic.Text2.setAlignment(TextBox::Align::Right);
    EXPECT_EQ(text2->text(), "ไทย");
    EXPECT_FALSE(text2->isEnabled());
    EXPECT_EQ(text2->palette().color(QPalette::Disabled, QPalette::Base), QColor(192, 192, 192));
    EXPECT_TRUE(text2->alignment() & Qt::AlignRight);

    logic.setFocus(logic.Text1);
    EXPECT_TRUE(text1->hasFocus());
    text2->setEnabled(true);
    text2->setFocus();
    EXPECT_EQ(logic.focus(), &logic.Text2);
}

TEST_F(Fixture, ClicksAndPicksReachTheHandlers) {
    int saves = 0;
    logic.Cmdsave.onClick = [&] { ++saves; };
    QTest::mouseClick(save, Qt::LeftButton);
    logic.Cmdsave.setEnabled(false);
    QTest::mouseClick(save, Qt::LeftButton);
    EXPECT_EQ(saves, 1);

    logic.dcbcurren.setRows({{"01", "บาท"}, {"02", "เยน"}});
    EXPECT_EQ(currency->count(), 2);
    logic.dcbcurren.setBoundText("02");
    EXPECT_EQ(currency->currentText(), "เยน");
    currency->activated(0);
    EXPECT_EQ(logic.dcbcurren.boundText(), "01");

    logic.showjour.setTextMatrix(0, 0, "ชื่อ");
    logic.showjour.setTextMatrix(2, 1, "x");
    int clicks = 0;
    logic.showjour.onClick = [&] { ++clicks; };
    QCoreApplication::processEvents();
    EXPECT_EQ(grid->model()->rowCount(), 4);
    EXPECT_EQ(grid->model()->headerData(0, Qt::Horizontal).toString(), "ชื่อ");
    EXPECT_EQ(testing_support::cellText(grid, 1, 1), "x");
    grid->clicked(grid->model()->index(1, 1));
    EXPECT_EQ(logic.showjour.row(), 2);
    EXPECT_EQ(clicks, 1);
}

TEST_F(Fixture, GridArrowsMoveTheRowAndEnterOrSpaceRunTheClickHandler) {
    for (int r = 1; r < 5; ++r)
        logic.showjour.setTextMatrix(r, 0, QString::number(r));
    std::vector<int> clickedRows;
    logic.showjour.onClick = [&] { clickedRows.push_back(logic.showjour.row()); };
    QCoreApplication::processEvents();
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(logic.showjour.row(), 3);
    EXPECT_TRUE(clickedRows.empty()) << "moving is not choosing";
    QTest::keyClick(grid, Qt::Key_Return);
    QTest::keyClick(grid, Qt::Key_End);
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Space);
    QTest::keyClick(grid, Qt::Key_Home);
    QTest::keyClick(grid, Qt::Key_Up);
    QTest::keyClick(grid, Qt::Key_Enter);
    EXPECT_EQ(clickedRows, (std::vector<int>{3, 4, 1}));
    QCoreApplication::processEvents();
    EXPECT_EQ(grid->currentIndex().row(), 0);

    // Columns past the right edge come into view with the arrow keys.
    logic.showjour.setColWidth(0, 20000);
    grid->resize(200, 100);
    QCoreApplication::processEvents();
    QTest::keyClick(grid, Qt::Key_Right);
    EXPECT_GT(grid->horizontalScrollBar()->value(), 0);
    QTest::keyClick(grid, Qt::Key_Left);
    EXPECT_EQ(grid->horizontalScrollBar()->value(), 0);
    EXPECT_EQ(logic.showjour.row(), 1);

    // Tab leaves the grid rather than walking its cells.
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_FALSE(grid->hasFocus());
}

TEST_F(Fixture, ListArrowsMoveTheCursorAndSpaceOrEnterChooseTheRow) {
    logic.dlbtypemag.setRows({{"1", "วิชาการ"}, {"2", "บันเทิง"}, {"3", "ข่าว"}});
    int clicks = 0, doubleClicks = 0;
    logic.dlbtypemag.onClick = [&] { ++clicks; };
    kinds->setFocus();  // the cursor starts on the first row
    QTest::keyClick(kinds, Qt::Key_Down);
    EXPECT_EQ(logic.dlbtypemag.chosenRow(), -1);
    EXPECT_TRUE(kinds->selectedItems().isEmpty()) << "the screen shows no choice the model lacks";
    QTest::keyClicks(kinds, "x");
    QTest::keyClick(kinds, Qt::Key_Space);
    EXPECT_EQ(logic.dlbtypemag.boundText(), "2");
    EXPECT_EQ(clicks, 1);
    ASSERT_EQ(kinds->selectedItems().size(), 1);
    EXPECT_EQ(kinds->selectedItems().first()->text(), "บันเทิง");

    // Enter is the double-click where the list has one, else the click.
    QTest::keyClick(kinds, Qt::Key_End);
    QTest::keyClick(kinds, Qt::Key_Return);
    EXPECT_EQ(logic.dlbtypemag.boundText(), "3");
    EXPECT_EQ(clicks, 2);
    logic.dlbtypemag.onDoubleClick = [&] { ++doubleClicks; };
    QTest::keyClick(kinds, Qt::Key_Home);
    QTest::keyClick(kinds, Qt::Key_Enter);
    EXPECT_EQ(logic.dlbtypemag.boundText(), "1");
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(doubleClicks, 1);

    logic.dlbtypemag.setEnabled(false);
    QTest::keyClick(kinds, Qt::Key_Space);
    EXPECT_EQ(clicks, 3);
}

TEST_F(Fixture, EnterPressesTheFocusedButtonAndEscapeIsTheWindows) {
    int saves = 0, escapes = 0;
    logic.Cmdsave.onClick = [&] { ++saves; };
    logic.onEscape = [&] { ++escapes; };
    save->setFocus();
    QTest::keyClick(save, Qt::Key_Return);
    QTest::keyClick(save, Qt::Key_Enter);
    EXPECT_EQ(saves, 2);
    QTest::keyClick(text1, Qt::Key_Escape);
    QTest::keyClick(grid, Qt::Key_Escape);
    EXPECT_EQ(escapes, 2);

    // An open pick list takes Escape for itself and closes.
    logic.dcbcurren.setRows({{"01", "บาท"}, {"02", "เยน"}});
    currency->setFocus();
    currency->showPopup();
    QWidget* popup = currency->view();
    ASSERT_TRUE(popup->isVisible());
    QTest::keyClick(popup, Qt::Key_Escape);
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(escapes, 2);
}

TEST_F(Fixture, EveryOtherEditOfALineEditIsBlockedOrGoesThroughTheKeyHandler) {
    logic.Text1.onKeyPress = [](int& k) {
        if ((k < '0' || k > '9') && k != ui::key::kBackspace)
            k = 0;  // pasting too
    };
    logic.Text1.setText("12345");
    text1->setFocus();
    QTest::keyClick(text1, Qt::Key_End);
    auto same = [&](const char* route) {
        EXPECT_EQ(text1->text(), logic.Text1.text()) << route;
        EXPECT_EQ(logic.Text1.text(), "12345") << route;
    };
    QTest::keyClick(text1, Qt::Key_Backspace, Qt::ControlModifier);
    same("Ctrl+Backspace");
    QTest::keyClick(text1, Qt::Key_Home);
    QTest::keyClick(text1, Qt::Key_Delete, Qt::ControlModifier);
    same("Ctrl+Delete");
    QTest::keyClick(text1, Qt::Key_K, Qt::ControlModifier);
    same("Ctrl+K");
    QTest::keyClick(text1, Qt::Key_U, Qt::ControlModifier);
    same("Ctrl+U");
    QTest::keyClick(text1, Qt::Key_Z, Qt::ControlModifier);
    same("Ctrl+Z");

    QMimeData dropped;
    dropped.setText("abc");
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(text1, &drop);
    same("drop");

    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(5, 5),
                           text1->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(text1, &menu);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "no Cut/Paste/Delete menu";

    // The X selection goes through the same rule as a pasted clipboard: refused.
    if (QApplication::clipboard()->supportsSelection())
        QApplication::clipboard()->setText("ab", QClipboard::Selection);
    QTest::mouseClick(text1, Qt::MiddleButton);
    same("middle click");

    // An input method's commit arrives as typed keys.
    QTest::keyClick(text1, Qt::Key_End);
    QInputMethodEvent commit;
    commit.setCommitString("6x7");
    QCoreApplication::sendEvent(text1, &commit);
    EXPECT_EQ(logic.Text1.text(), "1234567");
    EXPECT_EQ(text1->text(), "1234567");
}

TEST(Calendar, ThaiNamesAndKeysThatMoveAndPickTheDay) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    FakeMessageBox box;
    Form form("w", box);
    MonthCalendar MonthView1("MonthView1");
    MonthView1.setValue(QDate(2026, 12, 8));
    QCalendarWidget calendar;
    qt::Binder binder(form);
    binder.bind(MonthView1, &calendar);
    QDate picked;
    MonthView1.onDateClick = [&](const QDate& d) { picked = d; };
    calendar.show();
    QApplication::setActiveWindow(&calendar);
    QLocale::setDefault(QLocale::system());

    auto* days = calendar.findChild<QTableView*>();
    ASSERT_NE(days, nullptr);
    const QString names = days->model()->index(0, 1).data().toString() +
                          calendar.findChild<QToolButton*>("qt_calendar_monthbutton")->text();
    EXPECT_TRUE(std::any_of(names.begin(), names.end(), [](QChar c) {
        return c.script() == QChar::Script_Thai;
    })) << names.toStdString();

    days->setFocus();
    EXPECT_EQ(form.focus(), &MonthView1);
    QTest::keyClick(days, Qt::Key_Right);
    QTest::keyClick(days, Qt::Key_Down);
    EXPECT_EQ(MonthView1.value(), QDate(2026, 12, 16));
    EXPECT_FALSE(picked.isValid()) << "moving is not picking";
    QTest::keyClick(days, Qt::Key_Return);
    EXPECT_EQ(picked, QDate(2026, 12, 16));
}

TEST(ThaiFonts, ThaiTextHasRealGlyphs) {
    QFont font("MS Sans Serif");
    QTextLayout layout(QStringLiteral("โปรแกรมระบบงานวารสาร ทดสอบ"), font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const auto runs = layout.glyphRuns();
    ASSERT_FALSE(runs.isEmpty());
    for (const QGlyphRun& run : runs)
        for (quint32 glyph : run.glyphIndexes())
            EXPECT_NE(glyph, 0u) << "a Thai character has no glyph in "
                                 << run.rawFont().familyName().toStdString();
}
