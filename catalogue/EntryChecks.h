#pragma once

#include <QString>

namespace ui {
class Control;
class MessageBox;
}  // namespace ui

namespace catalogue {

class NewJournal;

// The title entry's required fields, checked in their order, and the way a
// refused save points at the field to put right: the message, the page the
// field lies on, the focus.
class EntryChecks {
  public:
    EntryChecks(NewJournal& w, ui::MessageBox& messages) : w_(w), messages_(messages) {}

    // False at the first required field left empty (the clerk was told). Blank
    // optional names then become two spaces, as they are stored.
    bool requiredFilled();
    // Shows the refusal and turns to the field, known by its control's name.
    void refuse(const QString& text, const QString& caption, const QString& field);
    void refuse(const QString& text, const QString& caption, ui::Control& field);

  private:
    NewJournal& w_;
    ui::MessageBox& messages_;
};

}  // namespace catalogue
