#include <gtest/gtest.h>
#include <sqlite3.h>

#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "data/DatabaseFile.h"
#include "data/DbError.h"
#include "data/Migrations.h"
#include "tests/support/FileDamage.h"
#include "tests/support/ReadOnly.h"
#include "tests/support/TempDatabase.h"

using namespace data;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

int errorCode(const QString& path) {
    try {
        prepareDatabase(path);
    } catch (const DbError& e) {
        EXPECT_FALSE(e.thaiMessage().isEmpty());
        return e.code() & 0xff;
    }
    return SQLITE_OK;
}

// Turns a fresh file into one as the first release left it: no marks, and
// date indexes on a function that only that release registered.
void makeFirstRelease(Database& db) {
    sqlite3_create_function(
        db.handle(), "dmy_date", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
        [](sqlite3_context* ctx, int, sqlite3_value** argv) { sqlite3_result_value(ctx, argv[0]); },
        nullptr, nullptr);
    db.exec("DROP INDEX tranfile_pointer_day");
    db.exec("DROP INDEX vorlen_end_day");
    db.exec("CREATE INDEX tranfile_pointer_daily ON tranfile (pointer, dmy_date(daily))");
    db.exec("CREATE INDEX vorlen_end_date ON vorlen (dmy_date(end_period))");
    db.exec("PRAGMA application_id = 0");
    db.exec("PRAGMA user_version = 0");
}

// Changes one of the marks a database carries: a PRAGMA of the file, a
// column of schema_version on PostgreSQL.
void setMark(Database& db, const char* pragma, const char* column, int value) {
    db.exec((db.isPostgres() ? QByteArray("UPDATE schema_version SET ") + column + " = " +
                                   QByteArray::number(value)
                             : QByteArray("PRAGMA ") + pragma + " = " + QByteArray::number(value))
                .constData());
}

// The stored definition of each named index or trigger, empty where there
// is none: a migrated database must end with those a new one has.
QStringList definitionsOf(Database& db, const QStringList& names) {
    const char* definitionOf =
        db.isPostgres() ? "SELECT indexname, indexdef FROM pg_indexes WHERE indexname = ?"
                        : "SELECT name, sql FROM sqlite_master WHERE name = ?";
    QStringList texts;
    for (const QString& name : names) {
        const auto row = db.first(definitionOf, {name});
        texts << (row ? row->text(1) : QString());
    }
    return texts;
}

}  // namespace

TEST(FirstRun, CreatesEveryTableWithItsStartingRows) {
    testing_support::TempDatabase temp;
    Database& db = temp.db();
    if (db.isPostgres()) {
        EXPECT_EQ(db.first("SELECT count(*) FROM information_schema.tables"
                           " WHERE table_schema = current_schema()"
                           " AND table_name <> 'schema_version'")
                      ->text(0),
                  "34")
            << "29 of the desk, five of the late list";
        EXPECT_EQ(db.first("SELECT count(*) FROM pg_indexes WHERE indexdef LIKE '%gin_trgm_ops%'")
                      ->text(0),
                  "10")
            << "the four names of a title, the publisher's name, an article's two titles,"
               " keywords and abstract, and the author's name";
    } else {
        EXPECT_EQ(db.first("SELECT count(*) FROM sqlite_master WHERE type = 'table'"
                           " AND name NOT GLOB '*_names*' AND name NOT GLOB 'article_words*'")
                      ->text(0),
                  "34")
            << "29 of the desk, five of the late list";
        EXPECT_EQ(db.first("SELECT count(*) FROM sqlite_master WHERE sql LIKE 'CREATE VIRTUAL%'")
                      ->text(0),
                  "4")
            << "the two name indexes, an article's words and the authors' names";
    }

    const auto keys = db.first("SELECT * FROM recsetup");
    EXPECT_EQ(keys->text(1), "J000001");
    EXPECT_EQ(keys->text(2), "I000001");
    EXPECT_EQ(keys->text(3), "K000001");
    EXPECT_EQ(keys->text(4), "L000001");
    EXPECT_EQ(db.first("SELECT * FROM jourctrl")->text(0), "1");
    EXPECT_EQ(db.first("SELECT LangDesTh FROM maglang WHERE Language_Code = '01'")->text(0),
              QStringLiteral("ภาษาไทย"));
    EXPECT_TRUE(db.first("SELECT 1 FROM receives WHERE receivestatus = '1'"));
    EXPECT_EQ(db.first("SELECT * FROM currmony")->text(1), QStringLiteral("บาท"));
    for (const char* table :
         {"typemag", "magtype", "department", "statustype", "bindcolor", "bindtype", "dealer"})
        EXPECT_GE(db.first(QStringLiteral("SELECT count(*) FROM %1").arg(table).toUtf8())
                      ->value(0)
                      .toInt(),
                  3)
            << table;
}

