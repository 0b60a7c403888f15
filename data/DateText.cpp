#include "data/DateText.h"

namespace data {

namespace {

// The number a run of `least` to `most` ASCII digits spells; -1 for anything else.
int digits(QStringView part, qsizetype least, qsizetype most) {
    if (part.size() < least || part.size() > most)
        return -1;
    int value = 0;
    for (const QChar c : part) {
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

}  // namespace

// Read without building parts: long lists read two dates a row.
std::optional<DayMonthYear> dateNumbers(QStringView text) {
    const qsizetype first = text.indexOf(u'/');
    const qsizetype second = first < 0 ? -1 : text.indexOf(u'/', first + 1);
    if (second < 0)
        return std::nullopt;
    const DayMonthYear n{digits(text.first(first), 1, 2),
                         digits(text.sliced(first + 1, second - first - 1), 1, 2),
                         digits(text.sliced(second + 1), 4, 4)};
    if (n.day < 0 || n.month < 0 || n.year < 0)
        return std::nullopt;
    return n;
}

std::optional<QDate> readDate(const QString& text) {
    const auto n = dateNumbers(QStringView(text).trimmed());
    if (!n)
        return std::nullopt;
    const QDate day(n->year, n->month, n->day);
    if (!day.isValid())
        return std::nullopt;
    return day;
}

std::optional<QDate> readDateBytes(QByteArrayView utf8) {
    // A long list reads a date or two a row, nearly all as the windows write
    // them: those are read where they lie.
    const auto digit = [&](qsizetype i) { return utf8[i] >= '0' && utf8[i] <= '9'; };
    if (utf8.size() != 10 || utf8[2] != '/' || utf8[5] != '/' || !digit(0) || !digit(1) ||
        !digit(3) || !digit(4) || !digit(6) || !digit(7) || !digit(8) || !digit(9))
        return readDate(QString::fromUtf8(utf8));
    const auto at = [&](qsizetype i) { return utf8[i] - '0'; };
    const QDate day(at(6) * 1000 + at(7) * 100 + at(8) * 10 + at(9), at(3) * 10 + at(4),
                    at(0) * 10 + at(1));
    if (!day.isValid())
        return std::nullopt;
    return day;
}

QString writeDate(const QDate& date) {
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

QString reformatDate(const QString& text) {
    const auto date = readDate(text);
    return date ? writeDate(*date) : text;
}

}  // namespace data
