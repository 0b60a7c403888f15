#include "data/StoredKey.h"

#include "data/Database.h"

namespace data {

namespace {

const char* statement(KeyTable table) {
    switch (table) {
        case KeyTable::vorlen1:
            return "SELECT pointer FROM vorlen1 WHERE trim(pointer) = ? ORDER BY rowid LIMIT 1";
        case KeyTable::vorlen:
            return "SELECT pointer FROM vorlen WHERE trim(pointer) = ? ORDER BY rowid LIMIT 1";
        case KeyTable::typeclass:
            return "SELECT pointer FROM typeclass WHERE trim(pointer) = ? ORDER BY rowid LIMIT 1";
    }
    return nullptr;
}

}  // namespace

QString storedKey(const Database& db, KeyTable table, const QString& key) {
    QString trimmed = key.trimmed();
    if (trimmed.isEmpty())
        return trimmed;
    if (const auto row = db.first(statement(table), {trimmed}))
        return row->text(0);
    return trimmed;
}

}  // namespace data
