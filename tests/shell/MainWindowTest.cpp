#include <gtest/gtest.h>

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "shell/MainWindow.h"
#include "shell/menumain.h"
#include "ui/Fakes.h"
#include "ui/qt/FormView.h"

using shell::MainWindow;
using shell::menumain;

namespace {

// A stand-in working window that counts its loads.
class Probe : public ui::qt::FormView {
  public:
    explicit Probe(int& loads, bool ok = true) : loads_(loads), ok_(ok) {}
    bool load() override {
        ++loads_;
        return ok_;
    }

  private:
    int& loads_;
    bool ok_;
};

QAction* item(MainWindow& w, const char* name) {
    return w.findChild<QAction*>(name);
}

}  // namespace

TEST(MenuTree, NamesCaptionsAndEnabledItems) {
    const auto& tree = menumain::menu();
    ASSERT_EQ(tree.size(), 6u);
    EXPECT_EQ(tree[0].name, "maindt");
    EXPECT_EQ(tree[0].items.size(), 12u);
    EXPECT_EQ(tree[2].items[0].caption, QStringLiteral("เพิ่ม/แก้ไข ข้อมูลวารสาร"));
    EXPECT_EQ(tree[3].items[0].caption, QStringLiteral("ต่ออุายวารสาร"));
    EXPECT_EQ(tree[5].name, "menuexit");
    QStringList enabled;
    for (const auto& top : tree)
        for (const auto& i : top.items.empty() ? std::vector<shell::MenuItem>{top} : top.items)
            if (i.enabled)
                enabled << i.name;
    EXPECT_EQ(enabled, QStringList({"aaa", "ccc", "jjjj", "menuexit"}));
    EXPECT_TRUE(menumain::caption().startsWith(QStringLiteral("โปรแกรมระบบงานวารสาร ")));

    ui::RecordingOpener opener;
    menumain m(opener);
    for (const char* name : {"aaa", "tr", "ccc", "jjjj", "bbbbb", "menuexit"})
        m.choose(name);
    EXPECT_EQ(opener.opened, (std::vector<QString>{"NewJournal", "reg_journal", "expdate"}));
    EXPECT_TRUE(opener.quitRequested);
}

TEST(MainFrame, AWindowExistsOnceAndLoadsAfreshAfterClosing) {
    MainWindow w(QStringLiteral("/nonexistent/Vorlen.db"));
    int loads = 0;
    w.registerWindow(
        "NewJournal", [&](ui::Services&) { return new Probe(loads); },
        MainWindow::Placement::Child);
    w.show();
    EXPECT_FALSE(item(w, "tr")->isEnabled());
    item(w, "aaa")->trigger();
    item(w, "aaa")->trigger();
    auto* area = qobject_cast<QMdiArea*>(w.centralWidget());
    EXPECT_EQ(area->subWindowList().size(), 1);
    EXPECT_EQ(loads, 1);

    area->subWindowList().first()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(w.instance("NewJournal"), nullptr);
    item(w, "aaa")->trigger();
    EXPECT_EQ(loads, 2);
    EXPECT_EQ(area->subWindowList().size(), 1);
}

TEST(MainFrame, AFailedLoadShowsNothingAndExitClosesEveryWindow) {
    MainWindow w(QStringLiteral("/nonexistent/Vorlen.db"));
    int loads = 0;
    w.registerWindow(
        "reg_journal", [&](ui::Services&) { return new Probe(loads, false); },
        MainWindow::Placement::Child);
    w.registerWindow(
        "Adddealer", [&](ui::Services&) { return new Probe(loads); },
        MainWindow::Placement::TopLevel);
    w.show();
    item(w, "ccc")->trigger();
    EXPECT_EQ(w.instance("reg_journal"), nullptr);

    w.open("Adddealer");
    QPointer<ui::qt::FormView> dealer = w.instance("Adddealer");
    ASSERT_TRUE(dealer);
    EXPECT_TRUE(dealer->isVisible());
    item(w, "menuexit")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(dealer);
    EXPECT_FALSE(w.isVisible());
}
