#pragma once

#include <QByteArray>

#include "data/Connection.h"

namespace data {

// The periodicals database as an SQLite file.
class SqliteConnection : public Connection {
  public:
    // `flags` are sqlite3_open_v2's; `name` may be a file: URI.
    SqliteConnection(const QByteArray& name, int flags);
    ~SqliteConnection() override;
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    void forEachRow(const char* sql, const QVariantList& params, std::size_t maxRows,
                    const std::function<void(Row&&)>& each) override;
    int exec(const char* sql, const QVariantList& params) override;
    void begin() override;
    void commit() override;
    void rollback() noexcept override;
    bool readOnly() const override;
    bool isPostgres() const override { return false; }
    sqlite3* handle() const override { return db_; }

  private:
    void configure();
    void close();
    [[noreturn]] void raise(int rc) const;

    sqlite3* db_ = nullptr;
};

}  // namespace data
