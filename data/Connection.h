#pragma once

#include <QVariantList>
#include <cstddef>
#include <functional>
#include <vector>

#include "data/Row.h"

struct sqlite3;

namespace data {

// What a Database needs from the engine behind it. Every failure raises
// DbError with the nearest SQLite result code, so callers and their Thai
// messages do not depend on the engine.
class Connection {
  public:
    virtual ~Connection() = default;

    // Runs one statement and hands each of at most `maxRows` of its rows
    // to `each` as it is read.
    virtual void forEachRow(const char* sql, const QVariantList& params, std::size_t maxRows,
                            const std::function<void(Row&&)>& each) = 0;
    // Runs a writing statement; returns the number of rows it changed.
    virtual int exec(const char* sql, const QVariantList& params) = 0;

    // A transaction that holds the right to write from its start, so two
    // programs never both read a counter and then both write it.
    virtual void begin() = 0;
    virtual void commit() = 0;
    virtual void rollback() noexcept = 0;

    virtual bool readOnly() const = 0;
    virtual bool isPostgres() const = 0;
    virtual sqlite3* handle() const { return nullptr; }
};

}  // namespace data
