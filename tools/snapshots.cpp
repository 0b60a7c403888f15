// Renders the program's windows to PNG files under the offscreen platform, on
// a fresh database in a temporary folder: snapshots <output folder>.

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTemporaryDir>

#include "data/DatabaseFile.h"
#include "shell/MainWindow.h"
#include "shell/WindowList.h"
#include "ui/qt/Fonts.h"

namespace {

// The main window with one of its menus dropped down beneath its caption.
QImage withMenu(shell::MainWindow& main, const char* menuName) {
    QImage shot = main.grab().toImage();
    auto* menu = main.menuBar()->findChild<QMenu*>(menuName);
    if (!menu)
        return shot;
    menu->popup(main.mapToGlobal(QPoint(0, 0)));
    const QPixmap menuShot = menu->grab();
    menu->hide();
    QAction* action = menu->menuAction();
    const QRect at = main.menuBar()->actionGeometry(action);
    QPainter p(&shot);
    p.drawPixmap(at.left(), main.menuBar()->geometry().bottom(), menuShot);
    return shot;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::qt::setUpFonts();
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QDir().mkpath(out);

    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/Vorlen.db");
    data::prepareDatabase(path);

    shell::MainWindow main(path);
    shell::registerWindows(main);
    main.show();
    QCoreApplication::processEvents();
    withMenu(main, "Inputdata").save(out + QStringLiteral("/main-window.png"));
    withMenu(main, "reportjounal").save(out + QStringLiteral("/main-window-report-menu.png"));
    return 0;
}
