#pragma once

#include <QString>
#include <QVariantList>
#include <optional>
#include <vector>

#include "data/Row.h"

struct sqlite3;

namespace data {

// A connection to the periodicals database file. Opening checks that the file
// is an SQLite database; every failure raises DbError. A file that cannot be
// written (read-only file or folder) opens for reading, and every write then
// fails with SQLITE_READONLY.
class Database {
  public:
    enum class Open {
        Existing,
        Create,
        Copy,  // a file no program writes (a backup): read as it stands
    };

    explicit Database(const QString& path, Open how = Open::Existing);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    std::vector<Row> query(const char* sql, const QVariantList& params = {}) const;
    std::optional<Row> first(const char* sql, const QVariantList& params = {}) const;
    // Runs a writing statement; returns the number of rows it changed.
    int exec(const char* sql, const QVariantList& params = {});

    QString path() const { return path_; }
    bool readOnly() const;
    sqlite3* handle() const { return db_; }

  private:
    void open(const QByteArray& name, int flags);
    void configure();
    void close();

    QString path_;
    sqlite3* db_ = nullptr;
};

// One command's writes: begun at construction, rolled back unless committed.
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
