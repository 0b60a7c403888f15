#pragma once

#include <QTemporaryDir>
#include <memory>

#include "data/Database.h"

namespace testing_support {

// A fresh database with every table and the first-run rows, in a folder that
// disappears with the object.
class TempDatabase {
  public:
    TempDatabase();
    QString path() const { return path_; }
    QString folder() const { return dir_.path(); }
    // A connection of the test's own, beside the window's.
    data::Database& db();
    // Closes the test's connection (so the file alone holds the data); the
    // next db() opens a new one.
    void reopen() { db_.reset(); }
    // Empties a table, for tests that need their own rows.
    void clear(const char* table);

  private:
    QTemporaryDir dir_;
    QString path_;
    std::unique_ptr<data::Database> db_;
};

}  // namespace testing_support
