#pragma once

#include <QFile>
#include <QProcess>
#include <QString>

#include "data/Database.h"

namespace testing_support {

// Overwrites the first page of `table` with zeros in a closed database file,
// as a failing disk would. Returns false when the page could not be found.
inline bool damageTable(const QString& path, const char* table) {
    qint64 page = 0, pageSize = 0;
    {
        const data::Database db(path);
        db.query("PRAGMA wal_checkpoint(TRUNCATE)");
        page = db.first("SELECT rootpage FROM sqlite_master WHERE name = ?",
                        {QString::fromLatin1(table)})
                   ->value(0)
                   .toLongLong();
        pageSize = db.first("PRAGMA page_size")->value(0).toLongLong();
    }
    QFile file(path);
    if (page < 2 || !file.open(QIODevice::ReadWrite) || !file.seek((page - 1) * pageSize))
        return false;
    return file.write(QByteArray(int(pageSize), '\0')) == pageSize;
}

// Runs the standard sqlite3 tool on a file; returns what it printed, or the
// error it gave after "error:".
inline QString sqliteTool(const QString& path, const QString& sql) {
    QProcess tool;
    tool.start(QStringLiteral("sqlite3"), {path, sql});
    tool.waitForFinished(30000);
    const QString out = QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
    if (tool.exitCode() != 0)
        return QStringLiteral("error: ") + QString::fromUtf8(tool.readAllStandardError());
    return out;
}

}  // namespace testing_support
