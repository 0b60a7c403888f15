#include "data/SortableDate.h"

namespace data {

QByteArray sortableDate(const char* column) {
    const QByteArray text = "trim(" + QByteArray(column) + ")";
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

int sortableDay(const QString& text) {
    // SQLite's trim() takes off spaces only.
    qsizetype from = 0, to = text.size();
    while (from < to && text.at(from) == u' ')
        ++from;
    while (to > from && text.at(to - 1) == u' ')
        --to;
    const QStringView date = QStringView(text).sliced(from, to - from);
    const auto digits = [](QStringView part, qsizetype least, qsizetype most) {
        if (part.size() < least || part.size() > most)
            return -1;
        int value = 0;
        for (const QChar c : part) {
            if (c < u'0' || c > u'9')
                return -1;
            value = value * 10 + (c.unicode() - u'0');
        }
        return value;
    };
    const qsizetype first = date.indexOf(u'/');
    const qsizetype second = first < 0 ? -1 : date.indexOf(u'/', first + 1);
    if (second < 0)
        return 0;
    const int day = digits(date.first(first), 1, 2);
    const int month = digits(date.sliced(first + 1, second - first - 1), 1, 2);
    const int year = digits(date.sliced(second + 1), 4, 4);
    if (day < 1 || day > 31 || month < 1 || month > 12 || year < 0)
        return 0;
    return year * 10000 + month * 100 + day;
}

}  // namespace data
