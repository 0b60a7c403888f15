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

QString writeDate(const QDate& date) {
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

QString reformatDate(const QString& text) {
    const auto date = readDate(text);
    return date ? writeDate(*date) : text;
}

}  // namespace data
