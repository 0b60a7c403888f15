#pragma once

#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <QStringView>
#include <optional>

namespace data {

// Dates are stored as day-first text "dd/mm/yyyy". Reading accepts a one-digit
// day or month and surrounding spaces; anything else is not a date.
std::optional<QDate> readDate(const QString& text);
// The same from the UTF-8 bytes of a stored text.
std::optional<QDate> readDateBytes(QByteArrayView utf8);
QString writeDate(const QDate& date);

struct DayMonthYear {
    int day, month, year;
};
// The numbers of "d/m/yyyy" with nothing around it: one or two digits of day
// and of month, four of year. None when the text is not of that shape; the
// numbers themselves are not checked.
std::optional<DayMonthYear> dateNumbers(QStringView text);
// The numbers of exactly "dd/mm/yyyy", the shape the windows write, read
// where they lie; none for any other shape, which `dateNumbers` reads.
std::optional<DayMonthYear> writtenDateNumbers(QStringView text);
std::optional<DayMonthYear> writtenDateNumbers(QByteArrayView utf8);
// The text rewritten as "dd/mm/yyyy" when it reads as a date, else unchanged.
QString reformatDate(const QString& text);

}  // namespace data
