#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <memory>

#include "data/Connection.h"
#include "data/PgDialect.h"

typedef struct pg_conn PGconn;
typedef struct pg_result PGresult;

namespace data {

// The periodicals database on a PostgreSQL server, reached by a libpq URI.
// Statements come in SQLite's dialect and are turned into PostgreSQL's once
// per text. Values travel as text and the server infers their types.
class PgConnection : public Connection {
  public:
    explicit PgConnection(const QString& uri);
    ~PgConnection() override;
    PgConnection(const PgConnection&) = delete;
    PgConnection& operator=(const PgConnection&) = delete;

    void forEachRow(const char* sql, const QVariantList& params, std::size_t maxRows,
                    const std::function<void(Row&&)>& each) override;
    int exec(const char* sql, const QVariantList& params) override;
    void begin() override;
    void commit() override;
    void rollback() noexcept override;
    bool readOnly() const override { return readOnly_; }
    bool isPostgres() const override { return true; }

  private:
    struct ResultDeleter {
        void operator()(PGresult* result) const;
    };
    using Result = std::unique_ptr<PGresult, ResultDeleter>;

    void configure();
    void reconnectIfLost();
    void reconnect();
    Result run(const char* sql, const QVariantList& params);
    Result command(const char* sql);
    [[noreturn]] void fail(const PGresult* result) const;

    PGconn* conn_ = nullptr;
    QHash<QByteArray, PgStatement> statements_;
    bool readOnly_ = false;
    bool inTransaction_ = false;
};

}  // namespace data
