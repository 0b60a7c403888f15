#pragma once

#include <memory>

#include "issues/IssueRegister.h"

namespace ui {
class Grid;
class Label;
class RowSource;
}  // namespace ui

namespace issues {

// The registration window's list of a title's issues, read a page at a time
// (latest issue date first, undated ones last, the register's order among
// equals), and the line naming the latest one. A save or a delete puts right
// only the row it changed, in the pages already read, instead of reading the
// list again.
class IssueList {
  public:
    enum class Shown { Issues, None, Failed };

    IssueList(ui::Grid& grid, ui::Label& latest) : grid_(grid), latest_(latest) {}

    void setHeadings();
    // Shows the issues of a source from its first page: a blank list when
    // there are none; the list as it was when the read failed (the grid's
    // guard told of it).
    Shown show(std::shared_ptr<ui::RowSource> issues);
    // A saved issue takes its row, `place` rows below the top: a new one
    // joins, an edited one leaves the current row for it.
    void put(const ListedIssue& issue, int place, bool joins);
    // The issue `place` rows below the top left the register.
    void remove(int place);
    // Whether the rows held are the register's `stored` issues but for the
    // change being put right (+1 one added, -1 one deleted, 0 an edit); when
    // another desk saved or deleted an issue of the title meanwhile, they are
    // not, and the list is read again.
    bool inStep(int stored, int change) const;
    // Blank rows under the headings and no latest issue.
    void clear();
    bool empty() const;

  private:
    void nameLatest();

    ui::Grid& grid_;
    ui::Label& latest_;
};

}  // namespace issues
