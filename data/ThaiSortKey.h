#pragma once

#include <QByteArray>

namespace data {

// The SQL expression that orders the names in `column` nearly as a Thai
// dictionary does, in plain SQL that both stores evaluate alike (code point
// order: the server's text is in the "C" collation): a leading vowel
// (เ แ โ ใ ไ) moves behind the consonant it is spoken after, Thai names come
// before the others, and the others go without case. A list pages through
// its rows in this order without reading them all into the program.
QByteArray thaiSortKey(const char* column);

// The author's name as the author list orders it (a name may be missing).
inline constexpr const char* kAuthorOrderName = "coalesce(author_name, '')";

class Database;
// The indexes that list the titles and the authors in that order a page at a
// time.
void createListOrderIndexes(Database& db);

}  // namespace data
