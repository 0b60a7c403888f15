#include "late/ReceivingStats.h"

#include <numeric>

#include "data/Database.h"
#include "data/SortableDate.h"

namespace late {

namespace {

// The group of an issue is its faculty, or its kind told by the first letter
// of the title key (I and J journals, K and L newspapers).
QByteArray countSql(Grouping grouping) {
    const QByteArray day = data::sortableDate("tranfile.receivedate");
    const QByteArray group =
        grouping == Grouping::Faculty
            ? QByteArray("trim(tranfile.department_code)")
            : QByteArray(
                  "CASE WHEN substr(trim(tranfile.pointer), 1, 1) IN ('K', 'L') THEN 2"
                  " WHEN substr(trim(tranfile.pointer), 1, 1) IN ('I', 'J') THEN 1"
                  " ELSE 3 END");
    const QByteArray name = grouping == Grouping::Faculty
                                ? QByteArray(
                                      "(SELECT Department_Thai_Des FROM department"
                                      " WHERE trim(Department_Code) = g ORDER BY rowid LIMIT 1)")
                                : QByteArray("NULL");
    return "SELECT g, " + name + ", m, n FROM (SELECT " + group + " AS g, CAST(substr(" + day +
           ", 6, 2) AS INTEGER) AS m, count(*) AS n FROM tranfile WHERE substr(" + day +
           ", 1, 4) = ? GROUP BY g, m) AS counts ORDER BY g, m";
}

}  // namespace

int MonthCounts::total() const {
    return std::accumulate(months.begin(), months.end(), 0);
}

std::vector<MonthCounts> ReceivingStats::byMonth(int year, Grouping grouping) const {
    static const QByteArray kFaculty = countSql(Grouping::Faculty);
    static const QByteArray kKind = countSql(Grouping::Kind);
    const QString kinds[] = {QStringLiteral("วารสาร"), QStringLiteral("หนังสือพิมพ์"),
                             QStringLiteral("อื่น ๆ")};
    std::vector<MonthCounts> rows;
    QString last;
    for (const data::Row& row :
         db_.query((grouping == Grouping::Faculty ? kFaculty : kKind).constData(),
                   {QStringLiteral("%1").arg(year, 4, 10, QLatin1Char('0'))})) {
        const QString code = row.text(0);
        if (rows.empty() || code != last) {
            const QString name = grouping == Grouping::Kind ? kinds[row.value(0).toInt() - 1]
                                 : row.text(1).isEmpty()    ? code
                                                            : row.text(1);
            rows.push_back({name, {}});
            last = code;
        }
        rows.back().months[row.value(2).toInt() - 1] = row.value(3).toInt();
    }
    return rows;
}

}  // namespace late
