#include "format/RollbackJournal.h"

#include "data/Database.h"
#include "data/DbError.h"

namespace format {

namespace {

bool inMode(data::Database& store, const char* pragma, const char* mode) {
    const auto answer = store.first(pragma);
    return answer && answer->text(0).compare(QLatin1String(mode), Qt::CaseInsensitive) == 0;
}

}  // namespace

RollbackJournal::RollbackJournal(data::Database& store) : store_(store) {
    if (store.isPostgres() || !inMode(store, "PRAGMA journal_mode", "wal"))
        return;
    try {
        switched_ = inMode(store, "PRAGMA journal_mode = DELETE", "delete");
    } catch (const data::DbError&) {
        // Another connection has the file open: the copy goes through the log.
    }
}

RollbackJournal::~RollbackJournal() {
    if (!switched_)
        return;
    try {
        store_.first("PRAGMA journal_mode = WAL");
    } catch (const data::DbError&) {
        // The file opens in the log's mode again at the next start.
    }
}

}  // namespace format
