#include "data/DatabaseFile.h"

#include <sqlite3.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "data/Backup.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "data/FirstRunData.h"
#include "data/Migrations.h"
#include "data/PrivateFiles.h"
#include "data/Schema.h"

namespace data {

namespace {

const char* const kRequiredTables[] = {"vorlen1",  "vorlen",     "typeclass",  "recsetup",
                                       "dealer",   "tranfile",   "jourctrl",   "typemag",
                                       "magtype",  "maglang",    "department", "receives",
                                       "currmony", "statustype", "bindcolor",  "bindtype"};

void checkTables(const Database& db) {
    for (const char* table : kRequiredTables) {
        if (!hasTable(db, table))
            throw DbError(SQLITE_NOTADB,
                          QStringLiteral("the file has no table %1").arg(QLatin1String(table)));
    }
}

// Builds the new database beside its final place and moves it there only when
// complete, so a failed first run never leaves a half-made file behind.
void createDatabase(const QString& path) {
    const QFileInfo info(path);
    if (!makePrivateFolder(info.absolutePath()))
        throw DbError(SQLITE_CANTOPEN,
                      QStringLiteral("cannot create the folder %1").arg(info.absolutePath()));
    const QString draft = path + QStringLiteral(".new");
    QFile::remove(draft);
    if (!createPrivateFile(draft))
        throw DbError(SQLITE_CANTOPEN, QStringLiteral("cannot create %1").arg(draft));
    try {
        Database db(draft, Database::Open::Create);
        // Write-ahead logging: a committed save is durable after one sync, and
        // readers never wait for a writer.
        db.exec("PRAGMA journal_mode = WAL");
        Transaction tx(db);
        createSchema(db);
        insertFirstRunRows(db);
        stampVersion(db);
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

// A file from a later release, or one another program marked as its own, is
// left as it is.
void checkVersion(const FileVersion& version) {
    if (version.applicationId != 0 && version.applicationId != kApplicationId)
        throw DbError(SQLITE_NOTADB, QStringLiteral("the file belongs to another program"));
    if (version.userVersion > kSchemaVersion)
        throw DbError(SQLITE_NOTADB,
                      QStringLiteral("schema version %1, this program knows up to %2")
                          .arg(version.userVersion)
                          .arg(kSchemaVersion),
                      QStringLiteral("แฟ้มฐานข้อมูลนี้มาจากโปรแกรมรุ่นที่ใหม่กว่า "
                                     "กรุณาใช้โปรแกรมรุ่นใหม่ แฟ้มไม่ถูกเปลี่ยนแปลง"));
}

// The file as it was before an upgrade, kept beside the daily copies under a
// name they are never confused with.
void backUpBeforeUpgrade(const Database& db, int version) {
    const QFileInfo info(db.path());
    const QString folder = info.absolutePath() + QStringLiteral("/backups");
    if (!makePrivateFolder(folder))
        throw DbError(SQLITE_CANTOPEN, QStringLiteral("cannot create %1").arg(folder));
    const QString target =
        QStringLiteral("%1/%2-version%3-%4.db")
            .arg(folder, info.completeBaseName(), QString::number(version),
                 QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss")));
    QFile::remove(target);
    copyDatabase(db, target);
}

}  // namespace

bool hasTable(const Database& db, const char* name) {
    const char* sql = db.isPostgres() ? "SELECT 1 FROM information_schema.tables"
                                        " WHERE table_schema = current_schema()"
                                        " AND lower(table_name) = ?"
                                      : "SELECT 1 FROM sqlite_master"
                                        " WHERE type = 'table' AND lower(name) = ?";
    return db.first(sql, {QString::fromLatin1(name).toLower()}).has_value();
}

void checkOwnFile(const Database& db) {
    if (db.isPostgres() && !hasTable(db, "schema_version"))
        throw DbError(SQLITE_NOTADB, QStringLiteral("the database holds no tables of this program"
                                                    " (periodicals --init-database makes them)"));
    checkVersion(fileVersion(db));
    checkTables(db);
}

void checkpointWal(const QString& path) {
    try {
        const Database db(path);
        db.query("PRAGMA wal_checkpoint(TRUNCATE)");
    } catch (const DbError&) {
        // Nothing is lost: the log is replayed on the next start.
    }
}

QString defaultDatabasePath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/Vorlen.db");
}

void requireEmptyServer(const Database& db) {
    const auto tables = db.first(
        "SELECT count(*) FROM information_schema.tables WHERE table_schema = current_schema()");
    if (tables->value(0).toInt() > 0)
        throw DbError(SQLITE_ERROR,
                      QStringLiteral("the database already holds tables; nothing was written"));
}

void initPostgres(Database& db) {
    requireEmptyServer(db);
    Transaction tx(db);
    createSchema(db);
    insertFirstRunRows(db);
    stampVersion(db);
    tx.commit();
}

bool prepareDatabase(const QString& path) {
    // The server keeps and backs up the data; its schema is made by
    // initPostgres and later steps are taken by the first desk to start.
    if (isPostgresLocation(path)) {
        Database db(path);
        checkOwnFile(db);
        const int version = fileVersion(db).userVersion;
        if (version < kFirstServerVersion)
            throw DbError(SQLITE_NOTADB,
                          QStringLiteral("schema version %1 on the server, this program needs %2")
                              .arg(version)
                              .arg(kSchemaVersion));
        if (version < kSchemaVersion)
            migrate(db);
        return !db.readOnly();
    }
    if (!QFileInfo::exists(path))
        createDatabase(path);
    Database db(path);
    checkOwnFile(db);
    const FileVersion version = fileVersion(db);
    if (db.readOnly())
        return false;
    if (version.userVersion < kSchemaVersion) {
        backUpBeforeUpgrade(db, version.userVersion);
        migrate(db);
    }
    return true;
}

}  // namespace data
