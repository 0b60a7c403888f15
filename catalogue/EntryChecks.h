#pragma once

#include <QString>

namespace publishers {
class DealerTable;
}
namespace ui {
class Control;
class MessageBox;
}  // namespace ui

namespace catalogue {

class NewJournal;

// The title entry's checks before a save: the required fields in their
// order, the dates, the publisher and agent names, the ISSN; and the way a
// refused save points at the field to put right: the message, the page the
// field lies on, the focus.
class EntryChecks {
  public:
    EntryChecks(NewJournal& w, ui::MessageBox& messages) : w_(w), messages_(messages) {}

    // False at the first required field left empty (the clerk was told). Blank
    // optional names then become two spaces, as they are stored.
    bool requiredFilled();
    // Each date must be a real day-first date before anything is written.
    bool datesReadable();
    // A name typed by hand must still name one publisher (and one agent): the
    // hidden code is kept when it is that publisher's, else the one publisher
    // of that name is taken. Raises a database failure for the window.
    bool dealersKnown(const publishers::DealerTable& dealers);
    // A mistyped ISSN is pointed out, but the title is saved as typed: the
    // clerk may be copying a number printed wrongly on the issue itself.
    void warnIssn();
    // Shows the refusal and turns to the field, known by its control's name.
    void refuse(const QString& text, const QString& caption, const QString& field);
    void refuse(const QString& text, const QString& caption, ui::Control& field);

  private:
    NewJournal& w_;
    ui::MessageBox& messages_;
};

}  // namespace catalogue
