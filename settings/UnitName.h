#pragma once

#include <QString>

namespace data {
class Database;
}

namespace settings {

// The unit and institution named after the program in the main window's
// caption, kept in the database.
inline const QString kDefaultUnitName = QStringLiteral("ศูนย์วิทยบริการ");
constexpr int kDefaultReclaimDays = 30;

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

// The desk that sends the claims (its name, and its own address when it has
// one), under the unit's name at the head of each letter.
QString readDeskName(const data::Database& db);
void writeDeskName(data::Database& db, const QString& name);
QString readDeskAddress(const data::Database& db);
void writeDeskAddress(data::Database& db, const QString& address);

// The days the desk waits before it claims an issue again: 30 unless set.
int readReclaimDays(const data::Database& db);
// Stores a whole number of days from 1 to 365; false for any other text.
bool writeReclaimDays(data::Database& db, const QString& days);

}  // namespace settings
