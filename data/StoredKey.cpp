#include "data/StoredKey.h"

#include "data/Database.h"

namespace data {

namespace {

const char* statement(KeyTable table) {
    switch (table) {
        case KeyTable::vorlen1:
            return "SELECT pointer FROM vorlen1 WHERE pointer IN (?, ?, ?, ?, ?) ORDER BY rowid "
                   "LIMIT 1";
        case KeyTable::vorlen:
            return "SELECT pointer FROM vorlen WHERE pointer IN (?, ?, ?, ?, ?) ORDER BY rowid "
                   "LIMIT 1";
        case KeyTable::typeclass:
            return "SELECT pointer FROM typeclass WHERE pointer IN (?, ?, ?, ?, ?) ORDER BY rowid"
                   " LIMIT 1";
    }
    return nullptr;
}

}  // namespace

QString storedKey(const Database& db, KeyTable table, const QString& key) {
    const QString trimmed = key.trimmed();
    if (trimmed.isEmpty())
        return trimmed;
    // The spaced forms an import brings are looked up through the index too.
    const QString space = QStringLiteral(" ");
    if (const auto row = db.first(statement(table), {key, trimmed, space + trimmed, trimmed + space,
                                                     space + trimmed + space}))
        return row->text(0);
    return trimmed;
}

}  // namespace data
