#pragma once

#include <sqlite3.h>

#include <QByteArray>
#include <vector>

// One statement as the program ran it: as prepared, with its parameters,
// and with its bound values written in.
struct RecordedStatement {
    QByteArray sql, expanded;
};

// The statements every SQLite connection of this process runs while a
// recording is open, as the program ran them. Statements inside triggers are
// left out: replaying the statement that fired them fires them again.
class StatementLog {
  public:
    // From now on every connection opened is watched.
    StatementLog();
    ~StatementLog();
    StatementLog(const StatementLog&) = delete;
    StatementLog& operator=(const StatementLog&) = delete;

    void start();
    std::vector<RecordedStatement> stop();
    void record(sqlite3_stmt* statement);
    // A connection whose statements are not the program's (the baseline's).
    static void ignore(sqlite3* db);

  private:
    bool recording_ = false;
    std::vector<RecordedStatement> statements_;
};
