#pragma once

#include <QByteArray>
#include <QDate>
#include <QStringList>

#include "renewal/ExpiryRecords.h"
#include "ui/RowSource.h"

namespace renewal {

// The columns of a listed subscription: the faculty is in sight beside the
// title, so that two subscriptions of one title are told apart; the columns
// after it are the row's carried data.
namespace col {
constexpr int name = 0, endPeriod = 1, latestIssue = 2, department = 3, price = 4, rate = 5,
              orderDate = 6, publisher = 7, currency = 8, pointer = 9, subscription = 10,
              kColumns = 11;
}  // namespace col

// The subscriptions of the expiry list a page at a time, in the columns of
// `col` with the dates shown day first. Earliest end first unless a column is
// chosen: the title, the end, the latest issue, the faculty or the agent.
class ExpirySource : public ui::RowSource {
  public:
    ExpirySource(const data::Database& db, Kind kind, QDate first, QDate last);

    // The statement of the list in an order; ?1 to ?4 the key letters, ?5 and
    // ?6 the first and last day.
    static QByteArray listSql(ui::ListOrder order);
    QVariantList params() const { return params_; }

    int count() const override;
    std::vector<QStringList> rows(int offset, int limit) const override;
    bool sortable(int column) const override;

  private:
    const data::Database& db_;
    QVariantList params_;
};

}  // namespace renewal
