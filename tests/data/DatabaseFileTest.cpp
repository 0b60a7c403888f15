#include <gtest/gtest.h>
#include <sqlite3.h>

#include <unistd.h>
#include <QFile>
#include <QTemporaryDir>

#include "data/DatabaseFile.h"
#include "data/DbError.h"
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

}  // namespace

TEST(FirstRun, CreatesEveryTableWithItsStartingRows) {
    testing_support::TempDatabase temp;
    Database& db = temp.db();
    EXPECT_EQ(db.first("SELECT count(*) FROM sqlite_master WHERE type = 'table'")->text(0), "16");

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
    const auto names = [&](const char* table) {
        QStringList out;
        for (const Row& r :
             temp.db().query(QStringLiteral("PRAGMA table_info(%1)").arg(table).toUtf8()))
            out << r.text(1);
        return out;
    };
    EXPECT_EQ(names("tranfile"), QStringList({"magno", "department_code", "pointer", "receivedate",
                                              "daily", "yearno", "issueno", "descriptionitem"}));
    EXPECT_EQ(names("dealer").at(8), "Contact_Name");
    EXPECT_EQ(names("vorlen1").at(6), "First_year_printed");
    EXPECT_EQ(names("vorlen").at(13), "status_code");
    EXPECT_EQ(names("bindcolor").at(0), "BindType_Code");
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

TEST(OpeningAFile, ReadOnlyAndLockedFilesGiveClearErrors) {
    if (geteuid() != 0) {
        testing_support::TempDatabase ro;
        QFile::setPermissions(ro.path(), QFile::ReadOwner);
        EXPECT_EQ(errorCode(ro.path()), SQLITE_READONLY);
    }

    testing_support::TempDatabase temp;
    Database other(temp.path());
    // After its first write, an exclusive-mode connection keeps the file locked.
    other.exec("PRAGMA locking_mode = EXCLUSIVE");
    other.exec("UPDATE jourctrl SET nextmagno = '2'");
    EXPECT_EQ(errorCode(temp.path()), SQLITE_BUSY);
}
