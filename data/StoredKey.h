#pragma once

#include <QString>

namespace data {

class Database;

// The tables that carry a title key, each with an index on the key as stored
// and one on the key trimmed.
enum class KeyTable { vorlen1, vorlen, typeclass };

// The key as the table stores it for a key typed or handed over: an imported
// key may carry any number of spaces around it, which the index on the
// trimmed key finds.
// The trimmed key when the table holds none.
QString storedKey(const Database& db, KeyTable table, const QString& key);

}  // namespace data
