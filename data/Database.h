#pragma once

#include <QString>
#include <QVariantList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "data/Row.h"

struct sqlite3;

namespace data {

class Connection;

// A connection to the periodicals database: the SQLite file at a path, or a
// PostgreSQL database when the location is a postgresql:// (or postgres://)
// URI. Opening an SQLite file checks that it is a database; every failure
// raises DbError. A file that cannot be written (read-only file or folder)
// opens for reading, and every write then fails with SQLITE_READONLY.
class Database {
  public:
    enum class Open {
        Existing,
        Create,
        Copy,  // a file no program writes (a backup): read as it stands
    };

    explicit Database(const QString& location, Open how = Open::Existing);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    std::vector<Row> query(const char* sql, const QVariantList& params = {}) const;
    // Each row handed over as it is read, for lists too long to hold twice.
    void forEach(const char* sql, const QVariantList& params,
                 const std::function<void(Row&&)>& each) const;
    std::optional<Row> first(const char* sql, const QVariantList& params = {}) const;
    // Runs a writing statement; returns the number of rows it changed.
    int exec(const char* sql, const QVariantList& params = {});

    QString path() const { return path_; }
    bool readOnly() const;
    bool isPostgres() const;
    // The SQLite handle, for the file-only work (backups); null on PostgreSQL.
    sqlite3* handle() const;

  private:
    friend class Transaction;

    QString path_;
    std::unique_ptr<Connection> connection_;
};

// Whether a location names a PostgreSQL database rather than a file.
bool isPostgresLocation(const QString& location);
// The location of another database on the same PostgreSQL server.
QString otherPostgresDatabase(const QString& location, const QString& name);

// One command's writes: begun at construction, rolled back unless committed.
// While it is open no other program writes.
class Transaction {
  public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

  private:
    Database& db_;
    bool open_ = true;
};

}  // namespace data
