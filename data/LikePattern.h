#pragma once

#include <QString>

namespace data {

// The pattern for `LIKE ? ESCAPE '\'` that finds `text` anywhere in a value:
// its own %, _ and \ match themselves, so a search never widens by accident.
// A text longer than the longest name raises DbError (SQLITE_TOOBIG).
QString containsPattern(const QString& text);

}  // namespace data