TEST(FirstRun, ColumnsStandInTheirPositions) {
    testing_support::TempDatabase temp;
    // PostgreSQL keeps names in lower case and adds its own rowid last.
    const auto names = [&](const char* table) {
        QStringList out;
        const QByteArray sql = temp.db().isPostgres()
                                   ? "SELECT 0, column_name FROM information_schema.columns"
                                     " WHERE table_name = ? AND column_name <> 'rowid'"
                                     " ORDER BY ordinal_position"
                                   : "SELECT cid, name FROM pragma_table_info(?)";
        for (const Row& r : temp.db().query(sql.constData(), {QString::fromLatin1(table)}))
            out << r.text(1).toLower();
        return out;
    };
    // The date keys come after the old program's eight columns.
    EXPECT_EQ(names("tranfile"),
              QStringList({"magno", "department_code", "pointer", "receivedate", "daily", "yearno",
                           "issueno", "descriptionitem", "daily_key", "receivedate_key"}));
    EXPECT_EQ(names("dealer").at(8), "contact_name");
    EXPECT_EQ(names("vorlen1").at(6), "first_year_printed");
    EXPECT_EQ(names("vorlen").at(13), "status_code");
    EXPECT_EQ(names("bindcolor").at(0), "bindtype_code");
}

TEST(FirstRun, AnExistingDatabaseIsOpenedAsItIs) {
    testing_support::TempDatabase temp;
    temp.db().exec("UPDATE jourctrl SET nextmagno = '812'");
    const QByteArray before = readAll(temp.path());
    prepareDatabase(temp.path());
    EXPECT_EQ(readAll(temp.path()), before);
    EXPECT_EQ(temp.db().first("SELECT nextmagno FROM jourctrl")->text(0), "812");
}

TEST(FirstRun, CreatesAMissingFolder) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/a/b/Vorlen.db";
    prepareDatabase(path);
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_FALSE(QFile::exists(path + ".new"));
}

TEST(OpeningAFile, RefusesWhatCannotServeAndLeavesItAlone) {
    QTemporaryDir dir;
    const QString junk = dir.path() + "/junk.db";
    {
        QFile f(junk);
        f.open(QIODevice::WriteOnly);
        f.write(QByteArray("this is a letter, not a database").repeated(200));
    }
    const QByteArray before = readAll(junk);
    EXPECT_EQ(errorCode(junk), SQLITE_NOTADB);
    EXPECT_EQ(readAll(junk), before);

    const QString foreign = dir.path() + "/foreign.db";
    {
        Database db(foreign, Database::Open::Create);
        db.exec("CREATE TABLE something (x)");
    }
    EXPECT_EQ(errorCode(foreign), SQLITE_NOTADB);
}

TEST(OpeningAFile, ALockedFileGivesAClearError) {
    SKIP_ON_POSTGRES("a file locked by another program");
    testing_support::TempDatabase temp;
    Database other(temp.path());
    // After its first write, an exclusive-mode connection keeps the file locked.
    other.exec("PRAGMA locking_mode = EXCLUSIVE");
    other.exec("UPDATE jourctrl SET nextmagno = '2'");
    EXPECT_EQ(errorCode(temp.path()), SQLITE_BUSY);
}

