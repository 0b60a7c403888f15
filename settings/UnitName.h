#pragma once

#include <QString>

namespace data {
class Database;
}

namespace settings {

// The unit and institution named after the program in the main window's
// caption, kept in the database.
inline const QString kDefaultUnitName = QStringLiteral("ศูนย์วิทยบริการ");

// The stored name; the default when none is stored or the file has no
// settings table.
QString readUnitName(const data::Database& db);
// Stores the name trimmed; an empty name brings back the default.
void writeUnitName(data::Database& db, const QString& name);

// The unit's postal address, which heads the letters the desk sends; empty
// when none is stored.
QString readUnitAddress(const data::Database& db);
// Stores the address trimmed; an empty one removes it.
void writeUnitAddress(data::Database& db, const QString& address);

}  // namespace settings
