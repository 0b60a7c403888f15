#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QTemporaryDir>

#include "data/DatabaseCopy.h"
#include "data/DatabaseFile.h"
#include "data/DbError.h"
#include "data/FieldLimits.h"
#include "tests/support/TempDatabase.h"

using namespace data;
using testing_support::TempDatabase;

namespace {

struct Copy : ::testing::Test {
    QTemporaryDir dir;
    QString file = dir.filePath(QStringLiteral("Vorlen.db"));

    void SetUp() override {
        if (!testing_support::onPostgres())
            GTEST_SKIP() << "the copy goes to a server";
        prepareDatabase(file);
    }

    // Each latest issue with the issue it names.
    static QStringList latest(const Database& db) {
        QStringList rows;
        for (const Row& row : db.query("SELECT l.pointer, l.department_code, t.magno FROM"
                                       " latest_issue AS l JOIN tranfile AS t"
                                       " ON t.rowid = l.issue_rowid ORDER BY 1, 2"))
            rows << row.text(0) + u'|' + row.text(1) + u'|' + row.text(2);
        return rows;
    }
};

}  // namespace

TEST_F(Copy, TheLatestIssuesNameTheServersOwnIssues) {
    {
        Database db(file);
        db.exec(
            "INSERT INTO tranfile (magno, department_code, pointer, receivedate) VALUES"
            " ('1', '01', 'J1', '01/11/2026'), ('2', '01', 'J1', '02/11/2026'),"
            " ('3', '01', 'J1', '01/10/2026'), ('4', '02', 'J1', '05/11/2026')");
        // The file's numbers now have a gap the server's will not.
        db.exec("DELETE FROM tranfile WHERE magno = '1'");
    }
    TempDatabase server(TempDatabase::Start::Empty);
    const Database from(file);
    copyIntoServer(from, server.db());
    EXPECT_EQ(latest(server.db()), QStringList({"J1|01|2", "J1|02|4"}));
    EXPECT_EQ(latest(server.db()), latest(from));
    // And the server keeps them from now on.
    server.db().exec(
        "INSERT INTO tranfile (magno, department_code, pointer, receivedate)"
        " VALUES ('5', '02', 'J1', '06/11/2026')");
    EXPECT_EQ(latest(server.db()), QStringList({"J1|01|2", "J1|02|5"}));
}

TEST_F(Copy, AValueTheServerCannotStoreIsNamedAndNothingIsCopied) {
    const struct {
        QString name;
        const char* problem;
    } cases[] = {
        {QString::fromUtf16(u"ชื่อ\0ส่วนที่หาย", 15), "NUL"},
        {QString(10000, u'ก'), "ยาว 10000 ตัวอักษร"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.problem);
        {
            // As a release without the length rules left the file.
            Database db(file);
            db.exec("DROP TRIGGER IF EXISTS vorlen1_vorlen_name_length_insert");
            db.exec("DELETE FROM vorlen1");
            db.exec("INSERT INTO vorlen1 (pointer, vorlen_name) VALUES ('J1', 'ก่อน')");
            db.exec("INSERT INTO vorlen1 (pointer, vorlen_name) VALUES ('J2', ?)", {c.name});
        }
        TempDatabase server(TempDatabase::Start::Empty);
        const Database from(file);
        const qint64 row =
            from.first("SELECT rowid FROM vorlen1 WHERE pointer = 'J2'")->value(0).toLongLong();
        try {
            copyIntoServer(from, server.db());
            ADD_FAILURE() << "copied";
        } catch (const DbError& e) {
            EXPECT_TRUE(e.thaiMessage().contains(
                QStringLiteral("ตาราง vorlen1 แถวที่ %1 ช่อง vorlen_name").arg(row)))
                << e.thaiMessage().toStdString();
            EXPECT_TRUE(e.thaiMessage().contains(QString::fromUtf8(c.problem)));
        }
        EXPECT_EQ(server.db()
                      .first("SELECT count(*) FROM information_schema.tables"
                             " WHERE table_schema = current_schema()")
                      ->value(0)
                      .toInt(),
                  0);
    }
}

TEST_F(Copy, ATidyingThatFailsAfterTheCommitIsAWarningAndTheCopyStands) {
    TempDatabase server(TempDatabase::Start::Empty);
    // Another program holds a table of its own, elsewhere in the database,
    // so the vacuum after the copy waits past the lock timeout.
    Database other(server.path());
    other.exec("CREATE SCHEMA elsewhere");
    other.exec("CREATE TABLE elsewhere.held (x integer)");
    other.exec("BEGIN");
    other.exec("LOCK TABLE elsewhere.held IN ACCESS EXCLUSIVE MODE");
    const Database from(file);
    const CopyReport report = copyIntoServer(from, server.db());
    other.exec("ROLLBACK");
    EXPECT_FALSE(report.warning.isEmpty());
    EXPECT_EQ(server.db().first("SELECT count(*) FROM dealer")->value(0).toInt(), 5);
    EXPECT_TRUE(prepareDatabase(server.path()));
}
