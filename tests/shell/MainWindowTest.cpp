#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "catalogue/NewJournalView.h"
#include "data/Database.h"
#include "data/DatabaseFile.h"
#include "issues/reg_journalView.h"
#include "settings/CodeTableWindowView.h"
#include "settings/UnitName.h"
#include "shell/MainWindow.h"
#include "shell/WindowList.h"
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
    EXPECT_EQ(tree[0].items.size(), 16u);
    EXPECT_EQ(tree[2].items[0].caption, QStringLiteral("เพิ่ม/แก้ไข ข้อมูลวารสาร"));
    EXPECT_EQ(tree[3].items[0].caption, QStringLiteral("ต่ออุายวารสาร"));
    EXPECT_EQ(tree[5].name, "menuexit");
    QStringList enabled;
    for (const auto& top : tree)
        for (const auto& i : top.items.empty() ? std::vector<shell::MenuItem>{top} : top.items)
            if (i.enabled)
                enabled << i.name;
    EXPECT_EQ(enabled, QStringList({"tr",
                                    "ty",
                                    "a",
                                    "b",
                                    "c",
                                    "d",
                                    "i",
                                    "headings",
                                    "importAccess",
                                    "exportCsv",
                                    "catalogueServers",
                                    "aaa",
                                    "ccc",
                                    "eee",
                                    "fff",
                                    "ggg",
                                    "iii",
                                    "marcexchange",
                                    "jjjj",
                                    "aaaa",
                                    "bbbb",
                                    "cccc",
                                    "dddd",
                                    "eeee",
                                    "ffff",
                                    "bulletin",
                                    "aaaaaa",
                                    "bbbbb",
                                    "articleSearch",
                                    "menuexit"}));
    EXPECT_EQ(menumain::caption(QStringLiteral("หอสมุดกลาง")),
              QStringLiteral("โปรแกรมระบบงานวารสาร หอสมุดกลาง"));

    ui::RecordingOpener opener;
    menumain m(opener);
    for (const char* name : {"aaa",
                             "tr",
                             "ccc",
                             "jjjj",
                             "bbbb",
                             "eeee",
                             "bbbbb",
                             "ty",
                             "a",
                             "b",
                             "c",
                             "d",
                             "e",
                             "i",
                             "j",
                             "fff",
                             "eee",
                             "ggg",
                             "iii",
                             "aaaa",
                             "bulletin",
                             "importAccess",
                             "exportCsv",
                             "marcexchange",
                             "ffff",
                             "articleSearch",
                             "headings",
                             "aaaaaa",
                             "catalogueServers",
                             "cccc",
                             "dddd",
                             "menuexit"})
        m.choose(name);
    EXPECT_EQ(opener.opened, (std::vector<QString>{"NewJournal",
                                                   "defaults",
                                                   "reg_journal",
                                                   "expdate",
                                                   "LateIssues",
                                                   "ReceivingStats",
                                                   "SearchJournal",
                                                   "maglang",
                                                   "magtype",
                                                   "currmony",
                                                   "bindtype",
                                                   "bindcolor",
                                                   "PublisherMaintenance",
                                                   "ArticleWindow",
                                                   "ArticleAbstract",
                                                   "AuthorWindow",
                                                   "IndexCardWindow",
                                                   "IndexCardWindow",
                                                   "BulletinWindow",
                                                   "AccessImport",
                                                   "CsvExport",
                                                   "MarcExchange",
                                                   "IndexingStats",
                                                   "ArticleSearchWindow",
                                                   "HeadingWindow",
                                                   "CombinedSearch",
                                                   "CatalogueServers",
                                                   "JournalList",
                                                   "TitleList"}));
    EXPECT_TRUE(opener.quitRequested);
}

TEST(MainFrame, AWindowExistsOnceAndLoadsAfreshAfterClosing) {
    MainWindow w(QStringLiteral("/nonexistent/Vorlen.db"));
    int loads = 0;
    w.registerWindow(
        "NewJournal", [&](ui::Services&) { return new Probe(loads); },
        MainWindow::Placement::Child);
    w.show();
    EXPECT_FALSE(item(w, "e")->isEnabled());
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

TEST(MainFrame, TheCaptionNamesTheStoredUnitAndFollowsItsChange) {
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/Vorlen.db");
    data::prepareDatabase(path);
    EXPECT_EQ(MainWindow(path).windowTitle(),
              QStringLiteral("โปรแกรมระบบงานวารสาร ") + settings::kDefaultUnitName);
    {
        data::Database db(path);
        settings::writeUnitName(db, QStringLiteral("หอสมุดกลาง"));
    }
    MainWindow w(path);
    shell::registerWindows(w);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("โปรแกรมระบบงานวารสาร หอสมุดกลาง"));
    item(w, "tr")->trigger();
    auto* defaults = qobject_cast<settings::CodeTableWindowView*>(w.instance("defaults"));
    ASSERT_NE(defaults, nullptr);
    defaults->logic().unitNameText.setText(QStringLiteral("ศูนย์วิทยบริการ มหาวิทยาลัยราชภัฏ"));
    defaults->logic().unitButton.click();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("โปรแกรมระบบงานวารสาร ศูนย์วิทยบริการ มหาวิทยาลัยราชภัฏ"));
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

