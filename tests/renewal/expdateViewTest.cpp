#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

#include "renewal/expdateView.h"
#include "shell/MainWindow.h"
#include "shell/WindowList.h"
#include "tests/renewal/ExpiryFixture.h"
#include "tests/support/GridCells.h"
#include "tests/support/TempDatabase.h"
#include "ui/Fakes.h"

namespace {

QLineEdit* lineEdit(QWidget& view, const ui::TextBox& model) {
    for (auto* w : view.findChildren<QLineEdit*>())
        if (w->text() == model.text() && w->isEnabled() == model.enabled())
            return w;
    return nullptr;
}

QPushButton* button(QWidget& view, const QString& text) {
    for (auto* w : view.findChildren<QPushButton*>())
        if (w->text() == text)
            return w;
    return nullptr;
}

}  // namespace

TEST(expdateView, TypedRangeSearchAndRowClickThroughTheWidgets) {
    testing_support::TempDatabase temp;
    renewal_test::addSubscription(temp.db(), {"J000001", "วารสารวิทยาศาสตร์", "15/02/2008"});
    renewal_test::addSubscription(temp.db(), {"J000002", "วารสารนอกช่วง", "15/02/2009"});
    ui::FakeMessageBox messages;
    ui::FixedClock clock{QDate(2008, 1, 15)};
    ui::RecordingOpener opener;
    QString newdealer;
    ui::Services services{temp.path(), messages, clock, opener, newdealer};
    renewal::expdateView view(services);
    ASSERT_TRUE(view.load());
    view.show();
    EXPECT_EQ(view.windowTitle(), "โปรแกรมต่ออายุวารสาร");

    renewal::expdate& f = view.logic();
    QLineEdit* text1 = view.findChildren<QLineEdit*>().at(0);
    QLineEdit* text2 = view.findChildren<QLineEdit*>().at(1);
    ASSERT_EQ(text1->text(), "15/01/2008");
    text1->selectAll();
    QTest::keyClicks(text1, "01012008");
    EXPECT_EQ(f.Text1.text(), "01/01/2008");
    text2->selectAll();
    QTest::keyClicks(text2, "3x1032008");
    EXPECT_EQ(f.Text2.text(), "31/03/2008");

    QTest::mouseClick(view.findChildren<QRadioButton*>().at(0), Qt::LeftButton);
    EXPECT_TRUE(f.Option1.value());
    QTest::mouseClick(button(view, "Search"), Qt::LeftButton);
    QCoreApplication::processEvents();
    auto* grid = view.findChild<QTableView*>();
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->model()->rowCount(), 11);
    EXPECT_EQ(testing_support::cellText(grid, 0, 0), "วารสารวิทยาศาสตร์");
    EXPECT_EQ(testing_support::cellText(grid, 0, 9), "J000001");
    EXPECT_TRUE(button(view, "พิมพ์")->isEnabled());

    const QRect cell = testing_support::cellRect(grid, 0, 0);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(f.selpointer, "J000001");
    EXPECT_EQ(f.Text3.text(), "วารสารวิทยาศาสตร์");
    EXPECT_EQ(view.findChild<QComboBox*>()->currentText(), "ดอลลาร์สหรัฐ");

    QTest::mouseClick(button(view, "แก้ไข"), Qt::LeftButton);
    QLineEdit* text8 = lineEdit(view, f.Text8);
    ASSERT_NE(text8, nullptr);
    EXPECT_TRUE(text8->isEnabled());
    text8->selectAll();
    QTest::keyClicks(text8, "15022009");
    EXPECT_EQ(f.Text8.text(), "15/02/2009");
    // Tab from the last field of a renewal goes on to Save, not to Print.
    EXPECT_EQ(text8->nextInFocusChain(), button(view, "บันทึก"));
    QTest::mouseClick(button(view, "บันทึก"), Qt::LeftButton);
    EXPECT_EQ(messages.last().text, "บันทึกข้อมูลเรียบร้อยแล้ว");
    EXPECT_EQ(temp.db().first("SELECT end_period FROM vorlen WHERE pointer = 'J000001'")->text(0),
              "15/02/2009");
}

TEST(expdateView, MenuItemOpensTheWindowAsAChildWithAPrinter) {
    testing_support::TempDatabase temp;
    shell::MainWindow main(temp.path());
    shell::registerWindows(main);
    ASSERT_NE(main.services().printing, nullptr);
    main.findChild<QAction*>("jjjj")->trigger();
    auto* view = qobject_cast<renewal::expdateView*>(main.instance("expdate"));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->windowTitle(), "โปรแกรมต่ออายุวารสาร");
    EXPECT_NE(qobject_cast<QMdiSubWindow*>(view->parentWidget()), nullptr);
    QTest::mouseClick(button(*view, "Exit"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(main.instance("expdate"), nullptr);
}
