#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "data/Backup.h"
#include "data/IntegrityCheck.h"
#include "tests/support/FileDamage.h"
#include "tests/support/TempDatabase.h"

using data::BackupResult;

namespace {

QStringList backups(const testing_support::TempDatabase& temp) {
    return QDir(temp.folder() + "/backups").entryList(QDir::Files, QDir::Name);
}

// A copy as an earlier day's start would have left it.
void plantCopy(const testing_support::TempDatabase& temp, const QString& name) {
    QDir().mkpath(temp.folder() + "/backups");
    ASSERT_TRUE(QFile::copy(temp.path(), temp.folder() + "/backups/" + name));
}

}  // namespace

TEST(DailyBackup, OneCopyADayTheLastFourteenKept) {
    SKIP_ON_POSTGRES("the daily copy of the file is the server\'s job there");
    testing_support::TempDatabase temp;
    temp.db().exec("UPDATE jourctrl SET nextmagno = '345'");
    const QDate first(2026, 1, 1);

    const BackupResult made = data::backUpDaily(temp.path(), first);
    ASSERT_EQ(made.outcome, BackupResult::Outcome::Made);
    {
        data::Database restored(made.copy);
        EXPECT_EQ(restored.first("SELECT nextmagno FROM jourctrl")->text(0), "345");
    }
    EXPECT_EQ(data::backUpDaily(temp.path(), first).outcome, BackupResult::Outcome::AlreadyMade)
        << "a second start that day";

    for (int day = 1; day < 20; ++day)
        data::backUpDaily(temp.path(), first.addDays(day));
    const QStringList kept = backups(temp);
    ASSERT_EQ(kept.size(), 14);
    EXPECT_EQ(kept.first(), "Vorlen-2026-01-07.db");
    EXPECT_EQ(kept.last(), "Vorlen-2026-01-20.db");
    EXPECT_EQ(temp.db().first("SELECT nextmagno FROM jourctrl")->text(0), "345");
}

TEST(DailyBackup, PruningGoesByTheDateAndSparesTodaysCopyAndFutureOnes) {
    SKIP_ON_POSTGRES("the daily copy of the file is the server\'s job there");
    testing_support::TempDatabase temp;
    // Twenty copies from a clock that ran a year ahead, and twenty real ones.
    for (int day = 1; day <= 20; ++day) {
        plantCopy(temp, QStringLiteral("Vorlen-2027-03-%1.db").arg(day, 2, 10, QChar(u'0')));
        plantCopy(temp, QStringLiteral("Vorlen-2025-12-%1.db").arg(day, 2, 10, QChar(u'0')));
    }
    const BackupResult made = data::backUpDaily(temp.path(), QDate(2026, 1, 5));
    ASSERT_EQ(made.outcome, BackupResult::Outcome::Made);
    EXPECT_TRUE(QFile::exists(made.copy)) << "the copy just made is kept";

    const QStringList kept = backups(temp);
    EXPECT_EQ(kept.filter("Vorlen-2027-").size(), 20) << "future copies take no place";
    const QStringList past = kept.filter("Vorlen-2025-");
    ASSERT_EQ(past.size(), 13);
    EXPECT_EQ(past.first(), "Vorlen-2025-12-08.db");
    EXPECT_TRUE(kept.contains("Vorlen-2026-01-05.db"));
}

TEST(DailyBackup, PartialCopiesOfEndedProgramsGoOwnOnesAreNamedByProcess) {
    SKIP_ON_POSTGRES("the daily copy of the file is the server\'s job there");
    testing_support::TempDatabase temp;
    const QString folder = temp.folder() + "/backups/";
    QDir().mkpath(folder);
    const auto touch = [&](const QString& name) {
        QFile f(folder + name);
        f.open(QIODevice::WriteOnly);
        f.write("half a copy");
    };
    touch("Vorlen-2026-01-04.db.part");            // the old single name
    touch("Vorlen-2026-01-04.db.999999999.part");  // a program long gone
    touch("Vorlen-2026-01-05.db.1.part");          // a program still running
    data::backUpDaily(temp.path(), QDate(2026, 1, 5));
    const QStringList left = QDir(folder).entryList({"*.part"}, QDir::Files);
    EXPECT_EQ(left, QStringList{"Vorlen-2026-01-05.db.1.part"});
    EXPECT_TRUE(QFile::exists(folder + "Vorlen-2026-01-05.db"));
}

TEST(DailyBackup, ADamagedDatabaseIsNotCopiedAndNothingIsPruned) {
    SKIP_ON_POSTGRES("the daily copy of the file is the server\'s job there");
    testing_support::TempDatabase temp;
    {
        data::Transaction tx(temp.db());
        for (int i = 0; i < 300; ++i)
            temp.db().exec("INSERT INTO tranfile (magno, daily) VALUES (?, '01/02/2026')", {i});
        tx.commit();
    }
    for (int day = 1; day <= 15; ++day)
        plantCopy(temp, QStringLiteral("Vorlen-2026-01-%1.db").arg(day, 2, 10, QChar(u'0')));
    // The newest copy is damaged as well: the one before it is the good one.
    ASSERT_TRUE(
        testing_support::damageTable(temp.folder() + "/backups/Vorlen-2026-01-15.db", "tranfile"));
    ASSERT_TRUE(testing_support::damageTable(temp.path(), "tranfile"));
    const QStringList before = backups(temp);

    const BackupResult result = data::backUpDaily(temp.path(), QDate(2026, 1, 20));
    EXPECT_EQ(result.outcome, BackupResult::Outcome::Damaged);
    EXPECT_FALSE(result.problems.isEmpty());
    EXPECT_EQ(result.newestGood, temp.folder() + "/backups/Vorlen-2026-01-14.db");
    EXPECT_EQ(backups(temp), before);
}

TEST(DailyBackup, AStoppedCopyLeavesNoFileAndTheDatabaseWhole) {
    SKIP_ON_POSTGRES("the daily copy of the file is the server\'s job there");
    testing_support::TempDatabase temp;
    {
        data::Transaction tx(temp.db());
        for (int i = 0; i < 5000; ++i)
            temp.db().exec("INSERT INTO tranfile (magno, yearno, descriptionitem) VALUES (?, ?, ?)",
                           {i, QString(150, QChar(u'ข')), QString(250, QChar(u'ข'))});
        tx.commit();
    }
    int steps = 0;
    const BackupResult result =
        data::backUpDaily(temp.path(), QDate(2026, 1, 5), 14, [&] { return ++steps < 2; });
    EXPECT_EQ(result.outcome, BackupResult::Outcome::Stopped);
    EXPECT_EQ(steps, 2);
    EXPECT_TRUE(backups(temp).isEmpty());
    EXPECT_TRUE(data::integrityProblems(temp.path(), data::Check::Full).isEmpty());
    EXPECT_EQ(temp.db().first("SELECT count(*) FROM tranfile")->value(0).toInt(), 5000);
}
