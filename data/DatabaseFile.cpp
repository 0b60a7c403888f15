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

// A database on the server that cannot serve is said as such, with the
// versions, never as a damaged file.
[[noreturn]] void refuseServer(const QString& detail, const QString& thai) {
    throw DbError(SQLITE_NOTADB, detail, thai);
}

void checkTables(const Database& db) {
    for (const char* table : kRequiredTables) {
        if (hasTable(db, table))
            continue;
        const QString name = QLatin1String(table);
        if (db.isPostgres())
            refuseServer(QStringLiteral("the database has no table %1").arg(name),
                         QStringLiteral("ฐานข้อมูลบนเซิร์ฟเวอร์ไม่มีตาราง %1 "
                                        "จึงใช้งานไม่ได้ ฐานข้อมูลไม่ถูกเปลี่ยนแปลง")
                             .arg(name));
        throw DbError(SQLITE_NOTADB, QStringLiteral("the file has no table %1").arg(name));
    }
}

void checkServerVersion(const FileVersion& version) {
    const QString found = QString::number(version.userVersion);
    const QString known = QString::number(kSchemaVersion);
    if (version.applicationId != 0 && version.applicationId != kApplicationId)
        refuseServer(QStringLiteral("the database belongs to another program"),
                     QStringLiteral("ฐานข้อมูลบนเซิร์ฟเวอร์เป็นของโปรแกรมอื่น "
                                    "จึงไม่ได้เปิดใช้ ฐานข้อมูลไม่ถูกเปลี่ยนแปลง"));
    if (version.userVersion > kSchemaVersion)
        refuseServer(QStringLiteral("schema version %1 on the server, this program knows up to %2")
                         .arg(found, known),
                     QStringLiteral("ฐานข้อมูลบนเซิร์ฟเวอร์มีโครงสร้างรุ่น %1 จากโปรแกรมรุ่นที่ใหม่กว่า "
                                    "(โปรแกรมนี้ใช้รุ่น %2) กรุณาใช้โปรแกรมรุ่นใหม่ "
                                    "ฐานข้อมูลไม่ถูกเปลี่ยนแปลง")
                         .arg(found, known));
    if (version.userVersion < kFirstServerVersion)
        refuseServer(QStringLiteral("schema version %1 on the server, this program needs %2")
                         .arg(found, known),
                     QStringLiteral("ฐานข้อมูลบนเซิร์ฟเวอร์มีโครงสร้างรุ่น %1 ซึ่งเก่าเกินกว่าจะปรับรุ่นได้ "
                                    "(โปรแกรมนี้ใช้รุ่น %2 และปรับได้ตั้งแต่รุ่น %3) "
                                    "ฐานข้อมูลไม่ถูกเปลี่ยนแปลง")
                         .arg(found, known, QString::number(kFirstServerVersion)));
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
        setJournalMode(db, "WAL");
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
        throw DbError(
            SQLITE_NOTADB,
            QStringLiteral("schema version %1, this program knows up to %2")
                .arg(QString::number(version.userVersion), QString::number(kSchemaVersion)),
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
    // pg_class, not information_schema, which hides from a login the tables
    // it has no right on: those are there, and the login is told it lacks
    // the right when it reads them.
    const char* sql = db.isPostgres() ? "SELECT 1 FROM pg_catalog.pg_class c"
                                        " JOIN pg_catalog.pg_namespace n ON n.oid = c.relnamespace"
                                        " WHERE n.nspname = current_schema()"
                                        " AND c.relkind IN ('r', 'p') AND c.relname = ?"
                                      : "SELECT 1 FROM sqlite_master"
                                        " WHERE type = 'table' AND lower(name) = ?";
    return db.first(sql, {QString::fromLatin1(name).toLower()}).has_value();
}

void checkOwnFile(const Database& db) {
    if (db.isPostgres()) {
        if (!hasTable(db, "schema_version"))
            refuseServer(QStringLiteral("the database holds no tables of this program"
                                        " (periodicals --init-database makes them)"),
                         QStringLiteral("ฐานข้อมูลบนเซิร์ฟเวอร์ยังไม่มีตารางของโปรแกรมนี้ "
                                        "(คำสั่ง periodicals --init-database สร้างให้)"));
        checkServerVersion(fileVersion(db));
    } else {
        checkVersion(fileVersion(db));
    }
    checkTables(db);
}

QString setJournalMode(const Database& db, const char* mode) {
    return db.first((QByteArray("PRAGMA journal_mode = ") + mode).constData())->text(0).toLower();
}

QString journalMode(const Database& db) {
    return db.first("PRAGMA journal_mode")->text(0).toLower();
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
    // pg_class lists every table of the schema, also those of other roles,
    // which information_schema hides from a login without rights on them.
    const auto tables = db.first(
        "SELECT count(*) FROM pg_catalog.pg_class c"
        " JOIN pg_catalog.pg_namespace n ON n.oid = c.relnamespace"
        " WHERE n.nspname = current_schema() AND c.relkind IN ('r', 'p', 'v', 'm', 'f')");
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
        if (fileVersion(db).userVersion < kSchemaVersion)
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
    // A bulk import keeps its undo in a rollback journal; one stopped by a
    // crash has been rolled back by now, and the file goes back to the log.
    if (journalMode(db) != u"wal")
        setJournalMode(db, "WAL");
    if (version.userVersion < kSchemaVersion) {
        backUpBeforeUpgrade(db, version.userVersion);
        migrate(db);
    }
    return true;
}

}  // namespace data