namespace {

// Each visible control lies inside its parent, so nothing of it is cut off.
void expectAllInSight(QWidget* window) {
    for (QWidget* c : window->findChildren<QWidget*>()) {
        if (!c->isVisibleTo(window) || c->isWindow())
            continue;
        const QRect box = c->geometry();
        EXPECT_TRUE(c->parentWidget()->rect().contains(box))
            << window->objectName().toStdString() << ": " << c->metaObject()->className() << " "
            << c->objectName().toStdString() << " at " << box.x() << "," << box.y() << " "
            << box.width() << "x" << box.height() << " passes its parent "
            << c->parentWidget()->width() << "x" << c->parentWidget()->height();
        QString text;
        int room = c->width();
        if (auto* label = qobject_cast<QLabel*>(c); label && !label->wordWrap())
            text = label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(c)) {
            text = button->text();
            room -= qobject_cast<QPushButton*>(c)
                        ? 4
                        : c->sizeHint().width() - c->fontMetrics().horizontalAdvance(text);
        }
        EXPECT_LE(c->fontMetrics().horizontalAdvance(text), room)
            << window->objectName().toStdString() << ": text cut in "
            << c->metaObject()->className() << " " << c->objectName().toStdString() << " "
            << text.toStdString();
    }
}

}  // namespace

// Run at several screen resolutions (see CMakeLists.txt): the frame starts at
// its start-up size and each window opens whole at the frame's top left.
TEST(ScreenFit, EveryWindowOpensWholeWithEveryControlInSight) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QByteArray dpi = qgetenv("PERIODICALS_TEST_DPI");
    if (!dpi.isEmpty()) {
        ASSERT_EQ(qRound(screen->logicalDotsPerInchX() * screen->devicePixelRatio()), dpi.toInt());
    }
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/Vorlen.db");
    data::prepareDatabase(path);
    MainWindow w(path);
    shell::registerWindows(w);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    auto* area = qobject_cast<QMdiArea*>(w.centralWidget());
    for (const char* name :
         {"NewJournal", "reg_journal", "expdate", "SearchJournal", "defaults", "currmony",
          "PublisherMaintenance", "ArticleWindow", "AuthorWindow", "IndexCardWindow",
          "IndexingStats", "ArticleSearchWindow", "HeadingWindow"}) {
        w.open(name);
        QCoreApplication::processEvents();
        QWidget* view = w.instance(name);
        ASSERT_NE(view, nullptr) << name;
        auto* frame = qobject_cast<QMdiSubWindow*>(view->parentWidget());
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->pos(), QPoint(0, 0)) << name;
        // Where the screen is too small, the frame fills it.
        const QRect room = screen->availableGeometry();
        const bool screenFull = w.frameGeometry().width() >= room.width() ||
                                w.frameGeometry().height() >= room.height();
        EXPECT_TRUE(screenFull || area->viewport()->rect().contains(frame->geometry()))
            << name << " " << frame->width() << "x" << frame->height() << " in "
            << area->viewport()->width() << "x" << area->viewport()->height();
        EXPECT_TRUE(frame->rect().contains(view->geometry())) << name;
        EXPECT_TRUE(room.contains(w.frameGeometry())) << name;
        expectAllInSight(view);
        frame->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    w.open("Adddealer");
    QWidget* dealer = w.instance("Adddealer");
    ASSERT_NE(dealer, nullptr);
    EXPECT_TRUE(screen->availableGeometry().contains(dealer->frameGeometry()));
    expectAllInSight(dealer);
    dealer->close();
}

// A window chosen from the menu by keys takes the keys at once, in a field the
// clerk can type into or move on from, never a page background.
TEST(MainFrame, AnOpenedWindowHasTheKeys) {
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/Vorlen.db");
    data::prepareDatabase(path);
    MainWindow w(path);
    shell::registerWindows(w);
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    for (const char* action : {"aaa", "ccc", "jjjj", "bbbb", "eeee"}) {
        item(w, action)->trigger();
        QCoreApplication::processEvents();
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr) << action;
        auto* area = qobject_cast<QMdiArea*>(w.centralWidget());
        QWidget* view = area->activeSubWindow()->widget();
        EXPECT_TRUE(view->isAncestorOf(focus)) << action;
        EXPECT_TRUE(focus->focusPolicy() & Qt::TabFocus)
            << action << " " << focus->metaObject()->className();
    }
}

