#include "data/ThaiSortKey.h"

#include "data/Database.h"

namespace data {

QByteArray thaiSortKey(const char* column) {
    const QByteArray name = "trim(" + QByteArray(column) + ")";
    const QByteArray first = "substr(" + name + ", 1, 1)";
    return "(CASE WHEN " + first + " IN ('เ', 'แ', 'โ', 'ใ', 'ไ') THEN '0' || substr(" + name +
           ", 2, 1) || " + first + " || substr(" + name + ", 3) WHEN " + first +
           " BETWEEN 'ก' AND '๛' THEN '0' || " + name + " ELSE '1' || lower(" + name + ") END)";
}

void createListOrderIndexes(Database& db) {
    db.exec(("CREATE INDEX IF NOT EXISTS vorlen1_thai_order ON vorlen1 (" +
             thaiSortKey("vorlen_name") + ")")
                .constData());
    db.exec(("CREATE INDEX IF NOT EXISTS author_thai_order ON author (" +
             thaiSortKey(kAuthorOrderName) + ", author_id)")
                .constData());
}

}  // namespace data
