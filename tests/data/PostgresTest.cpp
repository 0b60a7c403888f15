#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "data/DatabaseFile.h"
#include "data/DbError.h"
#include "data/Migrations.h"
#include "tests/support/TempDatabase.h"

using namespace data;
using testing_support::TempDatabase;

namespace {

constexpr char kServerHead[] = "เชื่อมต่อเซิร์ฟเวอร์ฐานข้อมูลไม่ได้";

#define NEEDS_SERVER()                                                 \
    do {                                                               \
        if (!testing_support::onPostgres())                            \
            GTEST_SKIP() << "runs against the test PostgreSQL server"; \
    } while (false)

DbError errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const DbError& e) {
        return e;
    }
    ADD_FAILURE() << "no error";
    return DbError(SQLITE_OK, QString());
}

}  // namespace

TEST(Postgres, ValuesKeepTheirTypesBothWays) {
    NEEDS_SERVER();
    TempDatabase temp;
    Database& db = temp.db();
    db.exec(
        "CREATE TABLE v (i bigint, s smallint, d double precision, n numeric, t text,"
        " b boolean)");
    const QString thai = QStringLiteral("วารสาร 'ไทย' \"๑๒๓\"");
    db.exec("INSERT INTO v VALUES (?, ?, ?, ?, ?, ?)",
            {qlonglong(9007199254740993), 7, 0.1, 2.5, thai, true});
    db.exec("INSERT INTO v VALUES (?, ?, ?, ?, ?, ?)",
            {QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), false});

    const auto row = db.first("SELECT * FROM v WHERE i = ?", {qlonglong(9007199254740993)});
    ASSERT_TRUE(row);
    EXPECT_EQ(row->value(0).typeId(), QMetaType::LongLong);
    EXPECT_EQ(row->value(0).toLongLong(), 9007199254740993);
    EXPECT_EQ(row->value(1).typeId(), QMetaType::LongLong);
    EXPECT_EQ(row->value(2).typeId(), QMetaType::Double);
    EXPECT_EQ(row->value(2).toDouble(), 0.1) << "the shortest text that reads back exactly";
    EXPECT_EQ(row->value(3).toDouble(), 2.5);
    EXPECT_EQ(row->text(4), thai);
    EXPECT_EQ(row->value(5).toLongLong(), 1);

    const auto nulls = db.first("SELECT i, s, d, n, t, b FROM v WHERE NOT b");
    for (int c = 0; c < 5; ++c)
        EXPECT_TRUE(nulls->isNull(c)) << c;
    EXPECT_EQ(nulls->value(5).toLongLong(), 0);
    EXPECT_EQ(db.exec("UPDATE v SET t = ? WHERE b", {QStringLiteral("x")}), 1);
}

TEST(Postgres, FailuresCarryTheNearestSqliteCodeAndAThaiHead) {
    NEEDS_SERVER();
    const DbError unreachable =
        errorOf([] { Database("postgresql:///postgres?host=/nonexistent&user=postgres"); });
    EXPECT_EQ(unreachable.code(), SQLITE_CANTOPEN);
    EXPECT_TRUE(unreachable.thaiMessage().startsWith(QString::fromUtf8(kServerHead)));
    EXPECT_TRUE(unreachable.detail().contains("/nonexistent"));

    TempDatabase temp;
    Database& db = temp.db();
    const DbError syntax = errorOf([&] { db.exec("SELEC 1"); });
    EXPECT_EQ(syntax.code(), SQLITE_ERROR);
    EXPECT_TRUE(syntax.detail().contains("SELEC"));

    const DbError duplicate = errorOf([&] {
        db.exec("INSERT INTO settings VALUES ('unit_name', 'a')");
        db.exec("INSERT INTO settings VALUES ('unit_name', 'b')");
    });
    EXPECT_EQ(duplicate.code(), SQLITE_CONSTRAINT);

    // A server that lets this clerk only read.
    db.exec("SET default_transaction_read_only = on");
    const DbError readOnly = errorOf([&] { db.exec("UPDATE jourctrl SET nextmagno = '2'"); });
    EXPECT_EQ(readOnly.code(), SQLITE_READONLY);
    EXPECT_TRUE(readOnly.thaiMessage().startsWith(QStringLiteral("ฐานข้อมูลเปิดได้เพื่ออ่านอย่างเดียว")));
    db.exec("SET default_transaction_read_only = off");
}