// Ending the program or closing a window never drops an open entry unasked:
// No keeps the window and its entry, OK lets it go.
TEST(MainFrame, AnOpenEntryIsDroppedOnlyWhenTheClerkSaysSo) {
    enum class Close { Menu, MainFrame, WindowFrame };
    struct Case {
        const char* item;  // the menu item that opens the window
        const char* window;
        bool entry;
        Close close;
        const char* named;  // what the question names of the entry
    };
    const Case cases[] = {
        {"ccc", "reg_journal", false, Close::Menu, ""},
        {"ccc", "reg_journal", true, Close::Menu, "กำลังลงทะเบียนฉบับใหม่"},
        {"aaa", "NewJournal", true, Close::Menu, "กำลังเพิ่มรายชื่อใหม่"},
        {"ccc", "reg_journal", true, Close::MainFrame, "กำลังลงทะเบียนฉบับใหม่"},
        {"aaa", "NewJournal", true, Close::WindowFrame, "กำลังเพิ่มรายชื่อใหม่"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window);
        QTemporaryDir dir;
        const QString path = dir.path() + QStringLiteral("/Vorlen.db");
        data::prepareDatabase(path);
        {
            data::Database db(path);
            db.exec("INSERT INTO vorlen1 (pointer, vorlen_name) VALUES ('J000001', ?)",
                    {QStringLiteral("วารสารวิทยาศาสตร์")});
            db.exec("INSERT INTO vorlen (pointer, department_code) VALUES ('J000001', '01')");
        }
        ui::FakeMessageBox box;
        MainWindow w(path, &box);
        shell::registerWindows(w);
        w.show();
        item(w, c.item)->trigger();
        QPointer<ui::qt::FormView> view = w.instance(c.window);
        ASSERT_TRUE(view);
        if (c.entry) {
            if (auto* reg = qobject_cast<issues::reg_journalView*>(view.data())) {
                reg->logic().showTitle(QStringLiteral("J000001"));
                reg->logic().Command2_Click();
            } else {
                qobject_cast<catalogue::NewJournalView*>(view.data())->logic().Cmdadd_Click();
            }
        }
        const QString entry = view->openEntry();
        EXPECT_EQ(entry.isEmpty(), !c.entry);
        box.clear();
        const auto close = [&] {
            if (c.close == Close::Menu)
                item(w, "menuexit")->trigger();
            else if (c.close == Close::MainFrame)
                w.close();
            else
                view->parentWidget()->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        };
        if (c.entry) {
            box.queue(ui::msg::kCancel);
            close();
            ASSERT_EQ(box.shown().size(), 1u);
            EXPECT_TRUE(box.last().text.contains(view->windowTitle()));
            EXPECT_TRUE(box.last().text.contains(QString::fromUtf8(c.named)));
            EXPECT_TRUE(box.last().text.endsWith(QStringLiteral("ต้องการยกเลิกข้อมูลหรือไม่")));
            EXPECT_EQ(box.last().style, ui::msg::kQuestion | ui::msg::kCancelDefault);
            ASSERT_TRUE(view);
            EXPECT_TRUE(w.isVisible());
            EXPECT_EQ(view->openEntry(), entry);
            box.clear();
        }
        close();
        EXPECT_EQ(box.shown().size(), c.entry ? 1u : 0u);
        EXPECT_FALSE(view);
        EXPECT_EQ(w.isVisible(), c.close == Close::WindowFrame);
    }
}

// The windows laid out with plain Qt widgets answer the keys as the others
// do: Enter presses the focused button and Escape closes the window.
TEST(MainFrame, PlainWindowsPressTheFocusedButtonOnEnterAndCloseOnEscape) {
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/Vorlen.db");
    data::prepareDatabase(path);
    ui::FakeMessageBox box;
    MainWindow w(path, &box);
    shell::registerWindows(w);
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    const std::pair<const char*, const char*> windows[] = {
        {"CatalogueServers", "closeButton"},
        {"MarcExchange", "closeButton"},
        {"CombinedSearch", "closeButton"},
        {"AccessImport", "cancelButton"},
    };
    for (const auto& [window, button] : windows) {
        SCOPED_TRACE(window);
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            w.open(QString::fromLatin1(window));
            QCoreApplication::processEvents();
            QPointer<ui::qt::FormView> view = w.instance(QString::fromLatin1(window));
            ASSERT_TRUE(view);
            QWidget* target = QApplication::focusWidget();
            if (key == Qt::Key_Return) {
                target = view->findChild<QPushButton*>(QString::fromLatin1(button));
                target->setFocus();
            }
            ASSERT_TRUE(target && view->isAncestorOf(target));
            QTest::keyClick(target, key);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            EXPECT_FALSE(view) << int(key);
        }
    }
    // Its address is what the clerk comes to type.
    w.open(QStringLiteral("CatalogueServers"));
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "addressEdit");
}
