#include "issues/EntryCalendars.h"

#include "data/DateText.h"

namespace issues {

EntryCalendars::EntryCalendars(Calendar issueDateCalendar, Calendar receivedCalendar)
    : issueDate(issueDateCalendar), received(receivedCalendar) {
    setEntryOpen(false);
}

void EntryCalendars::setEntryOpen(bool open) {
    entryOpen_ = open;
    for (Calendar* c : {&issueDate, &received}) {
        c->button.setEnabled(open);
        if (!open)
            c->calendar.setVisible(false);
    }
}

void EntryCalendars::open(Calendar& which, QDate today) {
    if (!entryOpen_)
        return;
    Calendar& other = &which == &issueDate ? received : issueDate;
    other.calendar.setVisible(false);
    which.calendar.setVisible(true);
    which.calendar.setValue(today);
}

bool EntryCalendars::pick(Calendar& which, QDate day) {
    which.calendar.setVisible(false);
    if (!entryOpen_)
        return false;
    which.field.setText(data::writeDate(day));
    return true;
}

EntryCalendars::Calendar* EntryCalendars::closeOpen() {
    for (Calendar* c : {&issueDate, &received})
        if (c->calendar.visible()) {
            c->calendar.setVisible(false);
            return c;
        }
    return nullptr;
}

}  // namespace issues
