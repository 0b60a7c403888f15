#include <QApplication>
#include <QCoreApplication>
#include <QTextStream>

#include "data/Database.h"
#include "data/DatabaseFile.h"
#include "shell/CheckCommand.h"
#include "shell/DatabaseSetting.h"
#include "shell/ExportCommand.h"
#include "shell/ImportCommand.h"
#include "shell/MainWindow.h"
#include "shell/QuitOnSignal.h"
#include "shell/RestoreCommand.h"
#include "shell/ServerCommands.h"
#include "shell/SingleInstance.h"
#include "shell/Startup.h"
#include "ui/qt/Fonts.h"
#include "ui/qt/QtMessageBox.h"

namespace {

const char* const kUsage =
    "periodicals                  start the program\n"
    "periodicals --check          check the database for damage\n"
    "periodicals --restore F      put the backup F in place of the database\n"
    "periodicals --init-database  make the tables on the configured PostgreSQL database\n"
    "periodicals --copy-to URL    copy this user's database file into an empty PostgreSQL\n"
    "                             database (postgresql://...)\n"
    "periodicals --import-access F  bring in the old program's Access file F\n"
    "periodicals --export-csv DIR   write every table as a CSV file into DIR\n";

shell::DatabaseSetting setting() {
    return shell::readDatabaseSetting(shell::configFilePath(),
                                      qEnvironmentVariable("PERIODICALS_DATABASE"),
                                      data::defaultDatabasePath());
}

// The maintenance commands need no display.
int runCommand(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("periodicals"));
    QTextStream out(stdout);
    const QStringList args = QCoreApplication::arguments();
    const QString file = data::defaultDatabasePath();
    if (args.size() == 3 && args.at(1) == u"--copy-to")
        return shell::copyToServer(file, args.at(2), out);
    const shell::DatabaseSetting where = setting();
    if (!where.error.isEmpty()) {
        out << where.error << u'\n';
        return 2;
    }
    const bool server = data::isPostgresLocation(where.location);
    if (args.size() == 2 && args.at(1) == u"--check")
        return server ? shell::checkServer(where.location, out) : shell::checkDatabase(file, out);
    if (args.size() == 3 && args.at(1) == u"--import-access")
        return shell::importAccess(where.location, args.at(2), out);
    if (args.size() == 3 && args.at(1) == u"--export-csv")
        return shell::exportCsv(where.location, args.at(2), out);
    if (args.size() == 2 && args.at(1) == u"--init-database")
        return shell::initServerDatabase(where.location, out);
    if (args.size() == 3 && args.at(1) == u"--restore") {
        if (server) {
            out << QStringLiteral(
                "ฐานข้อมูลอยู่บนเซิร์ฟเวอร์ PostgreSQL "
                "การสำรองและกู้คืนข้อมูลเป็นหน้าที่ของเซิร์ฟเวอร์\n");
            return 2;
        }
        return shell::restoreBackup(args.at(2), file, QDateTime::currentDateTime(), out);
    }
    out << kUsage;
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc > 1)
        return runCommand(argc, argv);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("periodicals"));
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
    ui::qt::setUpFonts();
    ui::qt::QtMessageBox messages;
    const shell::DatabaseSetting where = setting();
    if (!where.error.isEmpty()) {
        messages.show(where.error, QStringLiteral("ข้อผิดพลาดของฐานข้อมูล"), ui::msg::kStop);
        return 2;
    }
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
        data::checkpointWal(file);
    return code;
}
