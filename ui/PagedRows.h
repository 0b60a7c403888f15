#pragma once

#include <QStringList>
#include <list>
#include <memory>
#include <optional>
#include <vector>

#include "ui/RowSource.h"

namespace ui {

// The rows of a source a view has asked for so far. Only the latest pages
// stay in memory; a page dropped is read again when it is looked at, so a
// list scrolled to its end of a million rows still holds a few pages.
class PagedRows {
  public:
    static constexpr int kPageRows = 100;
    static constexpr int kKeptPages = 20;

    explicit PagedRows(std::shared_ptr<RowSource> source) : source_(std::move(source)) {}

    RowSource& source() const { return *source_; }
    // Rows handed to the view so far.
    int fetched() const { return fetched_; }
    bool canFetchMore() const { return more_; }
    // Reads the next page; a database failure goes to the caller.
    void fetchMore();
    // Row `i` (below fetched()); empty when its page cannot be read again.
    QStringList row(int i) const;
    // The exact count, read once; known without a read once the last page is in.
    int count() const;
    bool counted() const { return count_ || !more_; }
    // From the first page again, as after a change of order.
    void restart();
    // The window changed one row of the source itself: the row at `from` went
    // to `to` with these cells (-1 for either: it joined, or it left), the
    // places counted in the list as it is after the change. The pages held are
    // put right from the rows they hold; one that needs a row no page holds is
    // dropped and read again when looked at. Nothing is read here.
    void moveRow(int from, int to, const QStringList& cells);

  private:
    using Page = std::pair<int, std::vector<QStringList>>;
    const std::vector<QStringList>& page(int index) const;
    void keep(int index, std::vector<QStringList> rows) const;

    std::shared_ptr<RowSource> source_;
    int fetched_ = 0;
    bool more_ = true;
    // Most recently used first.
    mutable std::list<Page> pages_;
    mutable std::optional<int> count_;
};

}  // namespace ui
