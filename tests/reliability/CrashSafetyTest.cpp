#include <gtest/gtest.h>
#include <signal.h>

#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include "data/LeadingNumber.h"
#include "tests/support/TempDatabase.h"

namespace {

// Whatever moment the writer died at, the file holds only whole saves.
void expectConsistent(data::Database& db, int round) {
    EXPECT_EQ(db.first("PRAGMA integrity_check")->text(0), "ok") << "round " << round;
    const auto partial = db.first(
        "SELECT k FROM (SELECT pointer AS k FROM vorlen1 UNION SELECT pointer FROM vorlen"
        " UNION SELECT pointer FROM typeclass)"
        " WHERE (SELECT count(*) FROM vorlen1 WHERE pointer = k) <> 1"
        "    OR (SELECT count(*) FROM vorlen WHERE pointer = k) <> 1"
        "    OR (SELECT count(*) FROM typeclass WHERE pointer = k) <> 1");
    EXPECT_FALSE(partial) << "round " << round << ": title " << partial->text(0).toStdString()
                          << " is not whole";
    const auto twice = db.first("SELECT magno FROM tranfile GROUP BY magno HAVING count(*) > 1");
    EXPECT_FALSE(twice) << "round " << round << ": registration number "
                        << twice->text(0).toStdString() << " stored twice";
    const auto counter = db.first("SELECT nextmagno FROM jourctrl");
    const auto highest = db.first("SELECT max(CAST(magno AS INTEGER)) FROM tranfile");
    if (!highest->isNull(0)) {
        EXPECT_GT(data::leadingNumber(counter->text(0)), highest->value(0).toLongLong())
            << "round " << round;
    }
    // Every series value lies beyond every key it gave.
    const auto series = db.first("SELECT * FROM recsetup");
    for (int s = 1; s <= 4; ++s) {
        const QString next = series->text(s);
        const auto top = db.first(
            "SELECT max(CAST(substr(pointer, 2) AS INTEGER)) FROM vorlen1"
            " WHERE substr(pointer, 1, 1) = ?",
            {next.left(1)});
        if (top && !top->isNull(0)) {
            EXPECT_GT(data::leadingNumber(next.mid(1)), top->value(0).toLongLong())
                << "round " << round << " series " << s;
        }
    }
}

}  // namespace

TEST(CrashSafety, KilledWritersLeaveOnlyWholeSaves) {
    testing_support::TempDatabase temp;
    QRandomGenerator random(20261208);
    constexpr int kRounds = 40;
    for (int round = 0; round < kRounds; ++round) {
        QProcess writer;
        writer.start(QStringLiteral(CRASH_WRITER), {temp.path(), QString::number(round)});
        ASSERT_TRUE(writer.waitForStarted());
        QThread::msleep(20 + random.bounded(180));
        ::kill(pid_t(writer.processId()), SIGKILL);
        writer.waitForFinished();
        expectConsistent(temp.db(), round);
    }
    const int titles = temp.db().first("SELECT count(*) FROM vorlen1")->value(0).toInt();
    EXPECT_GT(titles, 0) << "the writer never saved anything";
    RecordProperty("kills", kRounds);
    RecordProperty("titles", titles);
}
