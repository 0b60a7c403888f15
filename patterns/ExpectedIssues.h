#pragma once

#include <QDate>
#include <QString>
#include <limits>
#include <optional>
#include <vector>

#include "patterns/PublicationPattern.h"

namespace patterns {

// Stored by number: new ones go at the end.
enum class IssueStatus { Expected, Received, Late, Missing, Claimed, NotPublished, NotReceived };
QString statusName(IssueStatus status);

// The numbers in an issue text ("7", "7/8", "7-8"): each run of digits, and
// 0 for one too long for an int.
template <typename Take>
void forEachNumber(const QString& text, Take take) {
    constexpr int kMax = std::numeric_limits<int>::max();
    for (qsizetype i = 0; i < text.size();) {
        if (text.at(i) < u'0' || text.at(i) > u'9') {
            ++i;
            continue;
        }
        int value = 0;
        bool fits = true;
        for (; i < text.size() && text.at(i) >= u'0' && text.at(i) <= u'9'; ++i) {
            const int digit = text.at(i).unicode() - u'0';
            fits = fits && value <= (kMax - digit) / 10;
            if (fits)
                value = value * 10 + digit;
        }
        take(fits ? value : 0);
    }
}

// The numbers of one registered issue, as the clerk typed them.
struct RegisteredNumbers {
    QString yearno, issueno;
};

// What the clerk said of an issue that did not come.
struct IssueMark {
    int volume = 0, issue = 0;
    IssueStatus status = IssueStatus::Missing;
};

struct ExpectedIssue {
    PredictedIssue predicted;
    IssueStatus status = IssueStatus::Expected;
};

// Whether a registration is this issue: its year number and one of the
// numbers in its issue text ("7", "7/8", "7-8").
bool registeredAs(const RegisteredNumbers& registered, const PredictedIssue& issue);

// The expected issues of one subscription, from the pattern's known issue up
// to the next one not yet due, each with its status: received when a
// registration has its numbers, else what the clerk marked, else late once
// arrival and grace have passed. The dates come from the pattern alone, so
// when issues arrived never moves them.
std::vector<ExpectedIssue> expectedIssues(const PublicationPattern& pattern,
                                          const std::vector<RegisteredNumbers>& registered,
                                          const std::vector<IssueMark>& marks, QDate today);
// The same from issues already predicted through `today`.
std::vector<ExpectedIssue> expectedIssues(const PublicationPattern& pattern,
                                          const std::vector<PredictedIssue>& predicted,
                                          const std::vector<RegisteredNumbers>& registered,
                                          const std::vector<IssueMark>& marks, QDate today);

// The issue to propose for the next registration: the earliest still
// expected or late.
std::optional<ExpectedIssue> nextExpected(const std::vector<ExpectedIssue>& issues);
// The earliest issue not received that carries this number.
std::optional<ExpectedIssue> expectedWithNumber(const std::vector<ExpectedIssue>& issues,
                                                int number);
// The issue with these typed numbers, received or not.
std::optional<ExpectedIssue> expectedAs(const std::vector<ExpectedIssue>& issues,
                                        const RegisteredNumbers& numbers);
// The issues before `issue` that neither came nor were marked.
std::vector<ExpectedIssue> skippedBefore(const std::vector<ExpectedIssue>& issues,
                                         const PredictedIssue& issue);

}  // namespace patterns
