#include "data/StoredKey.h"

#include "data/Database.h"

namespace data {

namespace {

struct Statements {
    const char* indexed;
    const char* trimmed;
};

Statements statements(KeyTable table) {
    switch (table) {
        case KeyTable::vorlen1:
            return {"SELECT pointer FROM vorlen1 WHERE pointer IN (?1, ?2) ORDER BY rowid LIMIT 1",
                    "SELECT pointer FROM vorlen1 WHERE trim(pointer) = ? ORDER BY rowid LIMIT 1"};
        case KeyTable::vorlen:
            return {"SELECT pointer FROM vorlen WHERE pointer IN (?1, ?2) ORDER BY rowid LIMIT 1",
                    "SELECT pointer FROM vorlen WHERE trim(pointer) = ? ORDER BY rowid LIMIT 1"};
        case KeyTable::typeclass:
            return {
                "SELECT pointer FROM typeclass WHERE pointer IN (?1, ?2) ORDER BY rowid LIMIT 1",
                "SELECT pointer FROM typeclass WHERE trim(pointer) = ? ORDER BY rowid LIMIT 1"};
    }
    return {};
}

}  // namespace

QString storedKey(const Database& db, KeyTable table, const QString& key) {
    const QString trimmed = key.trimmed();
    if (trimmed.isEmpty())
        return trimmed;
    const Statements sql = statements(table);
    if (const auto row = db.first(sql.indexed, {key, trimmed}))
        return row->text(0);
    if (const auto row = db.first(sql.trimmed, {trimmed}))
        return row->text(0);
    return trimmed;
}

}  // namespace data
