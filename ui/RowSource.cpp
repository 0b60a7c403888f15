#include "ui/RowSource.h"

namespace ui {

namespace {
constexpr int kStreamPage = 500;
}

void forEachRow(const RowSource& source, const std::function<void(const QStringList&)>& each) {
    for (int offset = 0;; offset += kStreamPage) {
        const std::vector<QStringList> page = source.rows(offset, kStreamPage);
        for (const QStringList& row : page)
            each(row);
        if (int(page.size()) < kStreamPage)
            return;
    }
}

bool orderByHeading(RowSource& source, int column) {
    if (!source.sortable(column))
        return false;
    const ListOrder now = source.order();
    source.setOrder(
        {column, now.column == column ? !now.descending : source.descendingFirst(column)});
    return true;
}

}  // namespace ui
