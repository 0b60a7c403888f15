#include "data/SortableDate.h"

#include "data/DateText.h"

namespace data {

namespace {

// Any shape the windows or an import leave: spaces around, one-digit day
// or month.
QByteArray anyShape(const QByteArray& column) {
    const QByteArray text = "trim(" + column + ")";
    const QByteArray day = "CAST(" + text + " AS INTEGER)";
    const QByteArray month = "CAST(substr(" + text + ", instr(" + text + ", '/') + 1) AS INTEGER)";
    QByteArray shapes;
    for (const char* pattern :
         {"[0-9]/[0-9]/", "[0-9][0-9]/[0-9]/", "[0-9]/[0-9][0-9]/", "[0-9][0-9]/[0-9][0-9]/"}) {
        if (!shapes.isEmpty())
            shapes += " OR ";
        shapes += text + " GLOB '" + pattern + "[0-9][0-9][0-9][0-9]'";
    }
    return "(CASE WHEN (" + shapes + ") AND " + day + " BETWEEN 1 AND 31 AND " + month +
           " BETWEEN 1 AND 12 THEN printf('%s-%02d-%02d', substr(" + text + ", -4), " + month +
           ", " + day + ") END)";
}

}  // namespace

QByteArray sortableDate(const char* column) {
    // Nearly every stored date is dd/mm/yyyy as the windows write it: that
    // shape is read with a fifth of the calls, which is most of the cost of
    // building an index on it.
    const QByteArray c(column);
    return "(CASE WHEN " + c +
           " GLOB '[0-9][0-9]/[0-9][0-9]/[0-9][0-9][0-9][0-9]' THEN (CASE WHEN substr(" + c +
           ", 1, 2) BETWEEN '01' AND '31' AND substr(" + c +
           ", 4, 2) BETWEEN '01' AND '12' THEN substr(" + c + ", 7) || '-' || substr(" + c +
           ", 4, 2) || '-' || substr(" + c + ", 1, 2) END) ELSE " + anyShape(c) + " END)";
}

namespace {

// Any shape the expression reads: spaces around (SQLite's trim() takes off
// spaces only), one-digit day or month.
int dayNumberOfAnyShape(QStringView text) {
    qsizetype from = 0, to = text.size();
    while (from < to && text.at(from) == u' ')
        ++from;
    while (to > from && text.at(to - 1) == u' ')
        --to;
    const auto n = dateNumbers(text.sliced(from, to - from));
    if (!n || n->day < 1 || n->day > 31 || n->month < 1 || n->month > 12)
        return 0;
    return n->year * 10000 + n->month * 100 + n->day;
}

int digitAt(QStringView text, qsizetype at) {
    const char16_t c = text[at].unicode();
    return c >= u'0' && c <= u'9' ? c - u'0' : -1;
}

// The date as yyyymmdd, 0 where the expression gives NULL; dd/mm/yyyy, the
// shape of nearly every stored date, without the general reading.
int dayNumber(QStringView text) {
    if (text.size() == 10 && text[2] == u'/' && text[5] == u'/') {
        int digits[8];
        int count = 0;
        for (qsizetype at : {0, 1, 3, 4, 6, 7, 8, 9})
            if ((digits[count++] = digitAt(text, at)) < 0)
                return dayNumberOfAnyShape(text);
        const int day = digits[0] * 10 + digits[1], month = digits[2] * 10 + digits[3];
        if (day < 1 || day > 31 || month < 1 || month > 12)
            return 0;
        return ((digits[4] * 10 + digits[5]) * 100 + digits[6] * 10 + digits[7]) * 10000 +
               month * 100 + day;
    }
    return dayNumberOfAnyShape(text);
}

}  // namespace

int sortableDay(const QString& text) {
    return dayNumber(text);
}

bool sortableDateText(QStringView text, QString& out) {
    const int day = dayNumber(text);
    if (day == 0)
        return false;
    out.resize(10);
    char16_t* to = reinterpret_cast<char16_t*>(out.data());
    const auto put = [&](int from, int value, int width) {
        for (int i = from + width - 1; i >= from; --i, value /= 10)
            to[i] = char16_t(u'0' + value % 10);
    };
    put(0, day / 10000, 4);
    put(5, day / 100 % 100, 2);
    put(8, day % 100, 2);
    to[4] = to[7] = u'-';
    return true;
}

int sortableDayBytes(QByteArrayView utf8) {
    // A long list reads a date a row, nearly all as the windows write them.
    const auto digit = [&](qsizetype i) { return utf8[i] >= '0' && utf8[i] <= '9'; };
    if (utf8.size() == 10 && utf8[2] == '/' && utf8[5] == '/' && digit(0) && digit(1) && digit(3) &&
        digit(4) && digit(6) && digit(7) && digit(8) && digit(9)) {
        const auto at = [&](qsizetype i) { return utf8[i] - '0'; };
        const int day = at(0) * 10 + at(1), month = at(3) * 10 + at(4);
        if (day < 1 || day > 31 || month < 1 || month > 12)
            return 0;
        return (at(6) * 1000 + at(7) * 100 + at(8) * 10 + at(9)) * 10000 + month * 100 + day;
    }
    return sortableDay(QString::fromUtf8(utf8));
}

}  // namespace data
