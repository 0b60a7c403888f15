#pragma once

#include <QString>

namespace data {

// The one database file of the program, per user.
QString defaultDatabasePath();

// Makes sure the database at `path` is ready: a missing file is created with
// every table and the first-run rows; an existing file is opened and checked,
// and a file of an older version of this program is copied into `backups/`
// and then brought up to date. Returns false when the file can only be read.
// Raises DbError, leaving the file untouched, when it cannot serve: not a
// database, another program's or a later version's file, or a table missing.
// A PostgreSQL database is only opened and checked, never created or changed.
bool prepareDatabase(const QString& path);

class Database;

// Makes every table, index and the first-run rows in an empty PostgreSQL
// database, all in one transaction; raises DbError, creating nothing, when
// the database already holds a table.
void initPostgres(Database& db);
// Raises DbError when the PostgreSQL database already holds tables.
void requireEmptyServer(const Database& db);

// Whether the database has a table of this name (in any case).
bool hasTable(const Database& db, const char* name);

// Raises DbError unless the open file is a database of this program, of this
// or an older version, with every table; on a server, of a version this
// program can bring up to date, said as the database on the server.
void checkOwnFile(const Database& db);

// Sets the journal mode of an open SQLite file ("WAL", "DELETE") and returns
// the mode it is in after, in lower case: the one it had when another
// connection keeps it from changing.
QString setJournalMode(const Database& db, const char* mode);
// The journal mode of an open SQLite file, in lower case.
QString journalMode(const Database& db);

// Moves every change from the write-ahead log into the file and empties the
// log, so the file alone holds the data; failures are left for the next start.
void checkpointWal(const QString& path);

}  // namespace data
