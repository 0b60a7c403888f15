#pragma once

#include <sqlite3.h>

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// Statements straight through the sqlite3 library, with no program layers:
// prepare, bind, read every column of every row as text. Its own statements
// are not recorded in the StatementLog.
class PlainSqlite {
  public:
    // `setUp`: what the program runs on a connection it opens, run here too.
    PlainSqlite(const QString& path, const std::vector<QByteArray>& setUp);
    ~PlainSqlite();
    PlainSqlite(const PlainSqlite&) = delete;
    PlainSqlite& operator=(const PlainSqlite&) = delete;

    void run(const char* sql, const QStringList& params = {});
    void replay(const std::vector<QByteArray>& statements);
    int count(const char* sql, const QStringList& params = {});

  private:
    sqlite3_stmt* prepare(const char* sql, const QStringList& params);

    sqlite3* db_ = nullptr;
    qint64 sink_ = 0;
};
