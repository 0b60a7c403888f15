#include "late/ReceivingStats.h"

#include <QDate>
#include <algorithm>
#include <map>
#include <numeric>

#include "data/Database.h"

namespace late {

namespace {

// The group of an issue is its faculty, or its kind told by the first letter
// of the title key (1 journals: I and J, 2 newspapers: K and L, 3 others).
// Each month is counted by its own range of the received-date index: the
// index then answers alone, where taking the month out of every date of the
// year would read each of them again.
QByteArray countSql(Grouping grouping) {
    const QByteArray group =
        grouping == Grouping::Faculty
            ? QByteArray("trim(department_code)")
            : QByteArray(
                  "CASE WHEN substr(trim(pointer), 1, 1) IN ('K', 'L') THEN '2'"
                  " WHEN substr(trim(pointer), 1, 1) IN ('I', 'J') THEN '1' ELSE '3' END");
    return "SELECT " + group +
           " AS g, count(*) FROM tranfile WHERE receivedate_key BETWEEN ? AND ? GROUP BY g";
}

}  // namespace

int MonthCounts::total() const {
    return std::accumulate(months.begin(), months.end(), 0);
}

std::vector<MonthCounts> ReceivingStats::byMonth(int year, Grouping grouping) const {
    static const QByteArray kFaculty = countSql(Grouping::Faculty);
    static const QByteArray kKind = countSql(Grouping::Kind);
    std::map<QString, std::array<int, 12>> counts;
    for (int month = 1; month <= 12; ++month) {
        const QDate first(year, month, 1);
        for (const data::Row& row :
             db_.query((grouping == Grouping::Faculty ? kFaculty : kKind).constData(),
                       {first.toString(Qt::ISODate),
                        first.addDays(first.daysInMonth() - 1).toString(Qt::ISODate)}))
            counts[row.text(0)][std::size_t(month - 1)] = row.value(1).toInt();
    }
    std::map<QString, QString> facultyNames;
    if (grouping == Grouping::Faculty)
        for (const data::Row& row : db_.query("SELECT trim(Department_Code), Department_Thai_Des "
                                              "FROM department ORDER BY rowid"))
            facultyNames.try_emplace(row.text(0), row.text(1));
    const QString kinds[] = {QStringLiteral("วารสาร"), QStringLiteral("หนังสือพิมพ์"),
                             QStringLiteral("อื่น ๆ")};
    std::vector<MonthCounts> rows;
    for (const auto& [code, months] : counts) {
        const auto named = facultyNames.find(code);
        const QString name = grouping == Grouping::Kind ? kinds[code.toInt() - 1]
                             : named == facultyNames.end() || named->second.isEmpty()
                                 ? code
                                 : named->second;
        rows.push_back({name, months});
    }
    return rows;
}

}  // namespace late
