#include <QApplication>
#include <QTextStream>

#include "data/Database.h"
#include "data/DatabaseFile.h"
#include "shell/CommandLine.h"
#include "shell/DatabaseSetting.h"
#include "shell/MainWindow.h"
#include "shell/QuitOnSignal.h"
#include "shell/SingleInstance.h"
#include "shell/Startup.h"
#include "ui/qt/Fonts.h"
#include "ui/qt/QtMessageBox.h"

int main(int argc, char* argv[]) {
    if (argc > 1)
        return shell::runCommandLine(argc, argv);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("periodicals"));
    ui::qt::setUpFonts();
    // A setting that cannot be used opens nothing, not even the data folder.
    const shell::DatabaseSetting where = shell::programDatabaseSetting();
    if (!where.error.isEmpty()) {
        QTextStream(stderr) << where.error << u'\n';
        ui::qt::QtMessageBox().show(where.error, QStringLiteral("ข้อผิดพลาดของฐานข้อมูล"),
                                    ui::msg::kStop);
        return 2;
    }
    const QString file = data::defaultDatabasePath();
    // One program per user on this machine, whichever store it works on.
    shell::SingleInstance instance(file);
    if (!instance.claim()) {
        QTextStream(stdout) << (instance.activateRunning()
                                    ? QStringLiteral("โปรแกรมเปิดอยู่แล้ว จึงนำหน้าต่างหลักขึ้นมาด้านหน้า\n")
                                    : QStringLiteral("โปรแกรมเปิดอยู่แล้ว แต่ไม่ตอบสนอง\n"));
        return 0;
    }
    shell::quitOnSignal();
    ui::qt::QtMessageBox messages;
    auto window = shell::startProgram(where.location, QDate::currentDate(), messages);
    shell::MainWindow* shown = window.get();
    instance.listen([shown] {
        shown->setWindowState((shown->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        shown->show();
        shown->raise();
        shown->activateWindow();
    });
    const int code = QApplication::exec();
    window.reset();  // a backup still running stops here
    if (!data::isPostgresLocation(where.location))
        data::checkpointWal(where.location);
    return code;
}
