#include "data/Backup.h"

#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "data/Database.h"
#include "data/DbError.h"

namespace data {

namespace {

void copyDatabase(const Database& source, const QString& target) {
    sqlite3* out = nullptr;
    int rc = sqlite3_open_v2(target.toUtf8().constData(), &out,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_backup* backup = sqlite3_backup_init(out, "main", source.handle(), "main");
        if (backup) {
            sqlite3_backup_step(backup, -1);
            sqlite3_backup_finish(backup);
        }
        rc = sqlite3_errcode(out);
    }
    const QString message = QString::fromUtf8(out ? sqlite3_errmsg(out) : sqlite3_errstr(rc));
    sqlite3_close(out);
    if (rc != SQLITE_OK) {
        QFile::remove(target);
        throw DbError(rc, message);
    }
}

}  // namespace

QString backUpDaily(const QString& databasePath, const QDate& today, int keep) {
    const QFileInfo info(databasePath);
    QDir folder(info.absolutePath() + QStringLiteral("/backups"));
    if (!folder.exists() && !QDir().mkpath(folder.path()))
        throw DbError(SQLITE_CANTOPEN, QStringLiteral("cannot create %1").arg(folder.path()));

    const QString name = info.completeBaseName() + QStringLiteral("-") +
                         today.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".db");
    const QString target = folder.filePath(name);
    if (QFileInfo::exists(target))
        return {};

    // Written under a draft name and renamed, so a copy in the folder is always whole.
    const QString draft = target + QStringLiteral(".part");
    QFile::remove(draft);
    copyDatabase(Database(databasePath), draft);
    if (!QFile::rename(draft, target)) {
        QFile::remove(draft);
        throw DbError(SQLITE_CANTOPEN, QStringLiteral("cannot create %1").arg(target));
    }

    const QStringList copies =
        folder.entryList({info.completeBaseName() +
                          QStringLiteral("-[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9].db")},
                         QDir::Files, QDir::Name | QDir::Reversed);
    for (qsizetype i = keep; i < copies.size(); ++i)
        folder.remove(copies.at(i));
    return target;
}

}  // namespace data
