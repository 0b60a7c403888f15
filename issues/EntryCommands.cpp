#include "issues/EntryCommands.h"

namespace issues {

EntryCommands::EntryCommands(Buttons buttons, ui::Grid& titles, ui::Grid& issues,
                             EntryCalendars& calendars)
    : buttons_(buttons), titles_(titles), issues_(issues), calendars_(calendars) {
    for (ui::CommandButton* b :
         {&buttons_.add, &buttons_.edit, &buttons_.remove, &buttons_.save, &buttons_.cancel})
        b->setEnabled(false);
}

void EntryCommands::begin() {
    setListsEnabled(false);
    buttons_.cancel.setEnabled(true);
    buttons_.save.setEnabled(true);
    followTitle(false);
    calendars_.setEntryOpen(true);
}

void EntryCommands::end() {
    setListsEnabled(true);
    buttons_.cancel.setEnabled(false);
    buttons_.save.setEnabled(false);
    calendars_.setEntryOpen(false);
}

void EntryCommands::followTitle(bool titleListed) {
    for (ui::CommandButton* b : {&buttons_.add, &buttons_.edit, &buttons_.remove})
        b->setEnabled(titleListed);
}

void EntryCommands::setListsEnabled(bool on) {
    titles_.setEnabled(on);
    issues_.setEnabled(on);
}

}  // namespace issues
