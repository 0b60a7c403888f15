#include "patterns/ExpectedIssues.h"

#include <algorithm>

#include "data/LeadingNumber.h"

namespace patterns {

namespace {

bool open(IssueStatus s) {
    return s == IssueStatus::Expected || s == IssueStatus::Late;
}

// Every (volume, number) the registrations carry, in order, so that an issue
// is looked up rather than compared with each registration.
std::vector<std::pair<qint64, int>> registeredNumbers(
    const std::vector<RegisteredNumbers>& registered) {
    std::vector<std::pair<qint64, int>> out;
    for (const RegisteredNumbers& r : registered) {
        const qint64 volume = data::leadingNumber(r.yearno);
        forEachNumber(r.issueno, [&](int n) { out.emplace_back(volume, n); });
    }
    std::sort(out.begin(), out.end());
    return out;
}

bool receivedIn(const std::vector<std::pair<qint64, int>>& numbers, const PredictedIssue& p) {
    const auto first =
        std::lower_bound(numbers.begin(), numbers.end(), std::pair<qint64, int>(p.volume, p.issue));
    return first != numbers.end() && first->first == p.volume && p.covers(first->second);
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
    return receivedIn(registeredNumbers({registered}), issue);
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
    out.reserve(predicted.size());
    const auto numbers = registeredNumbers(registered);
    for (const PredictedIssue& p : predicted) {
        ExpectedIssue e{p, IssueStatus::Expected};
        const bool received = receivedIn(numbers, p);
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
