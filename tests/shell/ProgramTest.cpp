#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "data/Backup.h"
#include "data/Database.h"
#include "data/DatabaseFile.h"
#include "data/IntegrityCheck.h"
#include "tests/shell/Program.h"
#include "tests/support/FileDamage.h"

using testing_support::Program;

namespace {

QString counter(const QString& path) {
    return data::Database(path, data::Database::Open::Copy)
        .first("SELECT nextmagno FROM jourctrl")
        ->text(0);
}

// A database with one backup, then what a crash leaves on disk: saves in the
// log that the file lacks. Returns the backup.
QString backupThenCrash(const QString& db) {
    data::prepareDatabase(db);
    data::Database(db).exec("UPDATE jourctrl SET nextmagno = '100'");
    const QString backup = data::backUpDaily(db, QDate(2026, 1, 1)).copy;
    QTemporaryDir crash;
    {
        data::Database writer(db);
        writer.exec("PRAGMA wal_autocheckpoint = 0");
        data::Transaction tx(writer);
        writer.exec("UPDATE jourctrl SET nextmagno = '200'");
        for (int i = 0; i < 2000; ++i)
            writer.exec("INSERT INTO tranfile (magno, descriptionitem) VALUES (?, ?)",
                        {i, QString(200, QChar(u'ค'))});
        tx.commit();
        for (const char* suffix : {"", "-wal", "-shm"})
            QFile::copy(db + suffix, crash.path() + "/Vorlen.db" + suffix);
    }
    for (const char* suffix : {"", "-wal", "-shm"}) {
        QFile::remove(db + suffix);
        QFile::copy(crash.path() + "/Vorlen.db" + suffix, db + suffix);
    }
    return backup;
}

}  // namespace

TEST(Program, ACrashThenRestoreThenStartGivesTheBackupWhole) {
    Program program;
    const QString db = program.database();
    const QString backup = backupThenCrash(db);
    ASSERT_FALSE(backup.isEmpty());
    ASSERT_TRUE(QFile::exists(db + "-wal"));

    ASSERT_EQ(program.run({"--restore", backup}), 0) << program.output.toStdString();
    EXPECT_TRUE(program.output.contains(QStringLiteral("กู้คืนข้อมูลจากสำเนาสำรองแล้ว")));
    EXPECT_FALSE(QFile::exists(db + "-wal"));
    const QStringList aside =
        QDir(program.dataFolder()).entryList({"Vorlen-replaced-*.db"}, QDir::Files);
    ASSERT_EQ(aside.size(), 1);
    EXPECT_TRUE(QFile::exists(program.dataFolder() + "/" + aside.first() + "-wal"));
    {
        // The crashed file and its log, kept together, still hold the lost saves.
        data::Database crashed(program.dataFolder() + "/" + aside.first());
        EXPECT_EQ(crashed.first("SELECT nextmagno FROM jourctrl")->text(0), "200");
    }

    ASSERT_TRUE(program.start());
    program.stop();
    EXPECT_EQ(counter(db), "100");
    EXPECT_EQ(program.run({"--check"}), 0) << program.output.toStdString();
    EXPECT_TRUE(program.output.contains("integrity_check: ok"));
}

TEST(Program, TheManualRestoreStepsWorkAfterACrash) {
    Program program;
    const QString db = program.database();
    const QString backup = backupThenCrash(db);
    ASSERT_TRUE(QFile::exists(db + "-wal"));

    QTemporaryDir aside;
    for (const char* suffix : {"", "-wal", "-shm"}) {
        if (QFile::exists(db + suffix)) {
            ASSERT_TRUE(QFile::rename(db + suffix, aside.path() + "/Vorlen.db" + suffix));
        }
    }
    ASSERT_TRUE(QFile::copy(backup, db));
    EXPECT_EQ(testing_support::sqliteTool(db, "PRAGMA integrity_check"), "ok");
    ASSERT_TRUE(program.start());
    program.stop();
    EXPECT_EQ(counter(db), "100");
    EXPECT_EQ(program.run({"--check"}), 0) << program.output.toStdString();
}

TEST(Program, OneProgramPerUserAndNoRestoreWhileItRuns) {
    Program program;
    ASSERT_TRUE(program.start());
    const QString backup =
        QDir(program.dataFolder() + "/backups").entryInfoList(QDir::Files).first().filePath();

    EXPECT_EQ(program.run({}), 0);
    EXPECT_TRUE(program.output.contains(QStringLiteral("นำหน้าต่างหลักขึ้นมาด้านหน้า")))
        << program.output.toStdString();
    EXPECT_TRUE(program.stillRunning());

    EXPECT_EQ(program.run({"--restore", backup}), 1);
    EXPECT_TRUE(program.output.contains(QStringLiteral("โปรแกรมกำลังทำงานอยู่")));
    EXPECT_TRUE(QDir(program.dataFolder()).entryList({"Vorlen-replaced-*"}).isEmpty());
    program.stop();
}

TEST(Program, ClosingFoldsTheLogIntoTheFileAndStopsABackup) {
    Program program;
    const QString db = program.database();
    data::prepareDatabase(db);
    {
        data::Database writer(db);
        data::Transaction tx(writer);
        for (int i = 0; i < 150000; ++i)
            writer.exec("INSERT INTO tranfile (magno, descriptionitem) VALUES (?, ?)",
                        {i, QString(200, QChar(u'ง'))});
        tx.commit();
    }
    // Closed while the day's copy of a large file is being made.
    program.launch();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !QDir(program.dataFolder() + "/backups").entryList({"*.part"}).isEmpty(); },
        30000));
    program.stop();
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_TRUE(QDir(program.dataFolder() + "/backups").entryList({"*.part"}).isEmpty());
    EXPECT_TRUE(!QFile::exists(db + "-wal") || QFileInfo(db + "-wal").size() == 0);
    EXPECT_TRUE(data::integrityProblems(db, data::Check::Full).isEmpty());
}

TEST(Program, ADamagedBackupIsNotInstalledAndCheckNamesTheGoodOne) {
    Program program;
    const QString db = program.database();
    data::prepareDatabase(db);
    {
        data::Database writer(db);
        data::Transaction tx(writer);
        for (int i = 0; i < 300; ++i)
            writer.exec("INSERT INTO tranfile (magno) VALUES (?)", {i});
        tx.commit();
    }
    const QString good = data::backUpDaily(db, QDate(2026, 1, 1)).copy;
    const QString bad = data::backUpDaily(db, QDate(2026, 1, 2)).copy;
    ASSERT_TRUE(testing_support::damageTable(bad, "tranfile"));

    EXPECT_EQ(program.run({"--restore", bad}), 1);
    EXPECT_TRUE(program.output.contains(QStringLiteral("สำเนาสำรองไม่สมบูรณ์")));
    EXPECT_TRUE(data::integrityProblems(db, data::Check::Full).isEmpty());

    ASSERT_TRUE(testing_support::damageTable(db, "tranfile"));
    EXPECT_EQ(program.run({"--check"}), 1);
    EXPECT_TRUE(program.output.contains(QStringLiteral("ฐานข้อมูลเสียหาย")));
    EXPECT_TRUE(program.output.contains("periodicals --restore \"" + good + "\""))
        << program.output.toStdString();

    EXPECT_EQ(program.run({"--restore", good}), 0) << program.output.toStdString();
    EXPECT_EQ(program.run({"--check"}), 0) << program.output.toStdString();
}
