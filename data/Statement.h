#pragma once

#include <QVariantList>

#include "data/Row.h"

struct sqlite3;
struct sqlite3_stmt;

namespace data {

// One prepared SQL statement. Values only ever reach it as bound parameters,
// and SQL text holding more than one statement is refused.
class Statement {
  public:
    Statement(sqlite3* db, const char* sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void bindAll(const QVariantList& values);
    // Runs a writing statement with these texts as its values, then those of
    // `orNull` (a null text as NULL), and makes it ready for the next: a bulk
    // copy's one statement for many rows, without a variant or an allocation
    // for each value.
    void runTexts(const QStringList& texts, const QStringList& orNull = {});
    // Ready to run again with new values (bulk loading).
    void reset();
    // Steps once; true while a row is available.
    bool step();
    Row row() const;
    sqlite3_stmt* handle() const { return stmt_; }

  private:
    [[noreturn]] void fail(int rc) const;

    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
    QByteArray utf8_;  // the values of runTexts
};

}  // namespace data
