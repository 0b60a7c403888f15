#include <gtest/gtest.h>

#include <QCoreApplication>

#include "data/DatabaseFile.h"
#include "data/Migrations.h"
#include "shell/MainWindow.h"
#include "shell/Startup.h"
#include "tests/shell/Program.h"
#include "tests/support/TempDatabase.h"
#include "ui/Fakes.h"

using testing_support::Program;
using testing_support::TempDatabase;

TEST(ServerProgram, CheckRunsTheStartUpChecksAndSaysTheDatabaseOnTheServer) {
    if (!testing_support::onPostgres())
        GTEST_SKIP() << "about a server";
    TempDatabase server;
    // %2C and %3D in the address stay as they are in every message.
    const QString address = server.path() + "&application_name=desk%2C%3D1";
    Program program;
    program.setEnvironment("PERIODICALS_DATABASE", "POSTGRESQL" + address.mid(10));
    const QString version = QString::number(data::kSchemaVersion);

    EXPECT_EQ(program.run({"--check"}), 0) << program.output.toStdString();
    EXPECT_TRUE(program.output.contains(address.mid(10))) << program.output.toStdString();
    EXPECT_TRUE(program.output.contains(
        QStringLiteral("โครงสร้างข้อมูลรุ่น %1 (โปรแกรมนี้ใช้รุ่น %2)").arg(version, version)))
        << program.output.toStdString();
    EXPECT_EQ(program.run({"--restore", program.database()}), 2);
    EXPECT_TRUE(program.output.contains(QStringLiteral("การสำรองและกู้คืนข้อมูลเป็นหน้าที่ของเซิร์ฟเวอร์")));

    struct Case {
        const char* change;
        QString said;
    };
    // Each change adds to the last, and is checked before it.
    const Case cases[] = {
        {"DROP TABLE bindtype", QStringLiteral("ฐานข้อมูลบนเซิร์ฟเวอร์ไม่มีตาราง bindtype")},
        {"UPDATE schema_version SET version = version + 1",
         QStringLiteral("ฐานข้อมูลบนเซิร์ฟเวอร์มีโครงสร้างรุ่น %1 จากโปรแกรมรุ่นที่ใหม่กว่า (โปรแกรมนี้ใช้รุ่น %2)")
             .arg(QString::number(data::kSchemaVersion + 1), version)},
        {"UPDATE schema_version SET application_id = 1",
         QStringLiteral("ฐานข้อมูลบนเซิร์ฟเวอร์เป็นของโปรแกรมอื่น")},
    };
    for (const Case& c : cases) {
        server.db().exec(c.change);
        EXPECT_EQ(program.run({"--check"}), 1) << c.change;
        EXPECT_TRUE(program.output.contains(c.said)) << c.change << program.output.toStdString();
        EXPECT_FALSE(program.output.contains(QStringLiteral("แฟ้ม")))
            << program.output.toStdString();
    }
}

TEST(ServerProgram, InitAndCopyRefuseADatabaseWhoseTablesBelongToAnotherRole) {
    if (!testing_support::onPostgres())
        GTEST_SKIP() << "about a server";
    TempDatabase server(TempDatabase::Start::Empty);
    // The roles go with the test server.
    const QByteArray pid = QByteArray::number(QCoreApplication::applicationPid());
    const QByteArray desk = "desk_" + pid, other = "other_" + pid;
    const QByteArray database = server.path().section('/', 3).section('?', 0, 0).toLatin1();
    data::Database admin(testing_support::testServer());
    for (const QByteArray& sql : {"CREATE ROLE " + desk + " LOGIN", "CREATE ROLE " + other,
                                  "ALTER DATABASE " + database + " OWNER TO " + desk})
        admin.exec(sql.constData());
    for (const QByteArray& sql :
         {QByteArray("CREATE TABLE kept (x int)"), "ALTER TABLE kept OWNER TO " + other,
          QByteArray("REVOKE ALL ON kept FROM PUBLIC")})
        server.db().exec(sql.constData());

    const QString asDesk = QString(server.path()).replace("user=postgres", "user=" + desk);
    Program program;
    data::prepareDatabase(program.database());
    program.setEnvironment("PERIODICALS_DATABASE", asDesk);
    for (const QStringList& args : {QStringList{"--init-database"}, {"--copy-to", asDesk}}) {
        EXPECT_EQ(program.run(args), 1) << program.output.toStdString();
        EXPECT_TRUE(server.db().first("SELECT to_regclass('magtype')")->isNull(0))
            << args[0].toStdString();
    }
}

