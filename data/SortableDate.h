#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

namespace data {

// The SQL expression that turns the day-first date text in `column` into a
// sortable "yyyy-mm-dd" text, or NULL when the text is not such a date (one-
// digit day and month and surrounding spaces are read as well). It uses only
// functions built into SQLite, so any SQLite tool can evaluate the indexes made
// on it; indexes and queries must use the very same text to meet.
QByteArray sortableDate(const char* column);

// The same reading done in the program, for rows already read: the date the
// expression gives as the number yyyymmdd, which orders as its text does, or
// 0 where it gives NULL.
int sortableDay(const QString& text);
// The same from the UTF-8 bytes of a stored text.
int sortableDayBytes(QByteArrayView utf8);
// A day as that number.
int sortableDay(QDate day);
// The very text of the expression, written over `out` (which keeps its
// buffer), for the stored date keys; false where the expression gives NULL.
bool sortableDateText(QStringView text, QString& out);

}  // namespace data
