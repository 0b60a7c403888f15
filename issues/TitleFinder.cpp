#include "issues/TitleFinder.h"

#include <algorithm>

#include "data/Database.h"
#include "data/Issn.h"
#include "data/LikePattern.h"
#include "data/NameIndex.h"
#include "data/StoredKey.h"
#include "ui/ThaiOrder.h"

namespace issues {

std::vector<TitleMatch> TitleFinder::find(const QString& text) const {
    if (data::trigramSearchable(db_, text))
        return listed(
            "vorlen1.rowid IN (SELECT rowid FROM vorlen1_names"
            " WHERE vorlen1_names MATCH ?2) AND vorlen1.vorlen_name LIKE ?1 ESCAPE '\\'",
            {data::containsPattern(text),
             QStringLiteral("vorlen_name : ") + data::trigramQuery(text)});
    return listed("vorlen1.vorlen_name LIKE ?1 ESCAPE '\\'", {data::containsPattern(text)});
}

std::vector<TitleMatch> TitleFinder::byKey(const QString& pointer) const {
    // The key as each table stores it: an imported key may carry spaces, and
    // an edit stores the subscription's key trimmed.
    return listed("vorlen1.pointer = ?1",
                  {data::storedKey(db_, data::KeyTable::vorlen1, pointer),
                   data::storedKey(db_, data::KeyTable::vorlen, pointer)},
                  "vorlen.pointer = ?2");
}

std::vector<TitleMatch> TitleFinder::byIssn(const QString& issn) const {
    return listed(QByteArray(data::kIssnKey) + " = ?", {issn});
}

std::vector<TitleMatch> TitleFinder::byCover(const QString& issn) const {
    return listed(QByteArray(data::kIssnKey) + " IN " + data::kIssnStemPlaces,
                  data::issnsWithStem(issn));
}

std::vector<TitleMatch> TitleFinder::listed(const QByteArray& where, const QVariantList& params,
                                            const QByteArray& join) const {
    const QByteArray sql =
        "SELECT vorlen1.pointer, vorlen1.vorlen_name, vorlen.department_code,"
        " department.department_thai_des"
        " FROM vorlen1 JOIN vorlen ON " +
        join +
        " JOIN department ON vorlen.department_code = department.department_code"
        " WHERE " +
        where + " ORDER BY vorlen1.rowid, vorlen.rowid";
    std::vector<TitleMatch> found;
    for (const data::Row& r : db_.query(sql.constData(), params))
        found.push_back({r.text(0), r.text(1), r.text(2), r.text(3)});
    // The faculties of one title, which the clerk picks from, in Thai order.
    const ui::ThaiOrder order;
    for (auto run = found.begin(); run != found.end();) {
        const auto end = std::find_if(
            run, found.end(), [&run](const TitleMatch& m) { return m.pointer != run->pointer; });
        std::stable_sort(run, end, [&order](const TitleMatch& a, const TitleMatch& b) {
            return order(a.departmentName, b.departmentName);
        });
        run = end;
    }
    return found;
}

}  // namespace issues
