#pragma once

#include <QString>

namespace data {

// True when the location names a PostgreSQL server (libpq's postgresql://
// or postgres:// form) rather than an SQLite file.
bool isServerLocation(const QString& location);

}  // namespace data
