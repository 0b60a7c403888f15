#include "bench/StartupBench.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench/SideBySide.h"
#include "data/Backup.h"
#include "shell/DailyBackup.h"
#include "shell/MainWindow.h"
#include "shell/Startup.h"
#include "ui/Fakes.h"
#include "ui/qt/Fonts.h"

namespace {

constexpr char kShown[] = "shown\n";

QString todaysBackup(const QString& path) {
    const QFileInfo info(path);
    return info.absolutePath() + QStringLiteral("/backups/") + info.completeBaseName() + u'-' +
           QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".db");
}

double median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int startProbe(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ui::qt::setUpFonts();
    ui::FakeMessageBox messages;
    const auto window =
        shell::startProgram(QString::fromLocal8Bit(argv[2]), QDate::currentDate(), messages);
    if (!waitUntilPainted(*window))
        return 1;
    // Said at once: the parent's clock stops on this line, not at the exit.
    std::fputs(kShown, stdout);
    std::fflush(stdout);
    // A due backup is let finish, as it would while the clerk works.
    if (auto* backup = window->findChild<shell::DailyBackup*>())
        while (backup->running())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return 0;
}

StartupTimes timeStartup(const QString& path, int repeats) {
    // Today's copy made once, so that the first figures find it present.
    data::backUpDaily(path, QDate::currentDate());
    std::vector<double> present, due, dueDone;
    const QString backup = todaysBackup(path);
    for (int i = 0; i < repeats; ++i) {
        for (const bool backupDue : {false, true}) {
            if (backupDue)
                QFile::remove(backup);
            QProcess probe;
            QElapsedTimer t;
            t.start();
            probe.start(QCoreApplication::applicationFilePath(),
                        {QStringLiteral("--start-probe"), path});
            while (probe.bytesAvailable() < qint64(sizeof kShown - 1) &&
                   probe.state() != QProcess::NotRunning)
                probe.waitForReadyRead(5);
            const double shown = double(t.nsecsElapsed()) / 1e6;
            probe.waitForFinished(-1);
            (backupDue ? due : present).push_back(shown);
            if (backupDue)
                dueDone.push_back(double(t.nsecsElapsed()) / 1e6);
        }
    }
    return {median(present), median(due), median(dueDone)};
}