TEST(OpeningAFile, AReadOnlyFileOrMountOpensForReadingAndRefusesWrites) {
    SKIP_ON_POSTGRES("file and folder permissions");
    for (const bool wholeFolder : {false, true}) {
        testing_support::TempDatabase temp;
        temp.db().exec("UPDATE jourctrl SET nextmagno = '77'");
        temp.reopen();
        testing_support::ReadOnly lock(temp.path(), wholeFolder);
        ASSERT_TRUE(lock.applied()) << wholeFolder;

        EXPECT_FALSE(prepareDatabase(temp.path())) << wholeFolder;
        Database db(temp.path());
        EXPECT_TRUE(db.readOnly());
        EXPECT_EQ(db.first("SELECT nextmagno FROM jourctrl")->text(0), "77");
        try {
            Transaction tx(db);
            db.exec("UPDATE jourctrl SET nextmagno = '78'");
            tx.commit();
            ADD_FAILURE() << "a write to a read-only file was reported done";
        } catch (const DbError& e) {
            EXPECT_EQ(e.code() & 0xff, SQLITE_READONLY);
            EXPECT_TRUE(e.thaiMessage().startsWith(QStringLiteral("ฐานข้อมูลเปิดได้เพื่ออ่านอย่างเดียว")));
        }
        EXPECT_EQ(db.first("SELECT nextmagno FROM jourctrl")->text(0), "77");
    }
}

TEST(SchemaVersion, ANewFileIsMarkedAndAnySqliteToolCanCheckAndChangeIt) {
    testing_support::TempDatabase temp;
    temp.db().exec("INSERT INTO tranfile (magno, daily) VALUES ('9', '02/03/2026')");
    temp.db().exec("INSERT INTO vorlen (pointer, end_period) VALUES ('J000001', '31/12/2026')");
    const FileVersion version = fileVersion(temp.db());
    EXPECT_EQ(version.applicationId, kApplicationId);
    EXPECT_EQ(version.userVersion, kSchemaVersion);
    if (temp.db().isPostgres())
        return;  // the rest is about the sqlite3 tool

    using testing_support::sqliteTool;
    EXPECT_EQ(sqliteTool(temp.path(), "PRAGMA integrity_check"), "ok");
    EXPECT_EQ(sqliteTool(temp.path(), "DELETE FROM tranfile WHERE magno = '9'"), "");
    EXPECT_EQ(sqliteTool(temp.path(), "UPDATE vorlen SET end_period = '31/12/2027'"), "");
    EXPECT_EQ(temp.db().first("SELECT end_period FROM vorlen")->text(0), "31/12/2027");
}

TEST(SchemaVersion, AFileWithoutIntervalsGetsTheUsualOnesForItsOwnFrequencies) {
    SKIP_ON_POSTGRES("the steps that bring an older file up to date");
    testing_support::TempDatabase temp;
    temp.db().exec("DROP TABLE magtype_interval");
    temp.db().exec("DELETE FROM magtype WHERE MagType_Code = '08'");
    temp.db().exec("PRAGMA user_version = 2");
    temp.reopen();
    EXPECT_TRUE(prepareDatabase(temp.path()));
    EXPECT_EQ(fileVersion(temp.db()).userVersion, kSchemaVersion);
    QStringList rows;
    for (const data::Row& row : temp.db().query("SELECT * FROM magtype_interval ORDER BY 1"))
        rows << row.text(0) + ":" + row.text(1) + "/" + row.text(2);
    EXPECT_EQ(rows, QStringList({"01:1/2", "02:7/7", "03:14/10", "04:30/20", "05:61/30", "06:91/45",
                                 "07:182/60"}));
}

