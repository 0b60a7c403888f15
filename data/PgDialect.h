#pragma once

#include <QByteArray>

namespace data {

// A statement as PostgreSQL runs it, and the number of values it takes.
struct PgStatement {
    QByteArray text;
    int parameterCount = 0;
};

// The records modules write their SQL once, for SQLite; this turns such a
// statement into PostgreSQL's dialect where the two differ:
//   ? and ?N           $N (numbered as SQLite numbers them)
//   LIKE               ILIKE (SQLite's LIKE ignores the case of ASCII letters)
//   sortableDate(col)  sortable_date(col), a function of the PostgreSQL schema
//   ... DESC           ... DESC NULLS LAST after sortableDate and after the
//                      issues' date keys: an unreadable date stays last, as
//                      SQLite, which orders NULL lowest, keeps it
//   CAST(x AS INTEGER) leading_integer(x): SQLite reads the number a text
//                      starts with (0 when none) where PostgreSQL would fail
//   LIMIT -1           LIMIT ALL (no limit; SQLite has no ALL)
// Quoted texts and names are left as they are.
PgStatement postgresStatement(const QByteArray& sqlite);

}  // namespace data
