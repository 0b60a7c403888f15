#include "ui/PagedRows.h"

#include <exception>

namespace ui {

void PagedRows::fetchMore() {
    if (!more_)
        return;
    const int index = fetched_ / kPageRows;
    std::vector<QStringList> rows = source_->rows(index * kPageRows, kPageRows);
    more_ = int(rows.size()) == kPageRows;
    fetched_ = index * kPageRows + int(rows.size());
    keep(index, std::move(rows));
}

QStringList PagedRows::row(int i) const {
    if (i < 0 || i >= fetched_)
        return {};
    try {
        const std::vector<QStringList>& rows = page(i / kPageRows);
        const size_t at = size_t(i % kPageRows);
        return at < rows.size() ? rows[at] : QStringList();
    } catch (const std::exception&) {
        // A view painting a row must not fail: the cells stay empty.
        return {};
    }
}

int PagedRows::count() const {
    if (!count_)
        count_ = more_ ? source_->count() : fetched_;
    return *count_;
}

void PagedRows::restart() {
    pages_.clear();
    fetched_ = 0;
    more_ = true;
    fetchMore();
}

const std::vector<QStringList>& PagedRows::page(int index) const {
    for (auto it = pages_.begin(); it != pages_.end(); ++it)
        if (it->first == index) {
            pages_.splice(pages_.begin(), pages_, it);
            return pages_.front().second;
        }
    keep(index, source_->rows(index * kPageRows, kPageRows));
    return pages_.front().second;
}

void PagedRows::keep(int index, std::vector<QStringList> rows) const {
    pages_.emplace_front(index, std::move(rows));
    if (int(pages_.size()) > kKeptPages)
        pages_.pop_back();
}

}  // namespace ui
