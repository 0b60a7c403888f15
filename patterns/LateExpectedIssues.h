#pragma once

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QString>
#include <vector>

#include "patterns/ExpectedIssues.h"
#include "patterns/PatternRecords.h"

namespace data {
class Database;
}

namespace patterns {

// An expected issue that is overdue, late or marked missing or claimed, or
// that will be once its grace has passed, and the first day it is overdue.
struct OverdueIssue {
    PredictedIssue issue;
    IssueStatus status = IssueStatus::Late;
    QDate lateFrom;  // none: overdue on any day
};

// A subscription's overdue issues, and the day from which its list may grow
// by an issue not yet predicted.
struct PendingIssues {
    std::vector<OverdueIssue> issues;
    QDate recheck;  // none: it never grows
};

// A subscription of a patterned title, and the start of its period.
struct PatternedSubscription {
    QString pointer, departmentCode;
    QDate since;                            // none: every issue counts
    const StoredPattern* stored = nullptr;  // the title's, as pattern() gave it
};

// The overdue issues of the subscriptions reached whose titles have a
// pattern. The patterns are read once, and the registered issues and marks
// of all the subscriptions asked for in one pass each.
class LateExpectedIssues {
  public:
    LateExpectedIssues(const data::Database& db, LateReach reach);

    // The title's pattern, none without one, from the UTF-8 bytes of its
    // stored key.
    const StoredPattern* pattern(QByteArrayView pointerUtf8) const;
    // For each subscription, in the order given, its issues expected no
    // earlier than its start that are overdue today or will be.
    std::vector<PendingIssues> pending(const std::vector<PatternedSubscription>& subscriptions,
                                       QDate today) const;

  private:
    const data::Database& db_;
    const LateReach reach_;
    QHash<QByteArray, StoredPattern> patterns_;
};

}  // namespace patterns
