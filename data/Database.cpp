#include "data/Database.h"

#include <sqlite3.h>

#include <QFileInfo>
#include <QUrl>

#include "data/DbError.h"
#include "data/Statement.h"

namespace data {

namespace {

// How long a command waits for another program's write to finish.
constexpr int kBusyTimeoutMs = 3000;

[[noreturn]] void raise(sqlite3* db, int rc) {
    throw DbError(
        db ? sqlite3_extended_errcode(db) : rc,
        db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc)));
}

// The file read as it stands: no lock, no log, nothing written beside it.
QByteArray immutable(const QString& path) {
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toEncoded() + "?immutable=1";
}

}  // namespace

Database::Database(const QString& path, Open how) : path_(path) {
    if (how == Open::Copy) {
        open(immutable(path), SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_URI);
        return;
    }
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX;
    if (how == Open::Create)
        flags |= SQLITE_OPEN_CREATE;
    try {
        open(path.toUtf8(), flags);
    } catch (const DbError& e) {
        // A write-ahead log needs its shared-memory file beside the database;
        // in a folder nobody may write (a read-only mount) nothing can change
        // the file, so it is read as it stands, unless a log holds saves that
        // reading it that way would miss.
        const QFileInfo folder(QFileInfo(path).absolutePath());
        if ((e.code() & 0xff) != SQLITE_CANTOPEN || how == Open::Create ||
            !QFileInfo::exists(path) || folder.isWritable() ||
            QFileInfo(path + QStringLiteral("-wal")).size() > 0)
            throw;
        open(immutable(path), SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_URI);
    }
}

Database::~Database() {
    close();
}

void Database::open(const QByteArray& name, int flags) {
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

void Database::close() {
    sqlite3_close(db_);
    db_ = nullptr;
}

bool Database::readOnly() const {
    return sqlite3_db_readonly(db_, "main") == 1;
}

void Database::configure() {
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_busy_timeout(db_, kBusyTimeoutMs);
    // Reading the schema fails here, not in the first window, when the file
    // is not a database or another program holds it locked.
    query("SELECT count(*) FROM sqlite_master");
    // A save that was reported done survives a power cut.
    exec("PRAGMA synchronous = FULL");
}

std::vector<Row> Database::query(const char* sql, const QVariantList& params) const {
    Statement st(db_, sql);
    st.bindAll(params);
    std::vector<Row> rows;
    while (st.step())
        rows.push_back(st.row());
    return rows;
}

std::optional<Row> Database::first(const char* sql, const QVariantList& params) const {
    Statement st(db_, sql);
    st.bindAll(params);
    if (st.step())
        return st.row();
    return std::nullopt;
}

int Database::exec(const char* sql, const QVariantList& params) {
    Statement st(db_, sql);
    st.bindAll(params);
    while (st.step()) {
    }
    return sqlite3_changes(db_);
}

Transaction::Transaction(Database& db) : db_(db) {
    // Immediate: the write lock is taken now, so two programs never both read
    // a counter and then both write it.
    const int rc = sqlite3_exec(db_.handle(), "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        raise(db_.handle(), rc);
}

Transaction::~Transaction() {
    if (open_)
        sqlite3_exec(db_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::commit() {
    const int rc = sqlite3_exec(db_.handle(), "COMMIT", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        raise(db_.handle(), rc);
    open_ = false;
}

}  // namespace data
