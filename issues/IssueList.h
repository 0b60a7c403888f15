#pragma once

#include <vector>

#include "issues/IssueRegister.h"

namespace ui {
class Grid;
class Label;
}  // namespace ui

namespace issues {

// The registration window's list of a title's issues (latest issue date
// first, undated ones last, the register's order among equals) and the line
// naming the latest one. It keeps the rows it shows, so that a save or a
// delete puts right only the row it changed instead of reading the list again.
class IssueList {
  public:
    IssueList(ui::Grid& grid, ui::Label& latest) : grid_(grid), latest_(latest) {}

    void setHeadings();
    // Shows the issues read for a title; false, and nothing changed, when
    // there are none.
    bool show(std::vector<ListedIssue> issues);
    // A saved issue takes its place: it replaces the row it was, or joins.
    void put(const ListedIssue& issue);
    // The listed row of this number that the register removes (the first one
    // stored) is gone; false when none is listed.
    bool remove(const QString& magno);
    // Blank rows under the headings and no latest issue.
    void clear();
    bool empty() const { return issues_.empty(); }

  private:
    void draw();

    ui::Grid& grid_;
    ui::Label& latest_;
    std::vector<ListedIssue> issues_;
};

}  // namespace issues
