#include "data/Backup.h"

#include <signal.h>
#include <sqlite3.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <cerrno>
#include <map>

#include "data/Database.h"
#include "data/DbError.h"
#include "data/IntegrityCheck.h"
#include "data/PrivateFiles.h"

namespace data {

namespace {

// About 1 MB of a database with 4 KB pages per step: a stop request is
// answered quickly, and other connections are never held up for long.
constexpr int kPagesPerStep = 256;

QDir backupFolder(const QFileInfo& database) {
    return QDir(database.absolutePath() + QStringLiteral("/backups"));
}

// The daily copies by the date in their names, newest first.
std::multimap<QDate, QString, std::greater<>> datedCopies(const QDir& folder, const QString& base) {
    std::multimap<QDate, QString, std::greater<>> copies;
    const QString prefix = base + u'-';
    for (const QString& name : folder.entryList(
             {prefix + QStringLiteral("[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9].db")},
             QDir::Files)) {
        const QDate date = QDate::fromString(name.mid(prefix.size(), 10), Qt::ISODate);
        if (date.isValid())
            copies.emplace(date, folder.filePath(name));
    }
    return copies;
}

bool processRuns(qint64 pid) {
    return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

// Each program writes its partial copy as "<copy>.<process id>.part"; one
// whose program is gone was cut short and is of no use.
void removeStalePartials(const QDir& folder) {
    for (const QString& name : folder.entryList({QStringLiteral("*.part")}, QDir::Files)) {
        const QStringList pieces = name.split(u'.');
        bool isNumber = false;
        const qint64 pid =
            pieces.size() >= 3 ? pieces.at(pieces.size() - 2).toLongLong(&isNumber) : 0;
        if (!isNumber || !processRuns(pid))
            QFile::remove(folder.filePath(name));
    }
}

void prune(const QDir& folder, const QString& base, const QDate& today, int keep,
           const QString& justMade) {
    int counted = 0;
    for (const auto& [date, path] : datedCopies(folder, base)) {
        if (date > today)
            continue;
        if (++counted > keep && path != justMade)
            QFile::remove(path);
    }
}

}  // namespace

bool copyDatabase(const Database& source, const QString& target, const KeepGoing& keepGoing) {
    if (!createPrivateFile(target))
        throw DbError(SQLITE_CANTOPEN, QStringLiteral("cannot create %1").arg(target));
    sqlite3* out = nullptr;
    int rc = sqlite3_open_v2(target.toUtf8().constData(), &out,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    bool stopped = false;
    if (rc == SQLITE_OK) {
        // One read transaction for the whole copy: it is a snapshot of one
        // moment, and saves by other connections do not make it start over.
        sqlite3_exec(source.handle(), "BEGIN", nullptr, nullptr, nullptr);
        source.first("SELECT count(*) FROM sqlite_master");
        sqlite3_backup* backup = sqlite3_backup_init(out, "main", source.handle(), "main");
        if (backup) {
            do {
                rc = sqlite3_backup_step(backup, kPagesPerStep);
                if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
                    QThread::msleep(20);
                stopped = rc != SQLITE_DONE && keepGoing && !keepGoing();
            } while (!stopped && (rc == SQLITE_OK || rc == SQLITE_BUSY || rc == SQLITE_LOCKED));
            sqlite3_backup_finish(backup);
        }
        sqlite3_exec(source.handle(), "COMMIT", nullptr, nullptr, nullptr);
        rc = stopped ? SQLITE_OK : sqlite3_errcode(out);
    }
    const QString message = QString::fromUtf8(out ? sqlite3_errmsg(out) : sqlite3_errstr(rc));
    sqlite3_close(out);
    if (stopped || rc != SQLITE_OK) {
        QFile::remove(target);
        QFile::remove(target + QStringLiteral("-journal"));
    }
    if (rc != SQLITE_OK)
        throw DbError(rc, message);
    return !stopped;
}

BackupResult backUpDaily(const QString& databasePath, const QDate& today, int keep,
                         const KeepGoing& keepGoing) {
    const QFileInfo info(databasePath);
    const QDir folder = backupFolder(info);
    if (!makePrivateFolder(folder.path()))
        throw DbError(SQLITE_CANTOPEN, QStringLiteral("cannot create %1").arg(folder.path()));
    removeStalePartials(folder);

    const QString base = info.completeBaseName();
    const QString target = folder.filePath(
        base + u'-' + today.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".db"));
    BackupResult result;
    if (QFileInfo::exists(target))
        return result;

    const Database source(databasePath);
    result.problems = integrityProblems(source, Check::Quick);
    if (!result.problems.isEmpty()) {
        result.outcome = BackupResult::Outcome::Damaged;
        result.newestGood = newestGoodBackup(databasePath);
        return result;
    }

    // Written under a name of this process and renamed, so a copy in the
    // folder is always whole and two programs never write one file.
    const QString draft = target + u'.' + QString::number(QCoreApplication::applicationPid()) +
                          QStringLiteral(".part");
    QFile::remove(draft);
    if (!copyDatabase(source, draft, keepGoing)) {
        result.outcome = BackupResult::Outcome::Stopped;
        return result;
    }
    if (QFileInfo::exists(target)) {
        QFile::remove(draft);  // another program made today's copy meanwhile
        return result;
    }
    if (!QFile::rename(draft, target)) {
        QFile::remove(draft);
        throw DbError(SQLITE_CANTOPEN, QStringLiteral("cannot create %1").arg(target));
    }
    result.outcome = BackupResult::Outcome::Made;
    result.copy = target;
    prune(folder, base, today, keep, target);
    return result;
}

QString newestGoodBackup(const QString& databasePath) {
    const QFileInfo info(databasePath);
    for (const auto& [date, path] : datedCopies(backupFolder(info), info.completeBaseName()))
        if (integrityProblems(path, Check::Quick).isEmpty())
            return path;
    return {};
}

}  // namespace data
