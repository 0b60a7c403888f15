#include <gtest/gtest.h>
#include <sqlite3.h>

#include <limits>

#include "data/DbError.h"
#include "data/FieldLimits.h"
#include "tests/support/TempDatabase.h"

using namespace data;

TEST(Database, ValuesTravelAsBoundParametersOnly) {
    testing_support::TempDatabase temp;
    Database& db = temp.db();
    const QString tricky = QStringLiteral("O'Reilly \"ไทย\" 100% _x_; DROP TABLE dealer; --");
    db.exec("INSERT INTO dealer (Publisher_Code, Publisher_Name) VALUES (?, ?)", {"77", tricky});
    const auto row = db.first("SELECT Publisher_Name FROM dealer WHERE Publisher_Code = ?", {"77"});
    ASSERT_TRUE(row);
    EXPECT_EQ(row->text(0), tricky);
    EXPECT_TRUE(db.first("SELECT count(*) FROM dealer"));
}

TEST(Database, RefusesMultipleStatementsAndWrongParameterCounts) {
    testing_support::TempDatabase temp;
    Database& db = temp.db();
    EXPECT_THROW(db.exec("DELETE FROM dealer; DELETE FROM maglang"), DbError);
    EXPECT_THROW(db.exec("DELETE FROM dealer WHERE Publisher_Code = ?", {}), DbError);
    EXPECT_THROW(db.exec("DELETE FROM dealer WHERE Publisher_Code = ?", {"1", "2"}), DbError);
    EXPECT_EQ(db.first("SELECT count(*) FROM dealer")->text(0), "5");
}

TEST(Database, NullsReadAsNullAndEmptyText) {
    testing_support::TempDatabase temp;
    const auto row = temp.db().first("SELECT NULL, '', 'x'");
    EXPECT_TRUE(row->isNull(0));
    EXPECT_EQ(row->text(0), "");
    EXPECT_FALSE(row->isNull(1));
    EXPECT_EQ(row->text(2), "x");
}

TEST(Database, TransactionRollsBackUnlessCommitted) {
    testing_support::TempDatabase temp;
    Database& db = temp.db();
    try {
        Transaction tx(db);
        db.exec("INSERT INTO jourctrl VALUES ('500')");
        db.exec("INSERT INTO no_such_table VALUES (1)");
        tx.commit();
    } catch (const DbError& e) {
        EXPECT_TRUE(e.detail().contains("no_such_table"));
        EXPECT_FALSE(e.thaiMessage().isEmpty());
    }
    EXPECT_EQ(db.first("SELECT count(*) FROM jourctrl")->text(0), "1");

    {
        Transaction tx(db);
        db.exec("UPDATE jourctrl SET nextmagno = '9'");
        tx.commit();
    }
    EXPECT_EQ(db.first("SELECT nextmagno FROM jourctrl")->text(0), "9");
}

TEST(Database, ASecondWriterWaitsThenFailsClearly) {
    testing_support::TempDatabase temp;
    Database other(temp.path());
    Transaction hold(other);
    other.exec("UPDATE jourctrl SET nextmagno = '2'");

    Database mine(temp.path());
    try {
        Transaction tx(mine);
        FAIL() << "the write lock was granted twice";
    } catch (const DbError& e) {
        EXPECT_EQ(e.code() & 0xff, SQLITE_BUSY);
        EXPECT_TRUE(e.thaiMessage().startsWith(QStringLiteral("ฐานข้อมูลกำลังถูกใช้งาน")));
    }
}

TEST(Database, AnIntegerCastReadsTheNumberATextStartsWith) {
    testing_support::TempDatabase temp;
    const auto cast = [&](const char* text) {
        return temp.db()
            .first("SELECT CAST(? AS INTEGER)", {QString::fromLatin1(text)})
            ->value(0)
            .toLongLong();
    };
    EXPECT_EQ(cast("12"), 12);
    EXPECT_EQ(cast("  0012abc"), 12);
    EXPECT_EQ(cast("-5x"), -5);
    EXPECT_EQ(cast("abc"), 0);
    EXPECT_EQ(cast(""), 0);
    EXPECT_EQ(cast("99999999999999999999"), std::numeric_limits<qint64>::max());
}

TEST(Database, EachTextColumnTakesTheSameMostCharactersOnEitherStore) {
    testing_support::TempDatabase temp;
    Database& db = temp.db();
    const QString emoji = QStringLiteral("📚");
    const struct {
        const char* insert;
        const char* update;
        int limit;
    } cases[] = {
        {"INSERT INTO vorlen1 (pointer, vorlen_name) VALUES ('J1', ?)",
         "UPDATE vorlen1 SET vorlen_name = ?", kLongText},
        {"INSERT INTO dealer (Publisher_Code, Publisher_Address1) VALUES ('9', ?)",
         "UPDATE dealer SET Publisher_Address1 = ? WHERE Publisher_Code = '9'", kLongText},
        {"INSERT INTO tranfile (magno, receivedate) VALUES ('9', ?)",
         "UPDATE tranfile SET receivedate = ?", kShortText},
        {"INSERT INTO vorlen (pointer, price_per_year) VALUES ('J1', ?)",
         "UPDATE vorlen SET price_per_year = ?", kShortText},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.insert);
        // Characters, not bytes nor UTF-16 units: an emoji counts once.
        EXPECT_EQ(db.exec(c.insert, {emoji.repeated(c.limit)}), 1);
        EXPECT_EQ(db.exec(c.update, {QString(c.limit, u'ก')}), 1);
        for (const char* sql : {c.insert, c.update}) {
            try {
                db.exec(sql, {QString(c.limit + 1, u'a')});
                ADD_FAILURE() << "stored";
            } catch (const DbError& e) {
                EXPECT_EQ(e.code(), SQLITE_TOOBIG) << e.detail().toStdString();
                EXPECT_TRUE(e.thaiMessage().startsWith(QStringLiteral("ข้อความยาวเกิน")));
            }
        }
    }
    // The title name of 10,000 characters the file once took and the server
    // could not index.
    EXPECT_THROW(db.exec("UPDATE vorlen1 SET vorlen_name = ?", {QString(10000, u'ก')}), DbError);
    EXPECT_EQ(db.first("SELECT vorlen_name FROM vorlen1")->text(0), QString(kLongText, u'ก'));
    // The old program's memo comes in whole from its file.
    EXPECT_EQ(db.exec("UPDATE vorlen1 SET remark = ?", {QString(5000, u'ก')}), 1);
}
