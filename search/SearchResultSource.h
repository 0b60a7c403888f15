#pragma once

#include <QByteArray>
#include <QVariantList>

#include "ui/RowSource.h"

namespace data {
class Database;
}

namespace search {

// The titles found: the rowids of vorlen1 a statement gives that also meet a
// condition, if one is given (the statement then names the titles that may
// meet it, such as those a trigram index finds). The rows are read in order
// and checked one by one, so the first page of a long list in the order of
// entry stops checking once it is full.
struct Hits {
    QByteArray rows;
    QByteArray check;
    QByteArray with;  // common table expressions the two read, without WITH
};

// The titles found, each with its publisher, its latest subscription (by
// period end) and its latest issue (by issue date), a page at a time.
class SearchResultSource : public ui::RowSource {
  public:
    SearchResultSource(const data::Database& db, Hits hits, QVariantList params)
        : db_(db), hits_(std::move(hits)), params_(std::move(params)) {}
    SearchResultSource(const data::Database& db, QByteArray rows, QVariantList params)
        : SearchResultSource(db, Hits{std::move(rows), {}, {}}, std::move(params)) {}

    // The listing statement of the hits in an order (a column of SearchColumn,
    // -1 the order of entry), to be followed by LIMIT and OFFSET.
    static QByteArray listSql(const Hits& hits, ui::ListOrder order);

    int count() const override;
    std::vector<QStringList> rows(int offset, int limit) const override;
    bool sortable(int column) const override;

  private:
    const data::Database& db_;
    Hits hits_;
    QVariantList params_;
};

}  // namespace search
