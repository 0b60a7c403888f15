#pragma once

#include <QString>

namespace ui {
class TextBox;
}

namespace catalogue {

class NewJournal;

// The title entry's fields in their two states: blank with the defaults a
// new title starts from, and locked (grey, untouchable) or open for typing.
// The key field goes the other way: typed only while the rest is locked.
class EntryState {
  public:
    // The defaults: one copy, zero numbers and prices, today in every date.
    static void blank(NewJournal& w, const QString& today);
    static void setLocked(NewJournal& w, bool locked);
    static void paint(ui::TextBox& field, bool locked);
};

}  // namespace catalogue
