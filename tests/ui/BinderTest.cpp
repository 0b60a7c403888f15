#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>
#include <QRawFont>
#include <QTableWidget>
#include <QTest>
#include <QTextLayout>

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
};

struct Fixture : ::testing::Test {
    FakeMessageBox box;
    Window logic{box};
    QWidget top;
    QLineEdit* text1 = new QLineEdit(&top);
    QLineEdit* text2 = new QLineEdit(&top);
    QPushButton* save = new QPushButton(&top);
    QComboBox* currency = new QComboBox(&top);
    QTableWidget* grid = new QTableWidget(&top);
    qt::Binder binder{logic};

    Fixture() {
        text2->move(0, 40);
        binder.bind(logic.Text1, text1);
        binder.bind(logic.Text2, text2);
        binder.bind(logic.Cmdsave, save);
        binder.bind(logic.dcbcurren, currency);
        binder.bind(logic.showjour, grid);
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
    EXPECT_EQ(grid->rowCount(), 4);
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), "ชื่อ");
    EXPECT_EQ(grid->item(1, 1)->text(), "x");
    grid->cellClicked(1, 1);
    EXPECT_EQ(logic.showjour.row(), 2);
    EXPECT_EQ(clicks, 1);
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
