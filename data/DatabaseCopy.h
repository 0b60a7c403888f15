#pragma once

#include <QString>
#include <vector>

namespace data {

class Database;

struct CopiedTable {
    QString name;
    qint64 rows = 0;
};

struct CopyReport {
    std::vector<CopiedTable> tables;
    // Set when the copy was committed but the server's tidying after it
    // (statistics, visibility map) failed: the copy stands, the server's own
    // vacuum does that work later.
    QString warning;
};

// Copies every table of `from` (an SQLite file of this program) into `to`, an
// empty PostgreSQL database, in one transaction: the schema is made, the rows
// go in in their stored order, the latest issues are made again from the
// server's issues, and the copy is committed only when each table holds as
// many rows as its source. A value the server cannot store as it stands (a
// NUL character, a text beyond its column's limit) is refused, naming its
// table, row and column. Raises DbError otherwise, leaving `to` as it was.
CopyReport copyIntoServer(const Database& from, Database& to);

}  // namespace data
