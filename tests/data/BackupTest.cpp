#include <gtest/gtest.h>

#include <QDir>

#include "data/Backup.h"
#include "tests/support/TempDatabase.h"

TEST(DailyBackup, OneCopyADayTheLastFourteenKept) {
    testing_support::TempDatabase temp;
    temp.db().exec("UPDATE jourctrl SET nextmagno = '345'");
    const QDate first(2026, 1, 1);

    const QString copy = data::backUpDaily(temp.path(), first);
    ASSERT_FALSE(copy.isEmpty());
    {
        data::Database restored(copy);
        EXPECT_EQ(restored.first("SELECT nextmagno FROM jourctrl")->text(0), "345");
    }
    EXPECT_TRUE(data::backUpDaily(temp.path(), first).isEmpty()) << "a second start that day";

    for (int day = 1; day < 20; ++day)
        data::backUpDaily(temp.path(), first.addDays(day));
    const QStringList kept = QDir(temp.folder() + "/backups").entryList(QDir::Files, QDir::Name);
    ASSERT_EQ(kept.size(), 14);
    EXPECT_EQ(kept.first(), "Vorlen-2026-01-07.db");
    EXPECT_EQ(kept.last(), "Vorlen-2026-01-20.db");
    EXPECT_EQ(temp.db().first("SELECT nextmagno FROM jourctrl")->text(0), "345");
}
