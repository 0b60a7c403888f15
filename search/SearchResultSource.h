#pragma once

#include <QByteArray>
#include <QVariantList>

#include "ui/RowSource.h"

namespace data {
class Database;
}

namespace search {

// The titles a statement of hits finds (their rowids), each with its
// publisher, its latest subscription (by period end) and its latest issue (by
// issue date), a page at a time.
class SearchResultSource : public ui::RowSource {
  public:
    SearchResultSource(const data::Database& db, QByteArray hits, QVariantList params)
        : db_(db), hits_(std::move(hits)), params_(std::move(params)) {}

    // The listing statement of the hits in an order (a column of SearchColumn,
    // -1 the order of entry), to be followed by LIMIT and OFFSET.
    static QByteArray listSql(const QByteArray& hits, ui::ListOrder order);

    int count() const override;
    std::vector<QStringList> rows(int offset, int limit) const override;
    bool sortable(int column) const override;

  private:
    const data::Database& db_;
    QByteArray hits_;
    QVariantList params_;
};

}  // namespace search
