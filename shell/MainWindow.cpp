#include "shell/MainWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "data/Database.h"
#include "data/DbError.h"
#include "settings/UnitName.h"
#include "shell/menumain.h"
#include "ui/qt/Twips.h"

namespace shell {

namespace {

// A file that cannot be read yet (the start-up check reports why) shows the
// default name.
QString storedUnitName(const QString& databasePath) {
    try {
        return settings::readUnitName(data::Database(databasePath));
    } catch (const data::DbError&) {
        return settings::kDefaultUnitName;
    }
}

}  // namespace

MainWindow::MainWindow(const QString& databasePath, ui::MessageBox* messages)
    : services_{databasePath, messages ? *messages : messages_, clock_, *this, newdealer_},
      menu_(std::make_unique<menumain>(*this)),
      area_(new QMdiArea(this)) {
    services_.printing = &printing_;
    showUnitName(storedUnitName(databasePath));
    setCentralWidget(area_);
    // The title window is taller than the frame's client area: scroll to it.
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    buildMenu();
    resize(ui::qt::twipsSize(menumain::kClientWidth, menumain::kClientHeight) +
           QSize(0, menuBar()->sizeHint().height()));
}

MainWindow::~MainWindow() = default;

void MainWindow::showUnitName(const QString& name) {
    setWindowTitle(menumain::caption(name));
}

void MainWindow::buildMenu() {
    for (const MenuItem& top : menumain::menu()) {
        if (top.items.empty()) {
            QAction* action = menuBar()->addAction(top.caption);
            action->setObjectName(top.name);
            action->setEnabled(top.enabled);
            connect(action, &QAction::triggered, this,
                    [this, name = top.name] { menu_->choose(name); });
            continue;
        }
        QMenu* menu = menuBar()->addMenu(top.caption);
        menu->setObjectName(top.name);
        for (const MenuItem& item : top.items) {
            QAction* action = menu->addAction(item.caption);
            action->setObjectName(item.name);
            action->setEnabled(item.enabled);
            connect(action, &QAction::triggered, this,
                    [this, name = item.name] { menu_->choose(name); });
        }
    }
}

void MainWindow::registerWindow(const QString& name, Factory factory, Placement placement) {
    windows_.insert(name, Entry{std::move(factory), placement, {}});
}

ui::qt::FormView* MainWindow::instance(const QString& window) const {
    const auto it = windows_.find(window);
    return it == windows_.end() ? nullptr : it->view.data();
}

void MainWindow::refuseWindows(const QString& text, const QString& caption) {
    refusal_ = text;
    refusalCaption_ = caption;
}

void MainWindow::open(const QString& window) {
    auto it = windows_.find(window);
    if (it == windows_.end())
        return;
    if (!refusal_.isEmpty()) {
        services_.messages.show(refusal_, refusalCaption_, ui::msg::kStop);
        return;
    }
    Entry& entry = *it;
    if (entry.view) {
        bringForward(entry.view);
        return;
    }
    ui::qt::FormView* view = entry.factory(services_);
    if (!view->load()) {
        delete view;
        return;
    }
    entry.view = view;
    if (entry.placement == Placement::Child) {
        QMdiSubWindow* frame = area_->addSubWindow(view);
        frame->setAttribute(Qt::WA_DeleteOnClose);
        frame->installEventFilter(this);
        frame->setWindowTitle(view->windowTitle());
        frame->resize(frame->sizeHint());
        frame->show();
        showWhole(frame);
        area_->setActiveSubWindow(frame);
        focusInside(view);
    } else {
        view->setAttribute(Qt::WA_DeleteOnClose);
        view->installEventFilter(this);
        view->setWindowFlag(Qt::Window);
        view->adjustSize();
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect box = view->frameGeometry();
            box.moveCenter(screen->availableGeometry().center());
            view->move(box.topLeft());
        }
        view->show();
        focusInside(view);
    }
}

void MainWindow::focusInside(QWidget* window) {
    // A window opened from the menu takes the keys at once: the field its load
    // step chose, else its first field in Tab order. It waits for the event
    // loop, since a menu left by keys hands the focus back as it closes.
    QTimer::singleShot(0, window, [window] { focusFirstField(window); });
}