TEST(ServerProgram, ACopyWhoseTidyingFailsAfterTheCommitIsReportedDoneWithAWarning) {
    if (!testing_support::onPostgres())
        GTEST_SKIP() << "about a server";
    TempDatabase server(TempDatabase::Start::Empty);
    // Another program's lock, elsewhere in the database, outlasts the vacuum's
    // lock timeout.
    data::Database other(server.path());
    other.exec("CREATE SCHEMA elsewhere");
    other.exec("CREATE TABLE elsewhere.held (x integer)");
    other.exec("BEGIN");
    other.exec("LOCK TABLE elsewhere.held IN ACCESS EXCLUSIVE MODE");
    Program program;
    data::prepareDatabase(program.database());
    EXPECT_EQ(program.run({"--copy-to", server.path()}), 0) << program.output.toStdString();
    other.exec("ROLLBACK");
    EXPECT_TRUE(program.output.contains(QStringLiteral("ครบทุกตารางแล้ว")));
    EXPECT_TRUE(program.output.contains(QStringLiteral("คำเตือน: ปรับสถิติ")));
    EXPECT_FALSE(program.output.contains(QStringLiteral("ไม่มีการเปลี่ยนแปลง")));
    EXPECT_EQ(server.db().first("SELECT count(*) FROM dealer")->value(0).toInt(), 5);
}

TEST(ServerProgram, ALoginWithoutRightsIsSaidSoAndOneThatMayOnlyReadOpensForReading) {
    if (!testing_support::onPostgres())
        GTEST_SKIP() << "about a server";
    TempDatabase server;
    const QByteArray pid = QByteArray::number(QCoreApplication::applicationPid());
    const QByteArray reader = "reader_" + pid, bare = "bare_" + pid;
    data::Database admin(testing_support::testServer());
    for (const QByteArray& role : {reader, bare})
        admin.exec(("CREATE ROLE " + role + " LOGIN").constData());
    server.db().exec(("GRANT SELECT ON ALL TABLES IN SCHEMA public TO " + reader).constData());
    const struct {
        QByteArray login;
        int style;
        QString said;
    } cases[] = {
        {reader, ui::msg::kInformation, QStringLiteral("ฐานข้อมูลเปิดได้เพื่ออ่านอย่างเดียว")},
        {bare, ui::msg::kStop, QStringLiteral("ชื่อผู้ใช้ที่เข้าสู่เซิร์ฟเวอร์ฐานข้อมูลไม่มีสิทธิ์")},
    };
    for (const auto& c : cases) {
        ui::FakeMessageBox messages;
        const QString as =
            QString(server.path()).replace("user=postgres", "user=" + QString(c.login));
        const auto window = shell::startProgram(as, QDate(2026, 12, 8), messages);
        ASSERT_EQ(messages.shown().size(), 1u) << c.login.constData();
        EXPECT_EQ(messages.last().style, c.style);
        EXPECT_TRUE(messages.last().text.contains(c.said)) << messages.last().text.toStdString();
        EXPECT_FALSE(messages.last().text.contains(QStringLiteral("แฟ้ม")));
        if (c.login == reader) {
            window->open("reg_journal");
            EXPECT_NE(window->instance("reg_journal"), nullptr);
        }
    }
}
