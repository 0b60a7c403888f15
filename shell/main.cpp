#include <QApplication>
#include <QCoreApplication>
#include <QTextStream>

#include "data/DatabaseFile.h"
#include "shell/CheckCommand.h"
#include "shell/MainWindow.h"
#include "shell/QuitOnSignal.h"
#include "shell/RestoreCommand.h"
#include "shell/SingleInstance.h"
#include "shell/Startup.h"
#include "ui/qt/Fonts.h"
#include "ui/qt/QtMessageBox.h"

namespace {

const char* const kUsage =
    "periodicals               start the program\n"
    "periodicals --check       check the database for damage\n"
    "periodicals --restore F   put the backup F in place of the database\n";

// The maintenance commands need no display.
int runCommand(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("periodicals"));
    QTextStream out(stdout);
    const QStringList args = QCoreApplication::arguments();
    const QString path = data::defaultDatabasePath();
    if (args.size() == 2 && args.at(1) == u"--check")
        return shell::checkDatabase(path, out);
    if (args.size() == 3 && args.at(1) == u"--restore")
        return shell::restoreBackup(args.at(2), path, QDateTime::currentDateTime(), out);
    out << kUsage;
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc > 1)
        return runCommand(argc, argv);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("periodicals"));
    const QString path = data::defaultDatabasePath();
    shell::SingleInstance instance(path);
    if (!instance.claim()) {
        QTextStream(stdout) << (instance.activateRunning()
                                    ? QStringLiteral("โปรแกรมเปิดอยู่แล้ว จึงนำหน้าต่างหลักขึ้นมาด้านหน้า\n")
                                    : QStringLiteral("โปรแกรมเปิดอยู่แล้ว แต่ไม่ตอบสนอง\n"));
        return 0;
    }
    shell::quitOnSignal();
    ui::qt::setUpFonts();
    ui::qt::QtMessageBox messages;
    auto window = shell::startProgram(path, QDate::currentDate(), messages);
    shell::MainWindow* shown = window.get();
    instance.listen([shown] {
        shown->setWindowState((shown->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        shown->show();
        shown->raise();
        shown->activateWindow();
    });
    const int code = QApplication::exec();
    window.reset();  // a backup still running stops here
    data::checkpointWal(path);
    return code;
}
