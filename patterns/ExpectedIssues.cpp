#include "patterns/ExpectedIssues.h"

#include <QRegularExpression>
#include <algorithm>

#include "data/LeadingNumber.h"

namespace patterns {

namespace {

bool open(IssueStatus s) {
    return s == IssueStatus::Expected || s == IssueStatus::Late;
}

}  // namespace

QString statusName(IssueStatus status) {
    switch (status) {
        case IssueStatus::Expected:
            return QStringLiteral("รอรับ");
        case IssueStatus::Received:
            return QStringLiteral("ได้รับแล้ว");
        case IssueStatus::Late:
            return QStringLiteral("เลยกำหนด");
        case IssueStatus::Missing:
            return QStringLiteral("ขาด");
        case IssueStatus::Claimed:
            return QStringLiteral("ทวงถามแล้ว");
        case IssueStatus::NotPublished:
            return QStringLiteral("ไม่ได้จัดพิมพ์");
        case IssueStatus::NotReceived:
            return QStringLiteral("ไม่ได้รับ");
    }
    return {};
}

bool registeredAs(const RegisteredNumbers& registered, const PredictedIssue& issue) {
    if (data::leadingNumber(registered.yearno) != issue.volume)
        return false;
    static const QRegularExpression number(QStringLiteral("\\d+"));
    for (const auto& m : number.globalMatch(registered.issueno))
        if (issue.covers(m.captured().toInt()))
            return true;
    return false;
}

std::vector<ExpectedIssue> expectedIssues(const PublicationPattern& pattern,
                                          const std::vector<RegisteredNumbers>& registered,
                                          const std::vector<IssueMark>& marks, QDate today) {
    return expectedIssues(pattern, predictThrough(pattern, today), registered, marks, today);
}

std::vector<ExpectedIssue> expectedIssues(const PublicationPattern& pattern,
                                          const std::vector<PredictedIssue>& predicted,
                                          const std::vector<RegisteredNumbers>& registered,
                                          const std::vector<IssueMark>& marks, QDate today) {
    std::vector<ExpectedIssue> out;
    for (const PredictedIssue& p : predicted) {
        ExpectedIssue e{p, IssueStatus::Expected};
        const bool received = std::any_of(registered.begin(), registered.end(),
                                          [&](const auto& r) { return registeredAs(r, p); });
        const auto mark = std::find_if(marks.begin(), marks.end(), [&](const IssueMark& m) {
            return m.volume == p.volume && p.covers(m.issue);
        });
        if (received)
            e.status = IssueStatus::Received;
        else if (mark != marks.end())
            e.status = mark->status;
        else if (today > p.expected.addDays(pattern.graceDays))
            e.status = IssueStatus::Late;
        out.push_back(e);
    }
    return out;
}

std::optional<ExpectedIssue> nextExpected(const std::vector<ExpectedIssue>& issues) {
    for (const ExpectedIssue& e : issues)
        if (open(e.status))
            return e;
    return std::nullopt;
}

std::optional<ExpectedIssue> expectedWithNumber(const std::vector<ExpectedIssue>& issues,
                                                int number) {
    for (const ExpectedIssue& e : issues)
        if (e.status != IssueStatus::Received && e.status != IssueStatus::NotPublished &&
            e.predicted.covers(number))
            return e;
    return std::nullopt;
}

std::optional<ExpectedIssue> expectedAs(const std::vector<ExpectedIssue>& issues,
                                        const RegisteredNumbers& numbers) {
    for (const ExpectedIssue& e : issues)
        if (registeredAs(numbers, e.predicted))
            return e;
    return std::nullopt;
}

std::vector<ExpectedIssue> skippedBefore(const std::vector<ExpectedIssue>& issues,
                                         const PredictedIssue& issue) {
    std::vector<ExpectedIssue> out;
    for (const ExpectedIssue& e : issues)
        if (e.predicted.published < issue.published && open(e.status))
            out.push_back(e);
    return out;
}

}  // namespace patterns
