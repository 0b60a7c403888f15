#pragma once

#include <QString>
#include <vector>

namespace data {

class Database;

struct CopiedTable {
    QString name;
    qint64 rows = 0;
};

// Copies every table of `from` (an SQLite file of this program) into `to`, an
// empty PostgreSQL database, in one transaction: the schema is made, the rows
// go in in their stored order, and the copy is committed only when each
// table holds as many rows as its source. Raises DbError otherwise, leaving
// `to` as it was.
std::vector<CopiedTable> copyIntoServer(const Database& from, Database& to);

}  // namespace data
