#pragma once

#include <QStringList>
#include <functional>
#include <vector>

namespace ui {

// The order of a paged list: one of its columns, rising or falling; column -1
// is the list's own order.
struct ListOrder {
    int column = -1;
    bool descending = false;
    bool operator==(const ListOrder&) const = default;
};

// The rows of a list that may be too long to hold: counted apart, and read a
// page at a time in the order asked for. The records module behind a source
// owns its statements and maps each sortable column to an ORDER BY of its own.
class RowSource {
  public:
    virtual ~RowSource() = default;

    // The exact number of rows.
    virtual int count() const = 0;
    // At most `limit` rows from `offset` on, in the current order, each as its
    // cells.
    virtual std::vector<QStringList> rows(int offset, int limit) const = 0;
    virtual bool sortable(int column) const = 0;
    // Whether a heading click on a column new to the order lists it falling
    // first: a column read for its largest values, such as days late.
    virtual bool descendingFirst(int /*column*/) const { return false; }
    void setOrder(ListOrder order) { order_ = order; }
    ListOrder order() const { return order_; }

  private:
    ListOrder order_;
};

// Every row of the source in order, read a page at a time, so that printing or
// saving a list of any length holds one page.
void forEachRow(const RowSource& source, const std::function<void(const QStringList&)>& each);

// A click on a column heading: a sortable column becomes the order, rising
// unless the source lists it falling first; the column already ordered by
// turns about. Returns whether the order changed.
bool orderByHeading(RowSource& source, int column);

}  // namespace ui
