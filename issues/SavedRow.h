#pragma once

#include <QString>
#include <optional>

#include "issues/IssueRegister.h"

namespace ui {
class Grid;
}

namespace issues {

class IssueList;

// After a save only the saved row changes in the issues list, at the place
// the register gives it among its title's issues. The list is read again
// instead when the issue is gone meanwhile or belongs to another title, when
// the list shows another title or none of its issues, when an edited
// issue's row is no longer the list's current one, or when another desk
// saved or deleted an issue of the title meanwhile.
class SavedRow {
  public:
    SavedRow(const IssueList& list, const ui::Grid& grid) : list_(list), grid_(grid) {}

    struct Place {
        ListedIssue issue;
        int place = 0;
    };
    // None when the list is to be read again. `entryPointer` is the title the
    // issue was saved under, `listedPointer` the one the list shows. Raises a
    // database failure for the window to report.
    std::optional<Place> find(data::Database& db, const QString& magno, bool added,
                              const QString& entryPointer, const QString& listedPointer) const;

  private:
    const IssueList& list_;
    const ui::Grid& grid_;
};

}  // namespace issues
