#include "articles/IndexingStats.h"

#include <algorithm>
#include <map>

#include "data/Database.h"

namespace articles {

namespace {

// The kind is told by the first letter of the title key, as the receiving
// statistics tell it (1 journals: I and J, 2 newspapers: K and L, 3 others).
QByteArray groupOf(IndexingGroup grouping) {
    const QByteArray issue =
        grouping == IndexingGroup::Faculty
            ? QByteArray(
                  "(SELECT min(trim(t.department_code)) FROM tranfile t"
                  " WHERE trim(t.magno) = a.magno)")
            : QByteArray(
                  "(SELECT min(CASE WHEN substr(trim(t.pointer), 1, 1) IN ('K', 'L')"
                  " THEN '2' WHEN substr(trim(t.pointer), 1, 1) IN ('I', 'J') THEN '1'"
                  " ELSE '3' END) FROM tranfile t WHERE trim(t.magno) = a.magno)");
    return "coalesce(" + issue + ", '')";
}

}  // namespace

std::vector<IndexingCounts> IndexingStats::byMonth(int year, IndexingGroup grouping) const {
    const QByteArray group = groupOf(grouping);
    const QByteArray articlesSql = "SELECT " + group +
                                   " AS g, substr(a.indexed_on, 6, 2) AS m, count(*) FROM article a"
                                   " WHERE a.indexed_on BETWEEN ? AND ? GROUP BY g, m";
    const QByteArray cardsSql = "SELECT " + group +
                                " AS g, substr(c.printed_on, 6, 2) AS m, count(*) FROM index_card c"
                                " JOIN article a ON a.article_id = c.article_id"
                                " WHERE c.printed_on BETWEEN ? AND ? GROUP BY g, m";
    const QVariantList range = {QStringLiteral("%1-01-01").arg(year, 4, 10, QLatin1Char('0')),
                                QStringLiteral("%1-12-31").arg(year, 4, 10, QLatin1Char('0'))};
    std::map<QString, IndexingCounts> counts;
    for (const bool cards : {false, true})
        for (const data::Row& row :
             db_.query((cards ? cardsSql : articlesSql).constData(), range)) {
            const int month = row.text(1).toInt();
            if (month < 1 || month > 12)
                continue;
            IndexingCounts& c = counts[row.text(0)];
            (cards ? c.cards : c.articles)[std::size_t(month - 1)] = row.value(2).toInt();
        }
    std::map<QString, QString> facultyNames;
    if (grouping == IndexingGroup::Faculty)
        for (const data::Row& row : db_.query("SELECT trim(Department_Code), Department_Thai_Des "
                                              "FROM department ORDER BY rowid"))
            facultyNames.try_emplace(row.text(0), row.text(1));
    const QString kinds[] = {QStringLiteral("วารสาร"), QStringLiteral("หนังสือพิมพ์"),
                             QStringLiteral("อื่น ๆ")};
    std::vector<IndexingCounts> rows;
    for (auto& [code, c] : counts) {
        const auto named = facultyNames.find(code);
        if (grouping == IndexingGroup::Kind)
            c.group = kinds[std::clamp(code.toInt(), 1, 3) - 1];
        else
            c.group = named == facultyNames.end() || named->second.isEmpty() ? code : named->second;
        rows.push_back(c);
    }
    return rows;
}

}  // namespace articles
