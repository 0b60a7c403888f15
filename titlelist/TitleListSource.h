#pragma once

#include <QDate>

#include "titlelist/TitleListRecords.h"
#include "ui/RowSource.h"

namespace titlelist {

// The subscriptions a list takes, a page at a time: cells in the columns of
// `col`, each page's holdings statements as of `today`. Ordered by the
// name in Thai dictionary order unless a column is chosen; the holdings
// cannot order the list.
class TitleListSource : public ui::RowSource {
  public:
    TitleListSource(const data::Database& db, TitleListFilter filter, QDate today)
        : db_(db), filter_(std::move(filter)), today_(today) {}

    int count() const override;
    std::vector<QStringList> rows(int offset, int limit) const override;
    bool sortable(int column) const override { return column >= 0 && column < col::holdings; }

  private:
    QVariantList filterParams() const;

    const data::Database& db_;
    TitleListFilter filter_;
    QDate today_;
};

}  // namespace titlelist