TEST(SchemaVersion, AnOlderFileIsBackedUpThenMigrated) {
    SKIP_ON_POSTGRES("the steps that bring an older file up to date");
    testing_support::TempDatabase temp;
    makeFirstRelease(temp.db());
    temp.db().exec(
        "INSERT INTO tranfile (magno, pointer, daily) VALUES ('9', 'J000001', '2/3/2026')");
    temp.db().exec(
        "INSERT INTO tranfile (magno, department_code, pointer, receivedate) VALUES"
        " ('10', '01 ', 'J000001', '4/3/2026'), ('11', '01', 'J000001', '9/2/2026')");
    temp.reopen();
    using testing_support::sqliteTool;
    ASSERT_TRUE(sqliteTool(temp.path(), "PRAGMA integrity_check").startsWith("error:"))
        << "the first release's file needs the program's own function";

    EXPECT_TRUE(prepareDatabase(temp.path()));
    const FileVersion version = fileVersion(temp.db());
    EXPECT_EQ(version.applicationId, kApplicationId);
    EXPECT_EQ(version.userVersion, kSchemaVersion);
    EXPECT_EQ(temp.db().first("SELECT count(*) FROM tranfile")->value(0).toInt(), 3);
    EXPECT_EQ(sqliteTool(temp.path(), "PRAGMA integrity_check"), "ok");
    const auto latest = [&] {
        QStringList rows;
        for (const data::Row& row :
             temp.db().query("SELECT pointer, department_code, receivedate FROM latest_issue"))
            rows << row.text(0) + u'|' + row.text(1) + u'|' + row.text(2);
        return rows;
    };
    EXPECT_EQ(latest(), QStringList({"J000001|01|4/3/2026"}));
    EXPECT_TRUE(temp.db().first("SELECT 1 FROM sqlite_master WHERE name = 'tranfile_title_volume'"))
        << "the late list's index on the title and year number";

    const QStringList before =
        QDir(temp.folder() + "/backups").entryList({"Vorlen-version0-*.db"}, QDir::Files);
    ASSERT_EQ(before.size(), 1);
    {
        Database old(temp.folder() + "/backups/" + before.first(), Database::Open::Copy);
        EXPECT_EQ(fileVersion(old).userVersion, 0);
        EXPECT_EQ(old.first("SELECT count(*) FROM tranfile")->value(0).toInt(), 3);
    }
    // Another SQLite tool changes the issues and the latest one follows.
    EXPECT_EQ(sqliteTool(temp.path(), "DELETE FROM tranfile WHERE magno IN ('9', '10')"), "");
    EXPECT_EQ(latest(), QStringList({"J000001|01|9/2/2026"}));
}

TEST(SchemaVersion, AFailedMigrationLeavesTheOlderFileAsItWas) {
    SKIP_ON_POSTGRES("the steps that bring an older file up to date");
    testing_support::TempDatabase temp;
    makeFirstRelease(temp.db());
    // A name in the way makes the step fail after it dropped the old indexes.
    temp.db().exec("CREATE TABLE tranfile_pointer_day (x)");
    temp.reopen();
    EXPECT_THROW(prepareDatabase(temp.path()), DbError);
    EXPECT_EQ(fileVersion(temp.db()).userVersion, 0);
    EXPECT_TRUE(
        temp.db().first("SELECT 1 FROM sqlite_master WHERE name = 'tranfile_pointer_daily'"));
    EXPECT_TRUE(temp.db().first("SELECT 1 FROM sqlite_master WHERE name = 'vorlen_end_date'"));
}

// A desk of the version before: its date indexes on the earlier reading of
// dates, which the queries no longer match, and no index on trimmed keys.
TEST(SchemaVersion, TheStepBeforeTheKeyIndexesGivesTheIndexesANewDatabaseHas) {
    testing_support::TempDatabase temp;
    Database& db = temp.db();
    const bool server = db.isPostgres();
    const QStringList dateIndexes = {"tranfile_pointer_day", "vorlen_end_day",
                                     "tranfile_title_faculty_received", "tranfile_received_day"};
    const QStringList keyIndexes = {"vorlen1_trim_pointer", "vorlen_trim_pointer",
                                    "typeclass_trim_pointer"};
    // The triggers that keep the latest issues sort by date too.
    const QStringList names =
        dateIndexes + keyIndexes + (server ? QStringList() : QStringList{"tranfile_latest_insert"});
    const auto definitions = [&] { return definitionsOf(temp.db(), names); };
    const QStringList fresh = definitions();
    for (const QString& name : keyIndexes)
        db.exec(("DROP INDEX " + name).toUtf8().constData());
    if (server) {
        db.exec("UPDATE schema_version SET version = ?", {kKeyIndexesVersion - 1});
    } else {
        for (const QString& name : dateIndexes) {
            db.exec(("DROP INDEX " + name).toUtf8().constData());
            db.exec(("CREATE INDEX " + name + " ON tranfile (receivedate)").toUtf8().constData());
        }
        db.exec("DROP TRIGGER tranfile_latest_insert");
        db.exec("PRAGMA user_version = " + QByteArray::number(kKeyIndexesVersion - 1));
    }
    temp.reopen();
    EXPECT_TRUE(prepareDatabase(temp.path()));
    EXPECT_EQ(fileVersion(temp.db()).userVersion, kSchemaVersion);
    EXPECT_EQ(definitions(), fresh);
    EXPECT_FALSE(fresh.contains(QString()));
}

