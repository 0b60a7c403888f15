#pragma once

#include <QString>
#include <functional>

#include "format/ImportReport.h"

namespace data {
class Database;
}

namespace format {

// Told of the rows done so far out of all; false stops the import.
using ImportProgress = std::function<bool(qint64 done, qint64 total)>;

// The old program's Access file brought into a new desk: its sixteen tables
// copied as they stand, every value as text, into a store that holds no
// title and no issue yet. Raises ImportError with a Thai message when the
// file or the store will not do, or when the clerk stops it; the store is
// then as it was.
class AccessImport {
  public:
    // Reads the whole file without writing: what it holds and the rows to
    // look at.
    static ImportReport inspect(const QString& file, const ImportProgress& progress = {});
    // Imports in one transaction; the key series and the counter come in
    // raised above every key and number stored, and the tables this program
    // derives from them are made again.
    static ImportReport run(const QString& file, data::Database& store,
                            const ImportProgress& progress = {});
};

}  // namespace format
