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

// The date as yyyymmdd, 0 where the expression gives NULL: it checks the day
// and month only against 31 and 12.
int dayNumber(const std::optional<DayMonthYear>& n) {
    if (!n || n->day < 1 || n->day > 31 || n->month < 1 || n->month > 12)
        return 0;
    return n->year * 10000 + n->month * 100 + n->day;
}

// Any shape the expression reads: spaces around (SQLite's trim() takes off
// spaces only), one-digit day or month; dd/mm/yyyy, the shape of nearly
// every stored date, without the general reading.
int dayNumber(QStringView text) {
    if (const auto written = writtenDateNumbers(text))
        return dayNumber(written);
    qsizetype from = 0, to = text.size();
    while (from < to && text.at(from) == u' ')
        ++from;
    while (to > from && text.at(to - 1) == u' ')
        --to;
    return dayNumber(dateNumbers(text.sliced(from, to - from)));
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
    if (const auto written = writtenDateNumbers(utf8))
        return dayNumber(written);
    return sortableDay(QString::fromUtf8(utf8));
}

int sortableDay(QDate day) {
    return day.year() * 10000 + day.month() * 100 + day.day();
}

}  // namespace data
