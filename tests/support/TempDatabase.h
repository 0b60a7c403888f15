#pragma once

#include <QTemporaryDir>
#include <memory>

#include "data/Database.h"

namespace testing_support {

// The maintenance database of the test server when the tests run against
// PostgreSQL (PERIODICALS_TEST_POSTGRESQL), else empty.
QString testServer();
inline bool onPostgres() {
    return !testServer().isEmpty();
}

// A fresh database with every table and the first-run rows, in a folder that
// disappears with the object. When the tests run against PostgreSQL it is a
// database of its own on the test server, dropped with the object, and
// path() is its URI.
class TempDatabase {
  public:
    enum class Start { FirstRun, Empty };
    // Empty: no file yet, or a server database without a table.
    explicit TempDatabase(Start start = Start::FirstRun);
    ~TempDatabase();
    TempDatabase(const TempDatabase&) = delete;
    TempDatabase& operator=(const TempDatabase&) = delete;

    QString path() const { return path_; }
    QString folder() const { return dir_.path(); }
    // A connection of the test's own, beside the window's.
    data::Database& db();
    // Closes the test's connection (so the file alone holds the data); the
    // next db() opens a new one.
    void reopen() { db_.reset(); }
    // Empties a table, for tests that need their own rows.
    void clear(const char* table);

  private:
    QTemporaryDir dir_;
    QString serverDatabase_;
    QString path_;
    std::unique_ptr<data::Database> db_;
};

}  // namespace testing_support

// For a test about the SQLite file itself (damage, backups, locks, PRAGMAs).
#define SKIP_ON_POSTGRES(why)                                   \
    do {                                                        \
        if (testing_support::onPostgres())                      \
            GTEST_SKIP() << "about the SQLite file: " << (why); \
    } while (false)
