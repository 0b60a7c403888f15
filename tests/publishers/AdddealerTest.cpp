#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "publishers/Adddealer.h"
#include "publishers/AdddealerView.h"
#include "publishers/DealerTable.h"
#include "tests/support/Refusal.h"
#include "tests/support/TempDatabase.h"
#include "ui/Fakes.h"

using publishers::Adddealer;

namespace {

struct Register : ::testing::Test {
    testing_support::TempDatabase temp;
    ui::FakeMessageBox box;
    ui::FixedClock clock{QDate(2026, 12, 8)};
    ui::RecordingOpener opener;
    QString newdealer = QStringLiteral("  สำนักพิมพ์ใหม่ ");
    ui::Services services{temp.path(), box, clock, opener, newdealer};

    int dealers() { return temp.db().first("SELECT count(*) FROM dealer")->value(0).toInt(); }
};

}  // namespace

TEST_F(Register, LoadProposesTheNextCodeAndTakesTheHandedName) {
    Adddealer w(services);
    ASSERT_TRUE(w.Form_Load());
    EXPECT_EQ(w.Text1.text(), "6");
    EXPECT_EQ(w.Text2.text(), QStringLiteral("  สำนักพิมพ์ใหม่ "));
    EXPECT_EQ(w.focus(), &w.Text2);
    EXPECT_EQ(w.Text1.alignment(), ui::TextBox::Align::Right);
}

TEST_F(Register, SaveWritesOneRowAndCloses) {
    Adddealer w(services);
    bool closed = false;
    w.onUnload = [&] { closed = true; };
    w.Form_Load();
    w.Text3.setText(QStringLiteral("99 ถนนสุขุมวิท"));
    w.Command1.click();
    EXPECT_TRUE(closed);
    EXPECT_TRUE(box.shown().empty());
    const auto row = temp.db().first("SELECT * FROM dealer WHERE Publisher_Code = '6'");
    ASSERT_TRUE(row);
    EXPECT_EQ(row->text(1), QStringLiteral("  สำนักพิมพ์ใหม่ "));
    EXPECT_EQ(row->text(3), QStringLiteral("99 ถนนสุขุมวิท"));
    EXPECT_EQ(row->text(8), "");
}

TEST_F(Register, EmptyOrUsedCodesAreRefusedAndTheWindowStays) {
    Adddealer w(services);
    bool closed = false;
    w.onUnload = [&] { closed = true; };
    w.Form_Load();
    w.Text1.setText("  ");
    w.Command1.click();
    w.Text1.setText(" 3");
    w.Command1.click();
    EXPECT_FALSE(closed);
    EXPECT_EQ(dealers(), 5);
    ASSERT_EQ(box.shown().size(), 2u);
    EXPECT_EQ(box.shown()[0].style, ui::msg::kStop);
    EXPECT_TRUE(box.shown()[1].text.contains("3"));
    EXPECT_EQ(w.focus(), &w.Text1);
    EXPECT_EQ(w.Text2.text(), QStringLiteral("  สำนักพิมพ์ใหม่ "));
}

TEST_F(Register, ACodeIsAWholeNumberAndOneNumberIsOneCode) {
    Adddealer w(services);
    bool closed = false;
    w.onUnload = [&] { closed = true; };
    w.Form_Load();
    for (const char* code : {"12A", "-7", "1.5", "๑๒", "4 2", "005", "0003"}) {
        w.Text1.setText(QString::fromUtf8(code));
        w.Command1.click();
    }
    EXPECT_FALSE(closed);
    EXPECT_EQ(dealers(), 5);
    ASSERT_EQ(box.shown().size(), 7u);
    for (const auto& shown : box.shown())
        EXPECT_EQ(shown.style, ui::msg::kStop);
    EXPECT_TRUE(box.shown()[5].text.contains("005"));

    w.Text1.setText(" 0042 ");
    w.Command1.click();
    EXPECT_TRUE(closed);
    EXPECT_TRUE(temp.db().first("SELECT 1 FROM dealer WHERE Publisher_Code = '0042'"));
    EXPECT_TRUE(publishers::DealerTable(temp.db()).codeUsed("42"));
}

TEST_F(Register, CancelWritesNothingAndTheSameCodeComesAgain) {
    {
        Adddealer w(services);
        w.Form_Load();
        w.Text5.setText("x");
        w.Command2.click();
    }
    EXPECT_EQ(dealers(), 5);
    Adddealer again(services);
    again.Form_Load();
    EXPECT_EQ(again.Text1.text(), "6");
}

TEST_F(Register, AFailingDatabaseIsReportedAndTheWindowStaysUsable) {
    Adddealer w(services);
    w.Form_Load();
    testing_support::refuseWrites(temp.db(), "BEFORE INSERT", "dealer", "refused");
    bool closed = false;
    w.onUnload = [&] { closed = true; };
    w.Command1.click();
    EXPECT_FALSE(closed);
    ASSERT_EQ(box.shown().size(), 1u);
    EXPECT_EQ(box.last().caption, ui::kDatabaseErrorCaption);
    EXPECT_TRUE(w.Command1.enabled());

    ui::Services broken{temp.folder() + "/missing/x.db", box, clock, opener, newdealer};
    Adddealer none(broken);
    EXPECT_FALSE(none.Form_Load());
}

TEST_F(Register, TheRealWindowTakesTypingAndSaves) {
    auto* view = new publishers::AdddealerView(services);
    view->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<QWidget> alive(view);
    ASSERT_TRUE(view->load());
    view->show();
    QApplication::setActiveWindow(view);
    const auto edits = view->findChildren<QLineEdit*>();
    ASSERT_EQ(edits.size(), 5);
    EXPECT_EQ(edits[0]->text(), "6");
    EXPECT_TRUE(edits[0]->alignment() & Qt::AlignRight);
    EXPECT_TRUE(edits[1]->hasFocus());
    QTest::keyClick(edits[1], Qt::Key_End);
    QTest::keyClicks(edits[1], "Press");
    edits[4]->setFocus();
    QTest::keyClicks(edits[4], "Somchai");
    const auto buttons = view->findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 2);
    EXPECT_EQ(buttons[0]->text(), QStringLiteral("บันทึก"));
    const QWidget* tabOrder[] = {edits[2], edits[3], edits[4], buttons[0], edits[0], buttons[1]};
    edits[1]->setFocus();
    for (const QWidget* next : tabOrder) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next);
    }
    QTest::mouseClick(buttons[0], Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(alive);
    const auto row = temp.db().first(
        "SELECT Publisher_Name, Contact_Name FROM dealer"
        " WHERE Publisher_Code = '6'");
    ASSERT_TRUE(row);
    EXPECT_EQ(row->text(0), QStringLiteral("  สำนักพิมพ์ใหม่ Press"));
    EXPECT_EQ(row->text(1), "Somchai");
}

TEST_F(Register, APastedNulOrHalfEmojiIsDroppedAtTheFieldNotCutOnSaving) {
    Adddealer w(services);
    w.Form_Load();
    w.Text3.paste(QString::fromUtf16(u"99\0 ถนน", 7) + QChar(0xD83D) + QStringLiteral("สุขุมวิท"));
    w.Command1.click();
    EXPECT_TRUE(box.shown().empty());
    const auto row =
        temp.db().first("SELECT Publisher_Address1 FROM dealer WHERE Publisher_Code = '6'");
    ASSERT_TRUE(row);
    EXPECT_EQ(row->text(0), QStringLiteral("99 ถนนสุขุมวิท"));
}