// A desk of the version before: its issues still have an index on the
// trimmed title key alone, which two other indexes begin with.
TEST(SchemaVersion, TheStepAfterTheVolumeIndexDropsTheIssueIndexOnTheKeyAlone) {
    testing_support::TempDatabase temp;
    const bool server = temp.db().isPostgres();
    const auto issueIndexes = [&] {
        QStringList names;
        for (const Row& row : temp.db().query(
                 server ? "SELECT indexname FROM pg_indexes WHERE schemaname = current_schema()"
                          " AND tablename = 'tranfile'"
                        : "SELECT name FROM sqlite_master WHERE type = 'index'"
                          " AND tbl_name = 'tranfile'"))
            names << row.text(0);
        names.sort();
        return names;
    };
    const QStringList fresh = issueIndexes();
    EXPECT_FALSE(fresh.contains(QStringLiteral("tranfile_trim_pointer")));
    EXPECT_TRUE(fresh.contains(QStringLiteral("tranfile_title_volume")));
    EXPECT_TRUE(fresh.contains(QStringLiteral("tranfile_title_faculty_received")));
    if (server) {
        temp.db().exec("CREATE INDEX tranfile_trim_pointer ON tranfile ((trim(pointer)))");
        temp.db().exec("UPDATE schema_version SET version = ?", {kVolumeIndexVersion});
    } else {
        temp.db().exec("CREATE INDEX tranfile_trim_pointer ON tranfile (trim(pointer))");
        temp.db().exec("PRAGMA user_version = " + QByteArray::number(kVolumeIndexVersion));
    }
    temp.reopen();
    EXPECT_TRUE(prepareDatabase(temp.path()));
    EXPECT_EQ(fileVersion(temp.db()).userVersion, kSchemaVersion);
    EXPECT_EQ(issueIndexes(), fresh);
}

// A desk of the version before: its issues have no date keys, and their
// date indexes and triggers read the dates themselves.
TEST(SchemaVersion, TheStepAfterTheAuthorOrderFillsTheIssuesDateKeys) {
    testing_support::TempDatabase temp;
    Database& db = temp.db();
    const bool server = db.isPostgres();
    db.exec(
        "INSERT INTO tranfile (magno, department_code, pointer, receivedate, daily) VALUES"
        " ('1', '01', 'J000001', ' 2/3/2024', '31/01/2024'), ('2', '01', 'J000001', '', 'x')");
    const QStringList indexes = {"tranfile_pointer_day", "tranfile_title_faculty_received",
                                 "tranfile_received_day"};
    const QStringList triggers = {"tranfile_latest_insert", "tranfile_latest_update",
                                  "tranfile_latest_delete", "tranfile_daily_key_update"};
    const auto definitions = [&] {
        return definitionsOf(temp.db(), indexes + (server ? QStringList() : triggers));
    };
    const QStringList fresh = definitions();
    for (const QString& name : indexes)
        db.exec(("DROP INDEX " + name).toUtf8().constData());
    if (!server)
        for (const QString& name : triggers)
            db.exec(("DROP TRIGGER " + name).toUtf8().constData());
    db.exec("ALTER TABLE tranfile DROP COLUMN daily_key");
    db.exec("ALTER TABLE tranfile DROP COLUMN receivedate_key");
    setMark(db, "user_version", "version", kAuthorOrderVersion);
    temp.reopen();
    EXPECT_TRUE(prepareDatabase(temp.path()));
    EXPECT_EQ(fileVersion(temp.db()).userVersion, kSchemaVersion);
    const auto rows = temp.db().query(
        "SELECT coalesce(daily_key, 'NULL'), coalesce(receivedate_key, 'NULL') FROM tranfile"
        " ORDER BY magno");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].text(0) + u' ' + rows[0].text(1), "2024-01-31 2024-03-02");
    EXPECT_EQ(rows[1].text(0) + u' ' + rows[1].text(1), "NULL NULL");
    EXPECT_EQ(definitions(), fresh);
    EXPECT_FALSE(fresh.contains(QString()));
}

