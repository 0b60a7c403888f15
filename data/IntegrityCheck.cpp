#include "data/IntegrityCheck.h"

#include "data/Database.h"
#include "data/DbError.h"

namespace data {

QStringList integrityProblems(const Database& db, Check kind) {
    QStringList problems;
    try {
        for (const Row& row :
             db.query(kind == Check::Quick ? "PRAGMA quick_check" : "PRAGMA integrity_check"))
            if (row.text(0) != u"ok")
                problems << row.text(0);
    } catch (const DbError& e) {
        problems << e.detail();
    }
    return problems;
}

QStringList integrityProblems(const QString& path, Check kind) {
    try {
        const Database db(path, Database::Open::Copy);
        return integrityProblems(db, kind);
    } catch (const DbError& e) {
        return {e.detail()};
    }
}

}  // namespace data
