#pragma once

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QString>
#include <QVariantList>
#include <functional>
#include <optional>
#include <vector>

#include "late/LateRecords.h"
#include "ui/RowSource.h"

namespace data {
class Database;
class Row;
}  // namespace data

namespace late {

// The columns of the late list, in the order shown.
namespace column {
enum Column : int {
    pointer,
    name,
    department,
    agent,
    frequency,
    lastIssue,
    lastReceived,
    expected,
    daysLate,
    overdueIssue,
    claims,
    count
};
}  // namespace column

// The overdue issues of a day as a row source, read from the stored late
// issues a page at a time in the order asked for; the count is exact,
// counted apart.
class LateList : public ui::RowSource {
  public:
    LateList() = default;
    LateList(const data::Database& db, QDate today, LateFilter filter);

    int size() const;
    bool empty() const { return size() == 0; }
    // The row as the window, the claim and the CSV show it.
    LateTitle title(int row) const;
    // Every row in order, read by one statement as it goes.
    void forEach(const std::function<void(const LateTitle&)>& each) const;
    // The cells of a row in the columns shown.
    QStringList cells(const LateTitle& t) const;

    int count() const override { return size(); }
    std::vector<QStringList> rows(int offset, int limit) const override;
    bool sortable(int column) const override { return column >= 0 && column < column::count; }
    bool descendingFirst(int column) const override { return column == column::daysLate; }

  private:
    // Whether rows in this column are ordered here, by Thai collation or by
    // date, rather than by the statement.
    static bool orderedHere(int column);
    // The rows' places in such an order, by row number of late_issue.
    const std::vector<qint64>& ranked() const;
    QByteArray where() const;
    QVariantList bound() const;
    QByteArray orderBy() const;
    LateTitle titleOf(const data::Row& row) const;
    std::vector<LateTitle> titles(int from, int limit) const;

    const data::Database* db_ = nullptr;
    QDate today_;
    LateFilter filter_;
    // The claims of each subscription read so far, by key and faculty.
    mutable QHash<QString, QHash<QString, patterns::ClaimState>> claims_;
    mutable std::optional<int> count_;
    mutable std::vector<qint64> ranked_;
    mutable ui::ListOrder rankedFor_;
};

}  // namespace late
