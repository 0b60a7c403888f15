#include "ui/Controls.h"

namespace ui {

void CommandButton::click() {
    if (enabled() && visible() && onClick)
        onClick();
}

void Label::setCaption(const QString& caption) {
    if (caption_ == caption)
        return;
    caption_ = caption;
    notify();
}

void OptionButton::setValue(bool on) {
    if (on)
        for (OptionButton* peer : peers_)
            if (peer != this)
                peer->setValue(false);
    if (value_ == on)
        return;
    value_ = on;
    notify();
}

void OptionButton::click() {
    if (!enabled())
        return;
    setValue(true);
    if (onClick)
        onClick();
}

void OptionButton::group(const std::vector<OptionButton*>& buttons) {
    for (OptionButton* b : buttons)
        b->peers_ = buttons;
}

void TabControl::setTab(int page) {
    if (page < 0 || page >= captions_.size() || page == tab_)
        return;
    tab_ = page;
    notify();
}

void TabControl::click(int page) {
    if (!enabled())
        return;
    const int previous = tab_;
    setTab(page);
    if (onClick)
        onClick(previous);
}

void MonthCalendar::setValue(const QDate& date) {
    if (value_ == date)
        return;
    value_ = date;
    notify();
}

void MonthCalendar::clickDate(const QDate& date) {
    if (!enabled())
        return;
    setValue(date);
    if (onDateClick)
        onDateClick(date);
}

}  // namespace ui
