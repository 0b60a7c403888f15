#pragma once

#include <QString>

namespace data {

class Database;

// Name searches find every stored name that contains the typed text. A scan
// of the names grows with the collection, so texts of three characters or
// more are first looked up in trigram indexes (SQLite's FTS5, built in, kept
// in step by triggers) and only the rows found there are compared in full:
//
//   vorlen1_names  the four names of a title (vorlen1's rowid)
//   dealer_names   the name of a publisher, agent or shop (dealer's rowid)
//
// Also made here: an index on the trimmed title name for the duplicate check
// (kNameKey),
// one on the ISSN's eight characters (kIssnKey), and the indexes that find
// the titles of a publisher or agent.
void createNameIndexes(Database& db);
// The trigram indexes stop following their tables, for a bulk copy that
// createNameIndexes then indexes in one pass.
void suspendNameIndexes(Database& db);
// The duplicate check's index on kNameKey in place of the earlier one by a
// case-blind collation, and on the server the ISSN index again, on either store.
void replaceNameKeyIndexes(Database& db);

// Whether the trigram index can serve a search for this text: it needs at
// least three characters.
bool trigramSearchable(const QString& text);
// Whether a search for this text takes its rows from the FTS5 index first.
// On PostgreSQL the plain LIKE query is itself served by pg_trgm's indexes.
bool trigramSearchable(const Database& db, const QString& text);
// The FTS5 query (in parentheses, so a column filter may go before it) that
// finds every row holding the text, and some more: trigrams of the text that
// lie apart in a row match too. Callers compare the rows found in full.
QString trigramQuery(const QString& text);

// Two title names are one when they differ only in spaces around them and in
// the case of the letters A to Z: SQLite's own lower(), and the server's
// folding in the "C" collation (see PgDialect), touch no other letter.
inline constexpr char kNameKey[] = "lower(trim(vorlen_name))";

// The ISSN of a title without hyphen or spaces, upper case; an index holds it.
inline constexpr char kIssnKey[] = "upper(replace(trim(issn), '-', ''))";

}  // namespace data
