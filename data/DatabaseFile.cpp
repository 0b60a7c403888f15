#include "data/DatabaseFile.h"

#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "data/Database.h"
#include "data/DbError.h"
#include "data/FirstRunData.h"
#include "data/Schema.h"

namespace data {

namespace {

const char* const kRequiredTables[] = {"vorlen1",  "vorlen",     "typeclass",  "recsetup",
                                       "dealer",   "tranfile",   "jourctrl",   "typemag",
                                       "magtype",  "maglang",    "department", "receives",
                                       "currmony", "statustype", "bindcolor",  "bindtype"};

void checkTables(const Database& db) {
    for (const char* table : kRequiredTables) {
        if (!db.first("SELECT 1 FROM sqlite_master WHERE type = 'table' AND lower(name) = ?",
                      {QString::fromLatin1(table)}))
            throw DbError(SQLITE_NOTADB,
                          QStringLiteral("the file has no table %1").arg(QLatin1String(table)));
    }
}

// Builds the new database beside its final place and moves it there only when
// complete, so a failed first run never leaves a half-made file behind.
void createDatabase(const QString& path) {
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        throw DbError(SQLITE_CANTOPEN,
                      QStringLiteral("cannot create the folder %1").arg(info.absolutePath()));
    const QString draft = path + QStringLiteral(".new");
    QFile::remove(draft);
    try {
        Database db(draft, Database::Open::Create);
        // Write-ahead logging: a committed save is durable after one sync, and
        // readers never wait for a writer.
        db.exec("PRAGMA journal_mode = WAL");
        Transaction tx(db);
        createSchema(db);
        insertFirstRunRows(db);
        tx.commit();
    } catch (...) {
        QFile::remove(draft);
        throw;
    }
    if (!QFile::rename(draft, path)) {
        QFile::remove(draft);
        throw DbError(SQLITE_CANTOPEN, QStringLiteral("cannot create %1").arg(path));
    }
}

}  // namespace

QString defaultDatabasePath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/Vorlen.db");
}

void prepareDatabase(const QString& path) {
    if (!QFileInfo::exists(path))
        createDatabase(path);
    const Database db(path);
    checkTables(db);
}

}  // namespace data
