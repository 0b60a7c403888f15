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

int codeOf(QChar c) {
    return c.unicode();
}

int codeOf(char c) {
    return static_cast<unsigned char>(c);
}

template <typename Text>
std::optional<DayMonthYear> writtenShape(const Text& text) {
    const auto at = [&](qsizetype i) {
        const int c = codeOf(text[i]);
        return c >= '0' && c <= '9' ? c - '0' : -1;
    };
    if (text.size() != 10 || codeOf(text[2]) != '/' || codeOf(text[5]) != '/')
        return std::nullopt;
    int d[8];
    int n = 0;
    for (const qsizetype i : {0, 1, 3, 4, 6, 7, 8, 9})
        if ((d[n++] = at(i)) < 0)
            return std::nullopt;
    return DayMonthYear{d[0] * 10 + d[1], d[2] * 10 + d[3],
                        d[4] * 1000 + d[5] * 100 + d[6] * 10 + d[7]};
}

}  // namespace

std::optional<DayMonthYear> writtenDateNumbers(QStringView text) {
    return writtenShape(text);
}

std::optional<DayMonthYear> writtenDateNumbers(QByteArrayView utf8) {
    return writtenShape(utf8);
}

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
    const auto n = writtenDateNumbers(utf8);
    if (!n)
        return readDate(QString::fromUtf8(utf8));
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
