#include <gtest/gtest.h>

#include "data/PgDialect.h"
#include "data/SortableDate.h"

using data::postgresStatement;

TEST(PgDialect, TurnsSqliteTextIntoPostgresText) {
    // Placeholders are numbered as SQLite numbers them; quoted text and names
    // keep their question marks.
    const auto numbered =
        postgresStatement("SELECT ?, ?3, ? FROM t WHERE a = '?' AND \"b?\" = ?1 AND c = 'it''s ?'");
    EXPECT_EQ(numbered.text,
              "SELECT $1, $3, $4 FROM t WHERE a = '?' AND \"b?\" = $1 AND c = 'it''s ?'");
    EXPECT_EQ(numbered.parameterCount, 4);
    EXPECT_EQ(postgresStatement("DELETE FROM t").parameterCount, 0);

    // LIKE ignores the case of ASCII letters in SQLite: the word, not a text
    // or a longer name holding it.
    EXPECT_EQ(postgresStatement("SELECT 1 WHERE n LIKE ?1 ESCAPE '\\' AND m not like 'LIKE'"
                                " AND unlikely_name = 1")
                  .text,
              "SELECT 1 WHERE n ILIKE $1 ESCAPE '\\' AND m not ILIKE 'LIKE'"
              " AND unlikely_name = 1");

    // The date expression, whatever column or value it reads, becomes the
    // schema's function, and going down an unreadable date stays last as on
    // the file; other CASE expressions stay.
    EXPECT_EQ(postgresStatement("SELECT " + data::sortableDate("t.daily") + " FROM t ORDER BY " +
                                data::sortableDate("?1") + " DESC, " +
                                data::sortableDate("t.daily") + " DESCENDING")
                  .text,
              "SELECT sortable_date(t.daily) FROM t ORDER BY sortable_date($1) DESC NULLS LAST,"
              " sortable_date(t.daily) DESCENDING");
    // So do the issues' stored date keys, and only they, and only once.
    EXPECT_EQ(postgresStatement("SELECT 1 FROM tranfile t ORDER BY t.daily_key DESC, rowid,"
                                " receivedate_key DESC NULLS FIRST, my_daily_key DESC,"
                                " daily_key DESCENDING, receivedate_key DESC")
                  .text,
              "SELECT 1 FROM tranfile t ORDER BY t.daily_key DESC NULLS LAST, rowid,"
              " receivedate_key DESC NULLS FIRST, my_daily_key DESC, daily_key DESCENDING,"
              " receivedate_key DESC NULLS LAST");
    const QByteArray otherCase = "SELECT (CASE WHEN (trim(a) = '') THEN 1 END) FROM t";
    EXPECT_EQ(postgresStatement(otherCase).text, otherCase);

    // SQLite's lenient integer cast, nested or around a date, and only that cast.
    EXPECT_EQ(postgresStatement("SELECT CAST(trim(c) AS INTEGER), CAST(')' || c AS INTEGER),"
                                " CAST(c AS TEXT), RECAST(c AS INTEGER) FROM t")
                  .text,
              "SELECT leading_integer(trim(c)), leading_integer(')' || c),"
              " CAST(c AS TEXT), RECAST(c AS INTEGER) FROM t");
    EXPECT_EQ(
        postgresStatement("SELECT CAST(substr(" + data::sortableDate("d") + ", 6, 2) AS INTEGER)")
            .text,
        "SELECT leading_integer(substr(sortable_date(d), 6, 2))");

    // No limit: SQLite's -1 is PostgreSQL's ALL; other limits stay.
    EXPECT_EQ(postgresStatement("SELECT a FROM t ORDER BY a LIMIT -1").text,
              "SELECT a FROM t ORDER BY a LIMIT ALL");
    EXPECT_EQ(postgresStatement("SELECT a FROM t LIMIT -10").text, "SELECT a FROM t LIMIT -10");
}
