#pragma once

#include <QByteArray>

namespace data {

// The SQL expression that turns the day-first date text in `column` into a
// sortable "yyyy-mm-dd" text, or NULL when the text is not such a date (one-
// digit day and month and surrounding spaces are read as well). It uses only
// functions built into SQLite, so any SQLite tool can evaluate the indexes made
// on it; indexes and queries must use the very same text to meet.
QByteArray sortableDate(const char* column);

}  // namespace data
