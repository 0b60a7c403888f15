#include "data/SortableDate.h"

#include "data/DateText.h"

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
    const auto n = dateNumbers(QStringView(text).sliced(from, to - from));
    if (!n || n->day < 1 || n->day > 31 || n->month < 1 || n->month > 12)
        return 0;
    return n->year * 10000 + n->month * 100 + n->day;
}

}  // namespace data
