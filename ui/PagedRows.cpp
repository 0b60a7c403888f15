#include "ui/PagedRows.h"

#include <algorithm>
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

void PagedRows::moveRow(int from, int to, const QStringList& cells) {
    const int change = (to >= 0) - (from >= 0);
    if (count_)
        *count_ += change;
    // A list read to its end holds every row; one with pages to come only as
    // many as it has been handed, the row pushed past them to be read later.
    const int fetched = more_ ? fetched_ : fetched_ + change;
    // The place a row of the list after the change had before it; -1 for the
    // row that moved.
    const auto before = [&](int at) {
        if (to >= 0 && at == to)
            return -1;
        if (to >= 0 && at > to)
            --at;
        if (from >= 0 && at >= from)
            ++at;
        return at;
    };
    const std::list<Page> held = pages_;
    const auto heldRow = [&](int at) -> const QStringList* {
        if (at >= fetched_)
            return nullptr;
        for (const Page& p : held)
            if (p.first == at / kPageRows) {
                const auto i = std::size_t(at % kPageRows);
                return i < p.second.size() ? &p.second[i] : nullptr;
            }
        return nullptr;
    };
    const int first = std::min(from < 0 ? to : from, to < 0 ? from : to);
    for (auto it = pages_.begin(); it != pages_.end();) {
        const int start = it->first * kPageRows;
        if (first < 0 || start + kPageRows <= first) {
            ++it;
            continue;
        }
        std::vector<QStringList> rows;
        bool whole = true;
        for (int at = start; whole && at < std::min(start + kPageRows, fetched); ++at) {
            const int was = before(at);
            const QStringList* row = was < 0 ? &cells : heldRow(was);
            if (row)
                rows.push_back(*row);
            whole = row != nullptr;
        }
        if (whole) {
            it->second = std::move(rows);
            ++it;
        } else {
            it = pages_.erase(it);
        }
    }
    fetched_ = fetched;
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
