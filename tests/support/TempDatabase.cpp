#include "tests/support/TempDatabase.h"

#include <QCoreApplication>

#include "data/DatabaseFile.h"
#include "data/DbError.h"

namespace testing_support {

QString testServer() {
    return qEnvironmentVariable("PERIODICALS_TEST_POSTGRESQL");
}

TempDatabase::TempDatabase(Start start) {
    const QString server = testServer();
    if (server.isEmpty()) {
        path_ = dir_.path() + QStringLiteral("/Vorlen.db");
        if (start == Start::FirstRun)
            data::prepareDatabase(path_);
        return;
    }
    static int serial = 0;
    serverDatabase_ = QStringLiteral("periodicals_test_%1_%2")
                          .arg(QCoreApplication::applicationPid())
                          .arg(++serial);
    data::Database(server).exec(
        ("CREATE DATABASE " + serverDatabase_ + " TEMPLATE template0").toUtf8().constData());
    path_ = data::otherPostgresDatabase(server, serverDatabase_);
    if (start == Start::FirstRun)
        data::initPostgres(db());
}

TempDatabase::~TempDatabase() {
    db_.reset();
    if (serverDatabase_.isEmpty())
        return;
    // Connections a test left open (a window's) end with the database.
    try {
        data::Database(testServer())
            .exec(("DROP DATABASE " + serverDatabase_ + " WITH (FORCE)").toUtf8().constData());
    } catch (const data::DbError& e) {
        qWarning("%s left on the test server: %s", qPrintable(serverDatabase_), e.what());
    }
}

data::Database& TempDatabase::db() {
    if (!db_)
        db_ = std::make_unique<data::Database>(path_);
    return *db_;
}

void TempDatabase::clear(const char* table) {
    db().exec(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table)).toUtf8().constData());
}

}  // namespace testing_support
