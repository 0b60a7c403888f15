#pragma once

#include <QString>

namespace data {

class Database;

// The most characters a text column takes, the same on the file and on the
// server (whose indexes cannot hold long values), and so the maximum length
// of every field that fills it.
inline constexpr int kShortText = 20;  // keys, codes, numbers, dates
inline constexpr int kLongText = 255;  // names, addresses, descriptions: the old program's widest text

// The limit of a column of this program's tables, by name in any case; 0 for none.
int columnLimit(const QString& table, const QString& column);

// Every write of a text longer than its column's limit fails with
// SQLITE_TOOBIG on either store: triggers on the file, CHECK constraints on
// the server (not applied to rows already stored).
void createLengthRules(Database& db);

// Marks the detail of a refused over-long value, so both stores' errors read alike.
inline constexpr char kTooLongMark[] = "too long: ";

}  // namespace data