void MainWindow::focusFirstField(QWidget* view) {
    const auto takesKeys = [](const QWidget* w) {
        return w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus);
    };
    // A frame may have given the focus to a page background that takes clicks.
    QWidget* chosen = view->focusWidget();
    if (chosen && takesKeys(chosen)) {
        chosen->setFocus(Qt::OtherFocusReason);
        return;
    }
    for (QWidget* w = view->nextInFocusChain(); w && w != view; w = w->nextInFocusChain())
        if (view->isAncestorOf(w) && takesKeys(w)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
}

void MainWindow::openTitle(const QString& window, const QString& pointer) {
    open(window);
    if (ui::qt::FormView* view = instance(window))
        view->showTitle(pointer);
}

void MainWindow::showWhole(QMdiSubWindow* frame) {
    // The frame grows by what the window lacks, as far as the screen allows,
    // and moves back onto the screen. The new place is worked out from the
    // size asked for: a window manager applies a resize later.
    const QSize lack = (frame->size() - area_->viewport()->size()).expandedTo(QSize(0, 0));
    if (!lack.isNull()) {
        QSize grown = size() + lack;
        if (const QScreen* screen = this->screen()) {
            const QRect room = screen->availableGeometry();
            const QSize margins = frameGeometry().size() - size();
            grown = grown.boundedTo(room.size() - margins);
            QRect box(frameGeometry().topLeft(), grown + margins);
            box.moveRight(std::min(box.right(), room.right()));
            box.moveBottom(std::min(box.bottom(), room.bottom()));
            box.moveLeft(std::max(box.left(), room.left()));
            box.moveTop(std::max(box.top(), room.top()));
            move(box.topLeft());
        }
        resize(grown);
    }
    frame->move(0, 0);
}

void MainWindow::bringForward(ui::qt::FormView* view) {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(view->parentWidget())) {
        area_->setActiveSubWindow(frame);
        frame->raise();
    } else {
        view->raise();
        view->activateWindow();
    }
}

bool MainWindow::entriesMayGo(const QList<ui::qt::FormView*>& views, const QString& caption) {
    QStringList open;
    ui::qt::FormView* first = nullptr;
    for (ui::qt::FormView* view : views) {
        const QString entry = view->openEntry();
        if (entry.isEmpty())
            continue;
        open << QStringLiteral("หน้าต่าง \"%1\": %2").arg(view->windowTitle(), entry);
        if (!first)
            first = view;
    }
    if (!first)
        return true;
    const QString text =
        QStringLiteral("ข้อมูลที่ยังไม่ได้บันทึก\n%1\n\nต้องการยกเลิกข้อมูลหรือไม่").arg(open.join(u'\n'));
    if (services_.messages.show(text, caption, ui::msg::kQuestion | ui::msg::kCancelDefault) ==
        ui::msg::kOk)
        return true;
    bringForward(first);
    return false;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Close || closing_)
        return QMainWindow::eventFilter(watched, event);
    auto* view = qobject_cast<ui::qt::FormView*>(watched);
    if (auto* frame = qobject_cast<QMdiSubWindow*>(watched))
        view = qobject_cast<ui::qt::FormView*>(frame->widget());
    if (view && !entriesMayGo({view}, QStringLiteral("ปิดหน้าต่าง"))) {
        event->ignore();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::quit() {
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!closing_) {
        QList<ui::qt::FormView*> views;
        for (const Entry& entry : std::as_const(windows_))
            if (entry.view)
                views << entry.view.data();
        if (!entriesMayGo(views, QStringLiteral("ออกจากโปรแกรม"))) {
            event->ignore();
            return;
        }
        closing_ = true;
    }
    // Windows outside the frame (the publisher register) close with it.
    for (Entry& entry : windows_)
        if (entry.placement == Placement::TopLevel && entry.view)
            entry.view->close();
    area_->closeAllSubWindows();
    QMainWindow::closeEvent(event);
}

}  // namespace shell
