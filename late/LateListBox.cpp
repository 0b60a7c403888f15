#include "late/LateListBox.h"

#include "late/LateList.h"

namespace late {

LateListBox::LateListBox(QString name, QStringList headings, std::vector<int> widthsTwips)
    : Control(std::move(name)), headings_(std::move(headings)), widths_(std::move(widthsTwips)) {}

void LateListBox::show(const LateList* list) {
    list_ = list;
    row_ = count() > 0 ? 0 : -1;
    ++generation_;
    notify();
}

void LateListBox::reordered() {
    row_ = count() > 0 ? 0 : -1;
    ++generation_;
    notify();
}

int LateListBox::count() const {
    return list_ ? list_->size() : 0;
}

QString LateListBox::text(int row, int column) const {
    return row >= 0 && row < count() ? list_->cell(row, column) : QString();
}

void LateListBox::setRow(int row) {
    row_ = row >= 0 && row < count() ? row : -1;
    notify();
}

void LateListBox::setSort(int column, bool descending) {
    sortColumn_ = column;
    descending_ = descending;
    notify();
}

void LateListBox::click(int row) {
    setRow(row);
    if (onClick)
        onClick();
}

void LateListBox::keyToRow(int row) {
    if (row >= 0 && row < count() && row != row_)
        setRow(row);
}

void LateListBox::keyEnter() {
    if (onClick)
        onClick();
}

void LateListBox::clickHeading(int column) {
    if (column < 0 || column >= headings_.size() || !onSort)
        return;
    // A new column starts from its first values; days late from the most.
    const bool descending = column == sortColumn_ ? !descending_ : column == column::daysLate;
    onSort(column, descending);
}

}  // namespace late
