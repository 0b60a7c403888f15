#include <gtest/gtest.h>
#include <sys/stat.h>

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

TEST(Program, UndoingARestoreKeepsTheSavesInTheLogOfTheReplacedFile) {
    Program program;
    const QString db = program.database();
    const QString backup = backupThenCrash(db);
    ASSERT_EQ(program.run({"--restore", backup}), 0) << program.output.toStdString();
    ASSERT_EQ(counter(db), "100");
    const QString replaced =
        program.dataFolder() + "/" +
        QDir(program.dataFolder()).entryList({"Vorlen-replaced-*.db"}, QDir::Files).first();
    ASSERT_GT(QFileInfo(replaced + "-wal").size(), 0);

    ASSERT_EQ(program.run({"--restore", replaced}), 0) << program.output.toStdString();
    EXPECT_TRUE(program.output.contains(QStringLiteral("รวมการบันทึกจาก %1-wal").arg(replaced)))
        << program.output.toStdString();
    EXPECT_EQ(counter(db), "200");
    EXPECT_EQ(data::Database(db).first("SELECT count(*) FROM tranfile")->value(0).toInt(), 2000);
    EXPECT_EQ(program.run({"--check"}), 0) << program.output.toStdString();
    // Both replaced files are kept, each under a name of its own.
    EXPECT_EQ(QDir(program.dataFolder()).entryList({"Vorlen-replaced-*.db"}).size(), 2);
}

TEST(Program, TheCollectionIsReadableByItsOwnerOnlyWhateverTheUmask) {
    const auto mode = [](const QString& path) {
        struct stat st = {};
        return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 0777 : 0;
    };
    Program program;
    program.setUmask(0);
    ASSERT_TRUE(program.start());
    program.stop();
    const QString backups = program.dataFolder() + "/backups";
    const QString today =
        backups + "/Vorlen-" + QDate::currentDate().toString("yyyy-MM-dd") + ".db";
    EXPECT_EQ(mode(program.dataFolder()), 0700u);
    EXPECT_EQ(mode(backups), 0700u);
    EXPECT_EQ(mode(program.database()), 0600u);
    EXPECT_EQ(mode(today), 0600u);
    {
        const mode_t saved = ::umask(0);
        data::Database writer(program.database());
        writer.exec("UPDATE jourctrl SET nextmagno = '7'");
        EXPECT_EQ(mode(program.database() + "-wal"), 0600u);
        EXPECT_EQ(mode(program.database() + "-shm"), 0600u);
        ::umask(saved);
    }

    // A backup kept read-only is installed as a database the clerk can write.
    ASSERT_TRUE(
        QFile::setPermissions(today, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    ASSERT_EQ(program.run({"--restore", today}), 0) << program.output.toStdString();
    EXPECT_EQ(mode(program.database()), 0600u);
}

TEST(Program, PlaceMarkersInAFolderNameStayAsTyped) {
    Program program;
    data::prepareDatabase(program.database());
    const QString folder = program.home() + "/csv %1%2";
    ASSERT_EQ(program.run({"--export-csv", folder}), 0) << program.output.toStdString();
    const QString dealers = QStringLiteral("%1/dealer.csv: 5 แถว").arg(folder);
    EXPECT_TRUE(program.output.contains(dealers)) << program.output.toStdString();
}

// A command run before the window ever started finds the desk's database made
// ready, as the window would make it, instead of failing to open it.
TEST(Program, CommandsOnANewDeskMakeItsDatabaseFirst) {
    Program first;
    ASSERT_EQ(first.run({"--export-marc", first.home() + "/desk.mrc"}), 0)
        << first.output.toStdString();
    const QString records = first.home() + "/desk.mrc";
    const QStringList commands[] = {
        {"--export-csv", "csv"},
        {"--export-marc", "out.xml", "--format", "marcxml"},
        {"--import-marc", records},
        {"--report", "titles", "--output", "titles.csv"},
    };
    for (const QStringList& args : commands) {
        Program program;
        QDir(program.home()).mkpath("csv");
        EXPECT_EQ(program.run(args), 0) << args.join(u' ').toStdString() << "\n"
                                        << program.output.toStdString();
        EXPECT_TRUE(QFile::exists(program.database())) << args.join(u' ').toStdString();
    }
}
