#pragma once

#include <sqlite3.h>

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

#include "bench/StatementLog.h"

// Statements straight through the sqlite3 library, with no program layers:
// prepare, bind, read every column of every row as text. Its own statements
// are not recorded in the StatementLog.
class PlainSqlite {
  public:
    // `setUp`: what the program runs on a connection it opens, run here too.
    PlainSqlite(const QString& path, const std::vector<RecordedStatement>& setUp);
    ~PlainSqlite();
    PlainSqlite(const PlainSqlite&) = delete;
    PlainSqlite& operator=(const PlainSqlite&) = delete;

    void run(const char* sql, const QStringList& params = {});
    // Each statement as the program prepared it, its values bound with the
    // types they had: a value written into the text could lead SQLite to
    // another plan than the program's.
    void replay(const std::vector<RecordedStatement>& statements);
    int count(const char* sql, const QStringList& params = {});

  private:
    sqlite3_stmt* prepare(const char* sql, const QStringList& params);
    void readAll(sqlite3_stmt* st);

    sqlite3* db_ = nullptr;
    qint64 sink_ = 0;
};
