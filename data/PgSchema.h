#pragma once

#include <QByteArray>
#include <span>

#include "data/Migrations.h"

namespace data {

class Database;

// The same tables on a PostgreSQL server, from SQLite's CREATE TABLE texts:
// text columns order by bytes as SQLite's do, and each table gets a last
// column `rowid` numbered by the server, which the records modules order by.
// Also made: the functions the translated statements call (PgDialect), the
// indexes (trigram indexes of pg_trgm for the name searches) and the one-row
// table that holds the schema's marks.
void createPostgresSchema(Database& db, std::span<const char* const> sqliteTables);

// SQLite's CREATE TABLE text as the server's.
QByteArray postgresTable(const char* sqlite);
// The functions and the trigger that keep the latest issue of each title and
// faculty, and its rows for the issues already there.
void createPostgresLatestIssues(Database& db);
// The server's indexes of the issues by their date keys.
void createPostgresDateIndexes(Database& db);

FileVersion postgresVersion(const Database& db);
void stampPostgresVersion(Database& db, int version);

}  // namespace data
