#include "data/SqliteConnection.h"

#include <sqlite3.h>

#include "data/DbError.h"
#include "data/Statement.h"

namespace data {

namespace {

// How long a command waits for another program's write to finish.
constexpr int kBusyTimeoutMs = 3000;

}  // namespace

SqliteConnection::SqliteConnection(const QByteArray& name, int flags) {
    const int rc = sqlite3_open_v2(name.constData(), &db_, flags, nullptr);
    if (rc != SQLITE_OK) {
        const DbError error(rc, db_ ? QString::fromUtf8(sqlite3_errmsg(db_))
                                    : QString::fromUtf8(sqlite3_errstr(rc)));
        close();
        throw error;
    }
    try {
        configure();
    } catch (...) {
        close();
        throw;
    }
}

SqliteConnection::~SqliteConnection() {
    close();
}

void SqliteConnection::close() {
    sqlite3_close(db_);
    db_ = nullptr;
}

void SqliteConnection::configure() {
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_busy_timeout(db_, kBusyTimeoutMs);
    // Reading the schema fails here, not in the first window, when the file
    // is not a database or another program holds it locked.
    forEachRow("SELECT count(*) FROM sqlite_master", {}, 1, [](Row&&) {});
    // A save that was reported done survives a power cut.
    exec("PRAGMA synchronous = FULL", {});
}

void SqliteConnection::forEachRow(const char* sql, const QVariantList& params, std::size_t maxRows,
                                  const std::function<void(Row&&)>& each) {
    Statement st(db_, sql);
    st.bindAll(params);
    for (std::size_t read = 0; read < maxRows && st.step(); ++read)
        each(st.row());
}

int SqliteConnection::exec(const char* sql, const QVariantList& params) {
    Statement st(db_, sql);
    st.bindAll(params);
    while (st.step()) {
    }
    return sqlite3_changes(db_);
}

void SqliteConnection::begin() {
    // Immediate: the write lock is taken now, not at the first write.
    const int rc = sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        raise(rc);
}

void SqliteConnection::commit() {
    const int rc = sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        raise(rc);
}

void SqliteConnection::rollback() noexcept {
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
}

bool SqliteConnection::readOnly() const {
    return sqlite3_db_readonly(db_, "main") == 1;
}

void SqliteConnection::raise(int rc) const {
    throw DbError(
        db_ ? sqlite3_extended_errcode(db_) : rc,
        db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QString::fromUtf8(sqlite3_errstr(rc)));
}

}  // namespace data
