#pragma once

namespace data {
class Database;
}

namespace format {

// A bulk copy into an empty SQLite file keeps its undo in a rollback journal
// rather than the write-ahead log: the journal holds only the few pages the
// file had, where the log would take every new page once more before the
// checkpoint writes it again. The file goes back to the log afterwards; a
// file left in the journal's mode by a crash is put back when it is next
// opened. Does nothing on the server, or when another connection keeps the
// file in the log.
class RollbackJournal {
  public:
    explicit RollbackJournal(data::Database& store);
    ~RollbackJournal();
    RollbackJournal(const RollbackJournal&) = delete;
    RollbackJournal& operator=(const RollbackJournal&) = delete;

  private:
    data::Database& store_;
    bool switched_ = false;
};

}  // namespace format
