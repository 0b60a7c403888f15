#pragma once

#include <QString>
#include <optional>

namespace data {
class Database;
}
namespace ui {
class MessageBox;
}

namespace issues {

class IssueList;

// Deletes the issue an entry shows and tells the clerk what became of it.
// Where its row stood in the list is found before it goes, so that only that
// row need leave the list. A database failure is raised for the window to
// report.
class IssueDelete {
  public:
    IssueDelete(data::Database& db, ui::MessageBox& messages) : db_(db), messages_(messages) {}

    struct Result {
        bool deleted = false;
        // The row's place below the top of the list; none when the list is to
        // be read again (it shows another title, or none, or the issue is gone,
        // or another desk's change meanwhile).
        std::optional<int> place;
    };
    // `listedPointer` is the title `list` shows. A list showing none of its
    // issues, or out of step with the register because another desk changed
    // the title's issues meanwhile, is to be read again.
    Result remove(const QString& magno, const QString& listedPointer, const IssueList& list) const;

  private:
    data::Database& db_;
    ui::MessageBox& messages_;
};

}  // namespace issues
