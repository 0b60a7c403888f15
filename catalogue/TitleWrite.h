#pragma once

#include <QString>

namespace data {
class Database;
}
namespace ui {
class MessageBox;
}

namespace catalogue {

class NewJournal;

// Writes the title entry, all of it or nothing: a new title takes the next
// key of its series (shown in the key field), an edit goes over the title
// that was loaded. The save rules are checked again inside the write; when
// one refuses, or the title is gone meanwhile, the clerk is told and turned
// to the field to put right. A database failure is raised for the window.
class TitleWrite {
  public:
    TitleWrite(data::Database& db, NewJournal& w, ui::MessageBox& messages)
        : db_(db), w_(w), messages_(messages) {}

    // `loadedKey` is the key of the title being edited. False when nothing
    // was written.
    bool write(bool adding, const QString& loadedKey);

  private:
    data::Database& db_;
    NewJournal& w_;
    ui::MessageBox& messages_;
};

}  // namespace catalogue