TEST(Postgres, ACommandRunsAgainOnANewConnectionAndALostSaveIsSaidSo) {
    NEEDS_SERVER();
    TempDatabase temp;
    Database& db = temp.db();
    Database other(temp.path());
    // What a restart of the server does to every window's connection.
    auto dropOthers = [&] {
        other.first(
            "SELECT count(pg_terminate_backend(pid)) FROM pg_stat_activity"
            " WHERE datname = current_database() AND pid <> pg_backend_pid()");
    };
    dropOthers();
    EXPECT_EQ(db.first("SELECT nextmagno FROM jourctrl")->text(0), "1");
    dropOthers();
    EXPECT_EQ(db.exec("UPDATE jourctrl SET nextmagno = '2'"), 1);
    dropOthers();
    {
        Transaction tx(db);  // begins on a new connection
        db.exec("UPDATE jourctrl SET nextmagno = '3'");
        tx.commit();
    }
    {
        Transaction tx(db);
        db.exec("UPDATE jourctrl SET nextmagno = '4'");
        dropOthers();
        const DbError lost = errorOf([&] {
            db.exec("UPDATE vorlen1 SET remark = 'x'");
            tx.commit();
        });
        EXPECT_EQ(lost.code(), SQLITE_CANTOPEN);
        EXPECT_TRUE(lost.thaiMessage().startsWith(
            QStringLiteral("การเชื่อมต่อกับเซิร์ฟเวอร์ฐานข้อมูลขาดระหว่างบันทึก")))
            << lost.thaiMessage().toStdString();
    }
    EXPECT_EQ(db.first("SELECT nextmagno FROM jourctrl")->text(0), "3");
}

// Logins of the test's own, gone with it (after the databases that name them).
struct Logins {
    QString reader = QStringLiteral("reader_%1").arg(QCoreApplication::applicationPid());
    QString bare = QStringLiteral("bare_%1").arg(QCoreApplication::applicationPid());
    Logins() { run(QStringLiteral("CREATE ROLE %1 LOGIN; CREATE ROLE %2 LOGIN")); }
    ~Logins() { run(QStringLiteral("DROP ROLE IF EXISTS %1; DROP ROLE IF EXISTS %2")); }
    void run(const QString& sql) const {
        for (const QString& one : sql.arg(reader, bare).split(QStringLiteral("; ")))
            Database(testing_support::testServer()).exec(one.toUtf8().constData());
    }
};

TEST(Postgres, ALoginWithoutTheRightIsSaidSoAndOneThatMayOnlyReadOpensForReading) {
    NEEDS_SERVER();
    const Logins logins;
    TempDatabase temp;
    auto as = [](const TempDatabase& at, const QString& role) {
        return QString(at.path()).replace(QStringLiteral("user=postgres"),
                                          QStringLiteral("user=") + role);
    };
    temp.db().exec(QStringLiteral("GRANT SELECT ON ALL TABLES IN SCHEMA public TO %1")
                       .arg(logins.reader)
                       .toUtf8()
                       .constData());

    EXPECT_FALSE(prepareDatabase(as(temp, logins.reader)));
    Database readOnly(as(temp, logins.reader));
    EXPECT_TRUE(readOnly.readOnly());
    EXPECT_EQ(readOnly.first("SELECT count(*) FROM dealer")->value(0).toInt(), 5);
    const DbError refused = errorOf([&] {
        Transaction tx(readOnly);
        readOnly.exec("UPDATE jourctrl SET nextmagno = '2'");
    });
    EXPECT_EQ(refused.code(), SQLITE_READONLY);

    // No right to create pg_trgm nor the tables: the login is named as the cause.
    TempDatabase empty(TempDatabase::Start::Empty);
    const DbError denied = errorOf([&] {
        Database target(as(empty, logins.bare));
        initPostgres(target);
    });
    EXPECT_EQ(denied.code(), SQLITE_AUTH);
    EXPECT_TRUE(denied.thaiMessage().startsWith(QStringLiteral("ชื่อผู้ใช้ที่เข้าสู่เซิร์ฟเวอร์ฐานข้อมูลไม่มีสิทธิ์")))
        << denied.thaiMessage().toStdString();
}

