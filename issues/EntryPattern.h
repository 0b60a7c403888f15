#pragma once

#include <QString>
#include <vector>

#include "patterns/PublicationPattern.h"

namespace data {
class Database;
}
namespace patterns {
class ExpectedIssueProposal;
}
namespace ui {
class MessageBox;
}

namespace issues {

class IssueEntry;
struct Subscription;

// The subscription's publication pattern at work in a registration entry,
// from the expected issues the window has read: New fills in the issue
// expected next (or the one a scanned add-on names), and a new issue whose
// numbers skip expected ones asks whether those are missing, to mark them so
// once it is saved. A title without a pattern proposes and asks nothing.
class EntryPattern {
  public:
    EntryPattern(IssueEntry& fields, const Subscription& subscription,
                 const patterns::ExpectedIssueProposal* expected)
        : fields_(fields), subscription_(subscription), expected_(expected) {}

    // False, the entry untouched, when no such issue is expected.
    bool propose(const QString& addOn) const;
    // Before the new issue is written; the answer is kept for markSkipped.
    void askAboutSkipped(ui::MessageBox& messages);
    bool skipsIssues() const { return !skipped_.empty(); }
    // Once the new issue is saved; a database failure is raised.
    void markSkipped(data::Database& db, QDate today) const;

  private:
    IssueEntry& fields_;
    const Subscription& subscription_;
    const patterns::ExpectedIssueProposal* expected_;
    std::vector<patterns::PredictedIssue> skipped_;
};

}  // namespace issues
