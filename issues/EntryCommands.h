#pragma once

#include "issues/EntryCalendars.h"
#include "ui/Controls.h"
#include "ui/Grid.h"

namespace issues {

// Which of the registration window's commands work. New, Edit and Delete act
// on the listed title, so only a listed title enables them; while an entry is
// open only Save, Cancel and the calendars work and the lists hold still, so
// the entry cannot lose the subscription it belongs to.
class EntryCommands {
  public:
    struct Buttons {
        ui::CommandButton& add;
        ui::CommandButton& edit;
        ui::CommandButton& remove;
        ui::CommandButton& save;
        ui::CommandButton& cancel;
    };
    // Everything starts disabled: there is no title and no entry yet.
    EntryCommands(Buttons buttons, ui::Grid& titles, ui::Grid& issues, EntryCalendars& calendars);

    void begin();
    // New, Edit and Delete stay off until followTitle says what is listed.
    void end();
    void followTitle(bool titleListed);
    bool entryOpen() const { return buttons_.save.enabled(); }

  private:
    void setListsEnabled(bool on);

    Buttons buttons_;
    ui::Grid& titles_;
    ui::Grid& issues_;
    EntryCalendars& calendars_;
};

}  // namespace issues
