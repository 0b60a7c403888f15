#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace data {

// Dates are stored as day-first text "dd/mm/yyyy". Reading accepts a one-digit
// day or month and surrounding spaces; anything else is not a date.
std::optional<QDate> readDate(const QString& text);
QString writeDate(const QDate& date);
// The text rewritten as "dd/mm/yyyy" when it reads as a date, else unchanged.
QString reformatDate(const QString& text);

}  // namespace data
