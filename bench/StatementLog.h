#pragma once

#include <sqlite3.h>

#include <QByteArray>
#include <vector>

// The statements every SQLite connection of this process runs while a
// recording is open, each with its bound values written in, as the program
// ran them. Statements inside triggers are left out: replaying the statement
// that fired them fires them again.
class StatementLog {
  public:
    // From now on every connection opened is watched.
    StatementLog();
    ~StatementLog();
    StatementLog(const StatementLog&) = delete;
    StatementLog& operator=(const StatementLog&) = delete;

    void start();
    std::vector<QByteArray> stop();
    void record(sqlite3_stmt* statement);
    // A connection whose statements are not the program's (the baseline's).
    static void ignore(sqlite3* db);

  private:
    bool recording_ = false;
    std::vector<QByteArray> statements_;
};
