#pragma once

#include <QString>

class QTextStream;

namespace shell {

// `periodicals --init-database`: makes every table, index and first-run row
// on the configured PostgreSQL database, all in one transaction; a database
// that already holds tables is refused. Returns the exit code.
int initServerDatabase(const QString& location, QTextStream& out);

// `periodicals --copy-to URL`: copies every table of this user's SQLite file
// into the empty PostgreSQL database at `url` in one transaction, and keeps
// the copy only when each table holds as many rows as in the file.
int copyToServer(const QString& sqliteFile, const QString& url, QTextStream& out);

// `periodicals --check` on a server: the server's version and the schema's,
// after the checks of the start-up; 1 with the reason for a database the
// program would refuse, and for one it has yet to bring up to date.
int checkServer(const QString& location, QTextStream& out);

}  // namespace shell
