#include <gtest/gtest.h>

#include <QCoreApplication>

#include "data/Migrations.h"
#include "tests/shell/Program.h"
#include "tests/support/TempDatabase.h"

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

TEST(ServerProgram, InitRefusesADatabaseWhoseTablesBelongToAnotherRole) {
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

    Program program;
    program.setEnvironment("PERIODICALS_DATABASE",
                           QString(server.path()).replace("user=postgres", "user=" + desk));
    EXPECT_EQ(program.run({"--init-database"}), 1) << program.output.toStdString();
    EXPECT_TRUE(server.db().first("SELECT to_regclass('magtype')")->isNull(0));
}
