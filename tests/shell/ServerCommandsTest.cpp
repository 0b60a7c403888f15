#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTextStream>

#include "data/DatabaseFile.h"
#include "data/Migrations.h"
#include "shell/ServerCommands.h"
#include "tests/support/TempDatabase.h"

using testing_support::TempDatabase;

namespace {

struct Printed {
    int code = 0;
    QString out;
};

template <typename Command>
Printed run(Command command) {
    Printed r;
    QTextStream out(&r.out);
    r.code = command(out);
    return r;
}

}  // namespace

TEST(ServerCommands, InitMakesTheSchemaOnceAndCheckReportsBothVersions) {
    if (!testing_support::onPostgres()) {
        // Without a server there is nothing to make: the file makes itself.
        EXPECT_EQ(run([](QTextStream& o) {
                      return shell::initServerDatabase(QStringLiteral("/tmp/Vorlen.db"), o);
                  }).code,
                  2);
        return;
    }
    TempDatabase server(TempDatabase::Start::Empty);
    const QString at = server.path();
    const Printed made = run([&](QTextStream& o) { return shell::initServerDatabase(at, o); });
    EXPECT_EQ(made.code, 0) << made.out.toStdString();
    EXPECT_EQ(server.db().first("SELECT count(*) FROM magtype")->value(0).toInt(), 8);
    const Printed again = run([&](QTextStream& o) { return shell::initServerDatabase(at, o); });
    EXPECT_EQ(again.code, 1);
    EXPECT_EQ(server.db().first("SELECT count(*) FROM magtype")->value(0).toInt(), 8);

    const Printed checked = run([&](QTextStream& o) { return shell::checkServer(at, o); });
    EXPECT_EQ(checked.code, 0);
    EXPECT_TRUE(checked.out.contains(QStringLiteral("PostgreSQL รุ่น 15")))
        << checked.out.toStdString();
    EXPECT_TRUE(checked.out.contains(QStringLiteral("โครงสร้างข้อมูลรุ่น %1").arg(data::kSchemaVersion)))
        << checked.out.toStdString();
}

TEST(ServerCommands, CopyToTakesEveryRowOfTheFileIntoAnEmptyServerOnly) {
    if (!testing_support::onPostgres())
        GTEST_SKIP() << "the copy goes to a server";
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Vorlen.db"));
    data::prepareDatabase(file);
    {
        data::Database db(file);
        db.exec("INSERT INTO vorlen1 (pointer, vorlen_name) VALUES ('J000001', 'วารสาร ''ครู''')");
        db.exec(
            "INSERT INTO tranfile (magno, pointer, receivedate) VALUES ('1', 'J000001', "
            "'05/12/2026'), ('2', 'J000001', NULL)");
        db.exec("UPDATE jourctrl SET nextmagno = '3'");
    }
    TempDatabase server(TempDatabase::Start::Empty);
    const Printed copied =
        run([&](QTextStream& o) { return shell::copyToServer(file, server.path(), o); });
    ASSERT_EQ(copied.code, 0) << copied.out.toStdString();
    data::Database& db = server.db();
    EXPECT_EQ(db.first("SELECT vorlen_name FROM vorlen1")->text(0), QStringLiteral("วารสาร 'ครู'"));
    EXPECT_EQ(db.first("SELECT count(*), count(receivedate) FROM tranfile")->value(0).toInt(), 2);
    EXPECT_TRUE(db.first("SELECT receivedate FROM tranfile WHERE magno = '2'")->isNull(0));
    EXPECT_EQ(db.first("SELECT nextmagno FROM jourctrl")->text(0), "3");
    EXPECT_EQ(data::fileVersion(db).userVersion, data::kSchemaVersion);
    // The copy is a working store: the program opens it as its own.
    EXPECT_TRUE(data::prepareDatabase(server.path()));

    const Printed twice =
        run([&](QTextStream& o) { return shell::copyToServer(file, server.path(), o); });
    EXPECT_EQ(twice.code, 1);
    EXPECT_EQ(db.first("SELECT count(*) FROM tranfile")->value(0).toInt(), 2);
}
