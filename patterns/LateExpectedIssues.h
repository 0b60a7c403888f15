#pragma once

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

// An expected issue that is overdue: late, or marked missing or claimed.
struct OverdueIssue {
    PredictedIssue issue;
    IssueStatus status = IssueStatus::Late;
    QString name;  // "ปีที่ 12 ฉบับที่ 4", for the list and the claim
};

// The overdue issues of the subscriptions whose titles have a pattern. The
// patterns are read once; each subscription's issues when it is asked for.
class LateExpectedIssues {
  public:
    explicit LateExpectedIssues(const data::Database& db);

    bool hasPattern(const QString& pointer) const { return patterns_.contains(pointer.trimmed()); }
    // A title that has ceased is never late.
    bool ceased(const QString& pointer) const;
    // Issues expected no earlier than `since` (the subscription's start).
    std::vector<OverdueIssue> overdue(const QString& pointer, const QString& departmentCode,
                                      QDate since, QDate today) const;

  private:
    const data::Database& db_;
    QHash<QString, StoredPattern> patterns_;
};

}  // namespace patterns
