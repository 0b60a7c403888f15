#include "ui/PickList.h"

namespace ui {

QString codeSuffix(const QString& code) {
    return code.trimmed().isEmpty() ? QString() : QStringLiteral("  (รหัส %1)").arg(code.trimmed());
}

void PickList::setRows(std::vector<PickRow> rows) {
    source_.reset();
    more_ = false;
    const int before = chosen_;
    const QString chosenCode = boundText();
    rows_ = std::move(rows);
    // The chosen code stays chosen while its row still shows the same text:
    // two codes may share one description.
    int row = -1;
    for (size_t i = 0; i < rows_.size() && before >= 0; ++i)
        if (rows_[i].code == chosenCode && rows_[i].description == text_) {
            row = int(i);
            break;
        }
    if (row >= 0)
        show(text_, row);
    else
        setText(text_, -1);
    notify();
}

void PickList::setSource(std::shared_ptr<RowSource> source) {
    std::vector<PickRow> none;
    setRows(std::move(none));
    source_ = std::move(source);
    more_ = true;
    readPage();
    setText(text_, -1);
}

void PickList::fetchMore() {
    if (!canFetchMore())
        return;
    const auto step = [this] { readPage(); };
    bool read = true;
    if (guard)
        read = guard(step);
    else
        step();
    if (!read)
        more_ = false;  // no more reads until the list is set again
    notify();
}

void PickList::readPage() {
    const int page = 100;
    const std::vector<QStringList> rows = source_->rows(int(rows_.size()), page);
    for (const QStringList& r : rows)
        rows_.push_back({r.value(0), r.value(1)});
    more_ = int(rows.size()) == page;
}

void PickList::setText(const QString& text) {
    // The same text again keeps the row chosen, not the first one showing it.
    setText(text, chosen_ >= 0 && rows_[std::size_t(chosen_)].description == text ? chosen_ : -1);
}

void PickList::setText(const QString& text, int keep) {
    if (keep >= 0) {
        show(text, keep);
        return;
    }
    int row = -1;
    for (size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].description == text) {
            row = int(i);
            break;
        }
    show(text, row);
}

QString PickList::boundText() const {
    return chosen_ >= 0 ? rows_[std::size_t(chosen_)].code : QString();
}

void PickList::setBoundText(const QString& code) {
    for (size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].code == code) {
            chooseRow(int(i));
            return;
        }
    show(QString(), -1);
}

void PickList::chooseRow(int row) {
    if (row < 0 || row >= int(rows_.size()))
        show(QString(), -1);
    else
        show(rows_[std::size_t(row)].description, row);
}

void PickList::setBackColor(int colour) {
    if (backColor_ == colour)
        return;
    backColor_ = colour;
    notify();
}

void PickList::userChoose(int row) {
    if (!enabled())
        return;
    chooseRow(row);
    if (onClick)
        onClick();
}

void PickList::userType(const QString& text) {
    if (enabled())
        setText(text);
}

void PickList::doubleClick() {
    if (enabled() && onDoubleClick)
        onDoubleClick();
}

void PickList::keyEnter(int row) {
    userChoose(row);
    if (onDoubleClick)
        doubleClick();
}

void PickList::show(const QString& text, int row) {
    const bool changed = text != text_ || row != chosen_;
    text_ = text;
    chosen_ = row;
    notify();
    if (changed && onChange)
        onChange();
}

}  // namespace ui
