#pragma once

#include <QDate>
#include <QString>
#include <vector>

#include "patterns/PublicationPattern.h"

namespace data {
class Database;
}
namespace ui {
class MessageBox;
}

namespace issues {

class IssueEntry;
struct Subscription;

// The subscription's publication pattern at work in a registration entry:
// New fills in the issue expected next (or the one a scanned add-on names),
// and a new issue whose numbers skip expected ones asks whether those are
// missing, to mark them so once it is saved. A title without a pattern
// proposes and asks nothing. Database failures are raised for the window to
// report.
class EntryPattern {
  public:
    EntryPattern(IssueEntry& fields, const Subscription& subscription, QDate today)
        : fields_(fields), subscription_(subscription), today_(today) {}

    // False, the entry untouched, when no such issue is expected.
    bool propose(data::Database& db, const QString& addOn) const;
    // Before the new issue is written; the answer is kept for markSkipped.
    void askAboutSkipped(data::Database& db, ui::MessageBox& messages);
    bool skipsIssues() const { return !skipped_.empty(); }
    // Once the new issue is saved.
    void markSkipped(data::Database& db) const;

  private:
    IssueEntry& fields_;
    const Subscription& subscription_;
    QDate today_;
    std::vector<patterns::PredictedIssue> skipped_;
};

}  // namespace issues
