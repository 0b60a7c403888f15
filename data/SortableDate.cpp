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

}  // namespace data
