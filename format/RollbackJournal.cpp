#include "format/RollbackJournal.h"

#include "data/Database.h"
#include "data/DatabaseFile.h"
#include "data/DbError.h"

namespace format {

RollbackJournal::RollbackJournal(data::Database& store) : store_(store) {
    if (store.isPostgres() || data::journalMode(store) != u"wal")
        return;
    try {
        switched_ = data::setJournalMode(store, "DELETE") == u"delete";
    } catch (const data::DbError&) {
        // Another connection has the file open: the copy goes through the log.
    }
}

RollbackJournal::~RollbackJournal() {
    if (!switched_)
        return;
    try {
        data::setJournalMode(store_, "WAL");
    } catch (const data::DbError&) {
        // The file opens in the log's mode again at the next start.
    }
}

}  // namespace format
