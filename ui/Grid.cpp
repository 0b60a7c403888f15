#include "ui/Grid.h"

#include <algorithm>
#include <stdexcept>

namespace ui {

Grid::Grid(QString name, int rows, int cols) : Control(std::move(name)), cols_(0) {
    setCols(cols);
    setRows(rows);
}

void Grid::setRows(int n) {
    n = std::max(n, 1);
    cells_.resize(n);
    for (QStringList& r : cells_)
        r.resize(cols_);
    row_ = std::min(row_, n - 1);
    notify();
}

void Grid::setCols(int n) {
    cols_ = std::max(n, 1);
    for (QStringList& r : cells_)
        r.resize(cols_);
    widths_.resize(cols_, -1);
    aligns_.resize(cols_, Align::Default);
    col_ = std::min(col_, cols_ - 1);
    notify();
}

QString Grid::textMatrix(int row, int col) const {
    return cells_.at(row).at(col);
}

void Grid::setTextMatrix(int row, int col, const QString& text) {
    if (col < 0 || col >= cols_)
        throw std::out_of_range("grid column");
    QString& cell = cells_.at(row)[col];
    if (cell == text)
        return;
    cell = text;
    notify();
}

void Grid::setDataRows(std::vector<QStringList> dataRows) {
    QStringList headings = std::move(cells_.front());
    cells_ = std::move(dataRows);
    cells_.insert(cells_.begin(), std::move(headings));
    for (QStringList& r : cells_)
        r.resize(cols_);
    row_ = std::min(row_, rows() - 1);
    notify();
}

void Grid::setColWidth(int col, int twips) {
    widths_.at(col) = twips;
    notify();
}

void Grid::setColAlignment(int col, Align a) {
    aligns_.at(col) = a;
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
