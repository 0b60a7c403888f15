#include "ui/Grid.h"

#include <algorithm>
#include <stdexcept>

namespace ui {

Grid::Grid(QString name, int rows, int cols) : Control(std::move(name)), cols_(0) {
    setCols(cols);
    setRows(rows);
}

void Grid::setRows(int n) {
    paged_.reset();
    changed_.clear();
    n = std::max(n, 1);
    cells_.resize(std::size_t(n));
    for (QStringList& r : cells_)
        r.resize(cols_);
    row_ = std::min(row_, n - 1);
    notify();
}

void Grid::setCols(int n) {
    cols_ = std::max(n, 1);
    for (QStringList& r : cells_)
        r.resize(cols_);
    widths_.resize(std::size_t(cols_), -1);
    aligns_.resize(std::size_t(cols_), Align::Default);
    col_ = std::min(col_, cols_ - 1);
    notify();
}

QString Grid::textMatrix(int row, int col) const {
    if (!paged_ || row == 0)
        return cells_.at(std::size_t(row)).at(col);
    if (row < 0 || row >= rows() || col < 0 || col >= cols_)
        throw std::out_of_range("grid cell");
    return dataRow(row).at(col);
}

QStringList Grid::dataRow(int row) const {
    const auto it = changed_.find(row);
    if (it == changed_.end() && row > paged_->fetched())
        return QStringList(cols_);  // an empty row below the source's
    QStringList cells = it != changed_.end() ? *it : paged_->row(row - 1);
    // Cells past the columns, a row's key, stay with it.
    cells.resize(std::max(int(cells.size()), cols_));
    return cells;
}

QString Grid::keyCell(int row, int col) const {
    if (!paged_ || row < 1 || row >= rows())
        return {};
    const QStringList cells = dataRow(row);
    return col < cells.size() ? cells[col] : QString();
}

void Grid::setTextMatrix(int row, int col, const QString& text) {
    if (col < 0 || col >= cols_)
        throw std::out_of_range("grid column");
    if (paged_ && row > 0) {
        if (row >= rows())
            throw std::out_of_range("grid row");
        QStringList cells = dataRow(row);
        if (cells[col] == text)
            return;
        cells[col] = text;
        changed_.insert(row, cells);
        notify();
        return;
    }
    QString& cell = cells_.at(std::size_t(row))[col];
    if (cell == text)
        return;
    cell = text;
    notify();
}

void Grid::setDataRows(std::vector<QStringList> dataRows) {
    paged_.reset();
    changed_.clear();
    QStringList headings = std::move(cells_.front());
    cells_ = std::move(dataRows);
    cells_.insert(cells_.begin(), std::move(headings));
    for (QStringList& r : cells_)
        r.resize(cols_);
    row_ = std::min(row_, rows() - 1);
    notify();
}

void Grid::setMinRows(int n) {
    minRows_ = n;
    notify();
}

void Grid::moveRow(int from, int to, QStringList cells) {
    cells.resize(std::max(int(cells.size()), cols_));
    if (paged_) {
        paged_->moveRow(from - (from > 0), to - (to > 0), cells);
        // The window's own cells go with their rows.
        QHash<int, QStringList> changed;
        for (auto it = changed_.cbegin(); it != changed_.cend(); ++it) {
            int at = it.key();
            if (at == from)
                continue;
            at -= from > 0 && at > from;
            at += to > 0 && at >= to;
            changed.insert(at, *it);
        }
        changed_ = std::move(changed);
    } else {
        if (from > 0 && from < int(cells_.size()))
            cells_.erase(cells_.begin() + from);
        if (to > 0)
            cells_.insert(cells_.begin() + std::min(to, int(cells_.size())), std::move(cells));
    }
    row_ = std::clamp(row_, rows() > 1 ? 1 : 0, rows() - 1);
    notify();
}

bool Grid::setSource(std::shared_ptr<RowSource> source, int minRows) {
    auto paged = std::make_unique<PagedRows>(std::move(source));
    if (!read([&] { paged->restart(); }))
        return false;
    cells_.resize(1);
    changed_.clear();
    failed_ = false;
    minRows_ = minRows;
    paged_ = std::move(paged);
    row_ = rows() > 1 ? 1 : 0;
    notify();
    const int shown = ++source_;
    if (paged_->counted() || !countLater)
        announceCount(shown);
    else
        countLater([this, shown] { announceCount(shown); });
    return true;
}

void Grid::announceCount(int source) {
    if (source != source_ || !paged_)
        return;
    int n = 0;
    if (read([&] { n = paged_->count(); }) && onCount)
        onCount(n);
}

bool Grid::read(const std::function<void()>& step) const {
    if (guard)
        return guard(step);
    step();
    return true;
}

int Grid::total() const {
    if (!paged_)
        return rows() - 1;
    int n = 0;
    read([&] { n = paged_->count(); });
    return n;
}

void Grid::fetchMore() {
    if (!canFetchMore())
        return;
    if (!read([this] { paged_->fetchMore(); }))
        failed_ = true;  // no more reads until the list is shown again
    notify();
}

void Grid::forEachDataRow(const std::function<void(const QStringList&)>& each) const {
    if (!paged_) {
        for (size_t r = 1; r < cells_.size(); ++r)
            each(cells_[r]);
        return;
    }
    int row = 0;
    forEachRow(paged_->source(), [&](const QStringList& cells) {
        ++row;
        if (const auto it = changed_.find(row); it != changed_.end())
            each(*it);
        else
            each(cells);
    });
}

void Grid::clickHeading(int col) {
    if (!paged_ || !enabled() || !orderByHeading(paged_->source(), col))
        return;
    changed_.clear();
    failed_ = !read([this] { paged_->restart(); });
    row_ = rows() > 1 ? 1 : 0;
    notify();
    if (onSort)
        onSort();
}

void Grid::setColWidth(int col, int twips) {
    widths_.at(std::size_t(col)) = twips;
    notify();
}

void Grid::setColAlignment(int col, Align a) {
    aligns_.at(std::size_t(col)) = a;
    notify();
}

void Grid::setRow(int row) {
    row_ = std::clamp(row, 0, rows() - 1);
    notify();
}

void Grid::setCol(int col) {
    col_ = std::clamp(col, 0, cols_ - 1);
    notify();
}

void Grid::setHighLight(int mode) {
    highLight_ = mode;
    notify();
}

void Grid::click(int row, int col) {
    if (!enabled() || row < 0 || row >= rows())
        return;
    row_ = row;
    col_ = std::clamp(col, 0, cols_ - 1);
    notify();
    if (onClick)
        onClick();
}

void Grid::keyToRow(int row) {
    if (!enabled() || rows() < 2)
        return;
    setRow(std::clamp(row, 1, rows() - 1));
}

void Grid::doubleClick(int row, int col) {
    click(row, col);
    if (enabled() && row >= 1 && row < rows() && onDoubleClick)
        onDoubleClick();
}

void Grid::keyEnter() {
    if (rows() < 2 || row_ < 1)
        return;
    if (onDoubleClick)
        doubleClick(row_, col_);
    else
        click(row_, col_);
}

}  // namespace ui
