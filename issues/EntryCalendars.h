#pragma once

#include <QDate>

#include "ui/Controls.h"
#include "ui/TextBox.h"

namespace issues {

// The two pop-up calendars of a registration entry. Each belongs to one date
// field and the button beside it; the buttons work only while an entry is
// open, and a calendar writes its day only into a field that is in one, so a
// day clicked after the entry ended can never reach the issue shown.
class EntryCalendars {
  public:
    struct Calendar {
        ui::CommandButton& button;
        ui::MonthCalendar& calendar;
        ui::TextBox& field;
    };

    EntryCalendars(Calendar issueDate, Calendar received);

    // The entry opened or ended: the buttons follow it and an ended entry
    // closes both calendars.
    void setEntryOpen(bool open);
    // Shows the calendar on today's date (the other one closes).
    void open(Calendar& which, QDate today);
    // A day clicked: written into the calendar's field while the entry is
    // open. The calendar closes either way; false when nothing was written.
    bool pick(Calendar& which, QDate day);
    // The open calendar, closed: Escape closes it before anything else.
    // Null when none was open.
    Calendar* closeOpen();

    Calendar issueDate;
    Calendar received;

  private:
    bool entryOpen_ = false;
};

}  // namespace issues
