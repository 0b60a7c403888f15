#pragma once

#include <QDate>
#include <QString>
#include <optional>

struct sqlite3;

namespace data {

// Dates are stored as day-first text "dd/mm/yyyy". Reading accepts a one-digit
// day or month and surrounding spaces; anything else is not a date.
std::optional<QDate> readDate(const QString& text);
QString writeDate(const QDate& date);
// The text rewritten as "dd/mm/yyyy" when it reads as a date, else unchanged.
QString reformatDate(const QString& text);

// Registers on a connection:
//   dmy_date(text)   the date as ISO "yyyy-mm-dd" (sortable), NULL when unreadable;
//   dmy_format(text) the text through reformatDate.
void registerDateFunctions(sqlite3* db);

}  // namespace data
