#include "patterns/LateExpectedIssues.h"

namespace patterns {

LateExpectedIssues::LateExpectedIssues(const data::Database& db)
    : db_(db), patterns_(PatternRecords(db).allPatterns()) {}

bool LateExpectedIssues::ceased(const QString& pointer) const {
    const auto found = patterns_.constFind(pointer.trimmed());
    return found != patterns_.cend() && found->ceased;
}

std::vector<OverdueIssue> LateExpectedIssues::overdue(const QString& pointer,
                                                      const QString& departmentCode, QDate since,
                                                      QDate today) const {
    const auto found = patterns_.constFind(pointer.trimmed());
    if (found == patterns_.cend() || found->ceased)
        return {};
    const PatternRecords records(db_);
    std::vector<OverdueIssue> out;
    for (const ExpectedIssue& e :
         expectedIssues(found->pattern, records.registered(pointer, departmentCode),
                        records.marks(pointer, departmentCode), today)) {
        const bool overdue = e.status == IssueStatus::Late || e.status == IssueStatus::Missing ||
                             e.status == IssueStatus::Claimed;
        if (overdue && (!since.isValid() || e.predicted.expected >= since))
            out.push_back({e.predicted, e.status,
                           QStringLiteral("ปีที่ %1 ฉบับที่ %2")
                               .arg(e.predicted.volume)
                               .arg(e.predicted.issueText())});
    }
    return out;
}

}  // namespace patterns
