#include <gtest/gtest.h>

#include <QStringList>

#include "bench/PlainSqlite.h"
#include "bench/StatementLog.h"
#include "data/Database.h"
#include "tests/support/TempDatabase.h"

// The bench's baseline runs each statement the program ran again with its
// values bound as the program bound them: a value written into the text
// instead could lead SQLite to another plan, and a value read back wrong
// would time other work.
TEST(BenchReplay, EveryValueIsBoundAgainWithItsTypeAndValue) {
    StatementLog log;  // before the connection, which it then watches
    testing_support::TempDatabase temp;
    data::Database& db = temp.db();
    db.exec("CREATE TABLE bound (a, b)");
    const struct {
        const char* sql;
        QVariantList values;
    } cases[] = {
        {"INSERT INTO bound (a, b) VALUES (?, ?)",
         {QStringLiteral("it's 'quoted' ? twice"), qint64(-9007199254740993)}},
        {"INSERT INTO bound (a, b) VALUES (?, ?)", {2.5, QVariant()}},
        {"INSERT INTO bound (a, b) VALUES (?, ?)", {QStringLiteral("ก่ำ %1 \"x\""), QString()}},
        {"INSERT INTO bound (a, b) VALUES (?, ?)", {QStringLiteral("12"), 12}},
        {"INSERT INTO bound (a, b) SELECT ?, 'a ''?'' b' || ? WHERE '?' <> ?",
         {QStringLiteral("?"), QStringLiteral("'"), QStringLiteral("NULL")}},
    };
    const auto stored = [&] {
        QStringList out;
        for (const data::Row& row :
             db.query("SELECT typeof(a), quote(a), typeof(b), quote(b) FROM bound"))
            out << row.text(0) + u' ' + row.text(1) + u' ' + row.text(2) + u' ' + row.text(3);
        db.exec("DELETE FROM bound");
        return out;
    };
    PlainSqlite plain(temp.path(), {});
    for (const auto& c : cases) {
        log.start();
        db.exec(c.sql, c.values);
        const std::vector<RecordedStatement> ran = log.stop();
        const QStringList asTheProgramWrote = stored();
        ASSERT_EQ(asTheProgramWrote.size(), 1) << c.sql;
        plain.replay(ran);
        EXPECT_EQ(stored(), asTheProgramWrote) << c.sql;
    }
}
