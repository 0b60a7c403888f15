#include "tests/support/TempDatabase.h"

#include "data/DatabaseFile.h"

namespace testing_support {

TempDatabase::TempDatabase() : path_(dir_.path() + QStringLiteral("/Vorlen.db")) {
    data::prepareDatabase(path_);
}

data::Database& TempDatabase::db() {
    if (!db_)
        db_ = std::make_unique<data::Database>(path_);
    return *db_;
}

void TempDatabase::clear(const char* table) {
    db().exec(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table)).toUtf8().constData());
}

}  // namespace testing_support