TEST(Postgres, WritersQueueAndGiveUpAfterThreeSeconds) {
    NEEDS_SERVER();
    TempDatabase temp;
    Database first(temp.path());
    Database second(temp.path());
    {
        Transaction hold(first);
        first.exec("UPDATE jourctrl SET nextmagno = '2'");
        QElapsedTimer waited;
        waited.start();
        const DbError busy = errorOf([&] { Transaction tx(second); });
        EXPECT_EQ(busy.code(), SQLITE_BUSY);
        EXPECT_GE(waited.elapsed(), 2900);
        EXPECT_LT(waited.elapsed(), 6000);
        hold.commit();
    }
    // Once the first save is done the second gets its turn, and what it
    // reads inside its transaction is the first one's result.
    Transaction tx(second);
    EXPECT_EQ(second.first("SELECT nextmagno FROM jourctrl")->text(0), "2");
    second.exec("UPDATE jourctrl SET nextmagno = '3'");
    tx.commit();
    EXPECT_EQ(first.first("SELECT nextmagno FROM jourctrl")->text(0), "3");
}

TEST(Postgres, ASaveWithAFailedStatementIsNeverReportedDone) {
    NEEDS_SERVER();
    TempDatabase temp;
    Database& db = temp.db();
    {
        Transaction tx(db);
        db.exec("UPDATE jourctrl SET nextmagno = '5'");
        EXPECT_THROW(db.exec("INSERT INTO no_such_table VALUES (1)"), DbError);
        EXPECT_THROW(tx.commit(), DbError);
    }
    {
        Transaction tx(db);
        db.exec("UPDATE jourctrl SET nextmagno = '6'");
    }
    EXPECT_EQ(db.first("SELECT nextmagno FROM jourctrl")->text(0), "1");
}

TEST(Postgres, TheSchemaIsMadeOnceOnAnEmptyDatabaseOnly) {
    NEEDS_SERVER();
    TempDatabase temp;
    EXPECT_TRUE(prepareDatabase(temp.path()));
    const DbError again = errorOf([&] { initPostgres(temp.db()); });
    EXPECT_TRUE(again.detail().contains("already holds tables"));
    EXPECT_EQ(temp.db().first("SELECT count(*) FROM dealer")->value(0).toInt(), 5);

    // An empty database is not one of this program's until it is made so.
    temp.db().exec("DROP TABLE schema_version");
    const DbError empty = errorOf([&] { prepareDatabase(temp.path()); });
    EXPECT_EQ(empty.code(), SQLITE_NOTADB);
    EXPECT_TRUE(empty.detail().contains("--init-database"));
}

TEST(Postgres, AServerOfAnEarlierReleaseIsBroughtUpToDateByTheFirstDeskToStart) {
    NEEDS_SERVER();
    TempDatabase temp;
    Database& db = temp.db();
    // The schema as the first servers were made: no table of latest issues.
    db.exec("DROP TRIGGER tranfile_latest ON tranfile");
    db.exec("DROP TABLE latest_issue");
    db.exec("UPDATE schema_version SET version = 5");
    db.exec(
        "INSERT INTO tranfile (magno, department_code, pointer, receivedate, descriptionitem)"
        " VALUES ('1', '01', 'J1', '05/11/2026', 'a'), ('2', '01', 'J1', 'ไม่ทราบ', 'b'),"
        " ('3', '01', 'J1', '28/10/2026', 'c'), ('4', '02 ', ' J1', '01/01/2026', 'd')");
    const auto latest = [&] {
        QStringList rows;
        for (const Row& row : db.query("SELECT pointer, department_code, descriptionitem"
                                       " FROM latest_issue ORDER BY 1, 2"))
            rows << row.text(0) + u'|' + row.text(1) + u'|' + row.text(2);
        return rows;
    };

    EXPECT_TRUE(prepareDatabase(temp.path()));
    EXPECT_EQ(fileVersion(db).userVersion, kSchemaVersion);
    EXPECT_EQ(latest(), QStringList({"J1|01|a", "J1|02|d"}));
    db.exec("DELETE FROM tranfile WHERE magno = '1'");
    EXPECT_EQ(latest(), QStringList({"J1|01|c", "J1|02|d"}));

    // A release older than the first server's is refused as before.
    db.exec("UPDATE schema_version SET version = 4");
    EXPECT_EQ(errorOf([&] { prepareDatabase(temp.path()); }).code(), SQLITE_NOTADB);
}