// A desk of the version before: its articles keep no lead name, and the
// found articles have no order indexes.
TEST(SchemaVersion, TheStepAfterTheDateKeysGivesEachArticleTheNameItsCitationBeginsWith) {
    testing_support::TempDatabase temp;
    Database& db = temp.db();
    db.exec(
        "INSERT INTO author (author_id, author_name, corporate) VALUES (1, 'Adams, Ann', 0),"
        " (2, 'กมล ใจดี', 0), (3, NULL, 0)");
    db.exec(
        "INSERT INTO article (article_id, magno, title) VALUES (1, '1', 'Soil'),"
        " (2, '1', 'ข้าว'), (3, '2', 'ปลา'), (4, '2', 'นก')");
    // Article 1: its second author first by place; 2: none; 3: a name
    // missing; 4: an author whose row is gone.
    db.exec(
        "INSERT INTO article_author (article_id, position, author_id) VALUES (1, 2, 1),"
        " (1, 1, 2), (3, 1, 3), (4, 1, 9)");
    const QStringList indexes = {"article_citation_order", "article_magno_order"};
    const auto definitions = [&] { return definitionsOf(temp.db(), indexes); };
    const QStringList fresh = definitions();
    for (const QString& name : indexes)
        db.exec(("DROP INDEX " + name).toUtf8().constData());
    db.exec("ALTER TABLE article DROP COLUMN lead_name");
    setMark(db, "user_version", "version", kLateIssuesVersion);
    temp.reopen();
    EXPECT_TRUE(prepareDatabase(temp.path()));
    EXPECT_EQ(fileVersion(temp.db()).userVersion, kSchemaVersion);
    QStringList leads;
    for (const Row& r :
         temp.db().query("SELECT coalesce(lead_name, 'NULL') FROM article ORDER BY article_id"))
        leads << r.text(0);
    EXPECT_EQ(leads, QStringList({"กมล ใจดี", "ข้าว", "ปลา", "นก"}));
    EXPECT_EQ(definitions(), fresh);
    EXPECT_FALSE(fresh.contains(QString()));
}

TEST(SchemaVersion, ANewerOrForeignFileIsRefusedAndLeftUntouched) {
    testing_support::TempDatabase newer;
    setMark(newer.db(), "user_version", "version", 99);
    newer.reopen();
    const QByteArray newerBytes = readAll(newer.path());
    try {
        prepareDatabase(newer.path());
        ADD_FAILURE() << "a later version's file was opened";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.thaiMessage().contains(QStringLiteral("รุ่นที่ใหม่กว่า")));
    }
    EXPECT_EQ(readAll(newer.path()), newerBytes);

    testing_support::TempDatabase foreign;
    setMark(foreign.db(), "application_id", "application_id", 1234);
    foreign.reopen();
    const QByteArray foreignBytes = readAll(foreign.path());
    EXPECT_EQ(errorCode(foreign.path()), SQLITE_NOTADB);
    EXPECT_EQ(readAll(foreign.path()), foreignBytes);
}

TEST(SchemaVersion, AnOlderFileInAFolderNamedWithPercentSignsOpensAndIsBackedUpThere) {
    SKIP_ON_POSTGRES("the copy before an upgrade is of the file");
    QTemporaryDir dir;
    const QString folder = dir.path() + "/desk %1%2";
    const QString path = folder + "/Vorlen.db";
    ASSERT_TRUE(prepareDatabase(path));
    {
        Database db(path);
        makeFirstRelease(db);
    }
    EXPECT_TRUE(prepareDatabase(path));
    EXPECT_EQ(fileVersion(Database(path)).userVersion, kSchemaVersion);
    EXPECT_EQ(QDir(folder + "/backups").entryList({"Vorlen-version0-*.db"}, QDir::Files).size(), 1);
}
