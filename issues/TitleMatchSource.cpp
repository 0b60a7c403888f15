#include "issues/TitleMatchSource.h"

#include <algorithm>
#include <utility>

#include "data/Database.h"
#include "data/ThaiSortKey.h"
#include "ui/PagedRows.h"
#include "ui/ThaiOrder.h"

namespace issues {

TitleMatchSource::TitleMatchSource(const data::Database& db, QByteArray where, QVariantList params,
                                   QByteArray join, std::optional<TitlesInOrder> inOrder)
    : db_(db),
      where_(std::move(where)),
      params_(std::move(params)),
      join_(std::move(join)),
      inOrder_(std::move(inOrder)) {}

QByteArray TitleMatchSource::fromWhere() const {
    return " FROM vorlen1 JOIN vorlen ON " + join_ +
           " JOIN department ON vorlen.department_code = department.department_code"
           " WHERE " +
           where_;
}

// The faculty names order as the clerk reads them, which SQL alone does not
// know past a name's first letter: each code takes its place in the names
// sorted here, bound as a value; names alike keep the order of entry.
QByteArray TitleMatchSource::orderBy(QVariantList& params) const {
    if (!ranks_) {
        std::vector<std::pair<QString, QString>> names;
        db_.forEach("SELECT department_code, department_thai_des FROM department", {},
                    [&](data::Row&& r) { names.emplace_back(r.text(0), r.text(1)); });
        const ui::ThaiOrder order;
        std::stable_sort(names.begin(), names.end(), [&order](const auto& a, const auto& b) {
            return order(a.second, b.second);
        });
        ranks_.emplace();
        for (size_t i = 0; i < names.size(); ++i) {
            const bool sameName = i > 0 && names[i].second == names[i - 1].second;
            ranks_->emplace_back(names[i].first, sameName ? ranks_->back().second : int(i));
        }
    }
    QByteArray faculty =
        ranks_->empty() ? "department.department_code" : "(CASE department.department_code";
    for (const auto& [code, rank] : *ranks_) {
        params << code;
        faculty +=
            " WHEN ?" + QByteArray::number(params.size()) + " THEN " + QByteArray::number(rank);
    }
    if (!ranks_->empty())
        faculty += " END)";
    const QByteArray dir = order().descending ? " DESC" : "";
    switch (order().column) {
        case matchCol::name:
            return " ORDER BY " + data::thaiSortKey("vorlen1.vorlen_name") + dir +
                   ", vorlen1.rowid" + dir + ", " + faculty + dir + ", vorlen.rowid" + dir;
        case matchCol::department:
            return " ORDER BY " + faculty + dir + ", vorlen1.rowid" + dir + ", vorlen.rowid" + dir;
        default:
            return " ORDER BY vorlen1.rowid, " + faculty + ", vorlen.rowid";
    }
}

int TitleMatchSource::count() const {
    const QByteArray sql = "SELECT count(*)" + fromWhere();
    return db_.first(sql.constData(), params_)->value(0).toInt();
}

const std::vector<QStringList>& TitleMatchSource::firstPage() const {
    firstPage_ = Kept{order(), read(0, ui::PagedRows::kPageRows)};
    return firstPage_->rows;
}

std::vector<QStringList> TitleMatchSource::rows(int offset, int limit) const {
    std::optional<Kept> kept = std::exchange(firstPage_, std::nullopt);
    // A page kept holds every row up to its length, fewer when the list ends.
    if (kept && kept->order == order() && offset == 0 && limit <= ui::PagedRows::kPageRows) {
        kept->rows.resize(std::min(kept->rows.size(), std::size_t(limit)));
        return std::move(kept->rows);
    }
    return read(offset, limit);
}

QByteArray TitleMatchSource::firstTitles(QVariantList& params, qint64 titles) const {
    // Every title shown has a subscription, so the rows up to the page's end
    // belong to as many titles at most.
    params << titles;
    return " FROM vorlen1 JOIN vorlen ON " + join_ +
           " JOIN department ON vorlen.department_code = department.department_code"
           " WHERE vorlen1.rowid IN (SELECT vorlen1.rowid" +
           inOrder_->fromWhere +
           " AND EXISTS (SELECT 1 FROM vorlen JOIN department"
           " ON vorlen.department_code = department.department_code WHERE " +
           join_ + ") ORDER BY " + inOrder_->order + " LIMIT ?" +
           QByteArray::number(params.size()) + ")";
}

std::vector<QStringList> TitleMatchSource::read(int offset, int limit) const {
    QVariantList params = params_;
    const QByteArray from =
        inOrder_ && order().column < 0 ? firstTitles(params, qint64(offset) + limit) : fromWhere();
    const QByteArray order = orderBy(params);
    params << limit << offset;
    const QByteArray sql =
        "SELECT vorlen1.vorlen_name, department.department_thai_des, vorlen1.pointer,"
        " vorlen.department_code" +
        from + order + " LIMIT ?" + QByteArray::number(params.size() - 1) + " OFFSET ?" +
        QByteArray::number(params.size());
    std::vector<QStringList> out;
    db_.forEach(sql.constData(), params, [&](data::Row&& r) {
        out.push_back({r.text(0), r.text(1), r.text(2), r.text(3)});
    });
    return out;
}

}  // namespace issues
