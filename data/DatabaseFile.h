#pragma once

#include <QString>

namespace data {

// The one database file of the program, per user.
QString defaultDatabasePath();

// Makes sure the file at `path` is ready: a missing file is created with every
// table and the first-run rows; an existing file is only opened and checked,
// never rewritten. Raises DbError when the file cannot serve.
void prepareDatabase(const QString& path);

}  // namespace data
