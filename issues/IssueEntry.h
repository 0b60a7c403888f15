#pragma once

#include "issues/IssueRegister.h"

namespace patterns {
struct ProposedFields;
}
namespace ui {
class Grid;
class TextBox;
}  // namespace ui

namespace issues {

struct Subscription;

// The registration window's entry fields, Text2 to Text7, in the order of
// the issues list's columns: the number, the issue date, the year and issue
// numbers, the description and the day received. Only the year, the issue
// number and the description are typed; the rest come from the counter and
// the calendars.
class IssueEntry {
  public:
    IssueEntry(ui::TextBox& magno, ui::TextBox& daily, ui::TextBox& yearno, ui::TextBox& issueno,
               ui::TextBox& description, ui::TextBox& received)
        : magno_(magno),
          daily_(daily),
          yearno_(yearno),
          issueno_(issueno),
          description_(description),
          received_(received) {}

    // The fields show the grid's current row; blank on the headings.
    void copyRow(const ui::Grid& grid);
    void clear();
    void lock();
    void unlockTyped();
    void propose(const patterns::ProposedFields& fields);

    IssueRow issue(const Subscription& subscription) const;
    IssueChanges changes() const;

  private:
    ui::TextBox& magno_;
    ui::TextBox& daily_;
    ui::TextBox& yearno_;
    ui::TextBox& issueno_;
    ui::TextBox& description_;
    ui::TextBox& received_;
};

}  // namespace issues
