#include <gtest/gtest.h>

#include <QProcess>

#include "data/LeadingNumber.h"
#include "tests/support/TempDatabase.h"

// Two clerks save at once, each 200 titles with 10 issues apiece and a
// renewal of every subscription.
TEST(Concurrency, TwoClerksSavingAtOnceNeverShareAKeyOrANumberNorLoseASave) {
    testing_support::TempDatabase temp;
    const qint64 firstNumber =
        data::leadingNumber(temp.db().first("SELECT nextmagno FROM jourctrl")->text(0));
    temp.reopen();
    QProcess clerks[2];
    for (int i = 0; i < 2; ++i) {
        clerks[i].start(QStringLiteral(CONCURRENT_WRITER),
                        {temp.path(), QStringLiteral("clerk%1").arg(i), QStringLiteral("200"),
                         QStringLiteral("10")});
        ASSERT_TRUE(clerks[i].waitForStarted());
    }
    for (QProcess& clerk : clerks) {
        ASSERT_TRUE(clerk.waitForFinished(240000));
        EXPECT_EQ(clerk.exitCode(), 0) << clerk.readAllStandardError().toStdString();
    }
    data::Database& db = temp.db();
    EXPECT_EQ(db.first("SELECT count(*) FROM vorlen1")->text(0), "400");
    EXPECT_EQ(db.first("SELECT count(DISTINCT pointer) FROM vorlen1")->text(0), "400");
    // Every title is whole: its subscription, renewed, and its kind.
    EXPECT_EQ(db.first("SELECT count(*) FROM vorlen WHERE end_period = '31/12/2028'")->text(0),
              "400");
    EXPECT_EQ(db.first("SELECT count(DISTINCT pointer) FROM typeclass")->text(0), "400");
    EXPECT_EQ(db.first("SELECT count(*) FROM tranfile")->text(0), "4000");
    EXPECT_EQ(db.first("SELECT count(DISTINCT magno) FROM tranfile")->text(0), "4000");
    EXPECT_EQ(db.first("SELECT count(*) FROM tranfile t JOIN vorlen1 v ON v.pointer = t.pointer")
                  ->text(0),
              "4000");
    EXPECT_EQ(data::leadingNumber(db.first("SELECT nextmagno FROM jourctrl")->text(0)),
              firstNumber + 4000);
}
