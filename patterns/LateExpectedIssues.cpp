#include "patterns/LateExpectedIssues.h"

#include <algorithm>
#include <climits>
#include <unordered_map>

#include "data/LeadingNumber.h"

namespace patterns {

namespace {

bool isPending(IssueStatus s) {
    return s == IssueStatus::Expected || s == IssueStatus::Late || s == IssueStatus::Missing ||
           s == IssueStatus::Claimed;
}

}  // namespace

LateExpectedIssues::LateExpectedIssues(const data::Database& db, LateReach reach)
    : db_(db), reach_(std::move(reach)), patterns_(PatternRecords(db).patterns(reach_)) {}

const StoredPattern* LateExpectedIssues::pattern(QByteArrayView pointerUtf8) const {
    const auto space = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    qsizetype from = 0, to = pointerUtf8.size();
    while (from < to && space(pointerUtf8[from]))
        ++from;
    while (to > from && space(pointerUtf8[to - 1]))
        --to;
    QByteArrayView key = pointerUtf8.sliced(from, to - from);
    // A key that may begin or end with a space outside ASCII is trimmed as
    // text.
    QByteArray trimmed;
    if (!key.isEmpty() && ((key.front() & 0x80) || (key.back() & 0x80))) {
        trimmed = QString::fromUtf8(key).trimmed().toUtf8();
        key = trimmed;
    }
    const auto found = patterns_.constFind(QByteArray::fromRawData(key.data(), key.size()));
    return found != patterns_.cend() ? &*found : nullptr;
}

std::vector<PendingIssues> LateExpectedIssues::pending(
    const std::vector<PatternedSubscription>& subscriptions, QDate today) const {
    // Each title's issues are predicted once, for all its faculties; a map
    // whose entries stay where they are, as the subscriptions point at them.
    std::unordered_map<const StoredPattern*, std::vector<PredictedIssue>> predicted;
    // What each subscription needs: its pattern, and the lowest volume of
    // an issue it can list (volumes only go up along a schedule).
    struct Wanted {
        const StoredPattern* stored = nullptr;
        const std::vector<PredictedIssue>* issues = nullptr;
        int fromVolume = INT_MAX;
    };
    std::vector<Wanted> wanted(subscriptions.size());
    QHash<SubscriptionKey, int> lowestVolume;
    for (std::size_t i = 0; i < subscriptions.size(); ++i) {
        const PatternedSubscription& s = subscriptions[i];
        const StoredPattern* found = s.stored;
        if (!found || found->ceased)
            continue;
        auto issues = predicted.find(found);
        if (issues == predicted.end())
            issues = predicted.emplace(found, predictThrough(found->pattern, today)).first;
        const auto first = std::find_if(
            issues->second.begin(), issues->second.end(),
            [&](const PredictedIssue& p) { return !s.since.isValid() || p.expected >= s.since; });
        Wanted& w = wanted[i];
        w.stored = found;
        w.issues = &issues->second;
        if (first == issues->second.end())
            continue;
        w.fromVolume = first->volume;
        const SubscriptionKey key{s.pointer.trimmed(), s.departmentCode.trimmed()};
        lowestVolume[key] = std::min(lowestVolume.value(key, INT_MAX), w.fromVolume);
    }
    const PatternRecords records(db_);
    QHash<SubscriptionKey, std::vector<RegisteredNumbers>> registered;
    if (!lowestVolume.isEmpty())
        records.forEachRegisteredOfPatterns(
            [&](const SubscriptionKey& key, RegisteredNumbers&& numbers) {
                const auto lowest = lowestVolume.constFind(key);
                if (lowest != lowestVolume.cend() && data::leadingNumber(numbers.yearno) >= *lowest)
                    registered[key].push_back(std::move(numbers));
            },
            reach_);
    const auto marks = !lowestVolume.isEmpty() ? records.marks(reach_)
                                               : QHash<SubscriptionKey, std::vector<IssueMark>>();
    std::vector<PendingIssues> out(subscriptions.size());
    for (std::size_t i = 0; i < subscriptions.size(); ++i) {
        const Wanted& w = wanted[i];
        // The list grows when the issue after the last predicted one is
        // predicted: on the day the last one is due. A period that starts
        // after every issue predicted so far waits for that day too.
        if (w.issues && !w.issues->empty())
            out[i].recheck = std::max(w.issues->back().expected, today.addDays(1));
        if (w.fromVolume == INT_MAX)
            continue;
        const PatternedSubscription& s = subscriptions[i];
        const SubscriptionKey key{s.pointer.trimmed(), s.departmentCode.trimmed()};
        // Most subscriptions have neither: their lists are not copied.
        static const std::vector<RegisteredNumbers> noneRegistered;
        static const std::vector<IssueMark> noMarks;
        const auto got = registered.constFind(key);
        const auto itsMarks = marks.constFind(key);
        const std::vector<ExpectedIssue> expected = expectedIssues(
            w.stored->pattern, *w.issues, got != registered.cend() ? *got : noneRegistered,
            itsMarks != marks.cend() ? *itsMarks : noMarks, today);
        for (std::size_t k = 0; k < expected.size(); ++k) {
            const ExpectedIssue& e = expected[k];
            if (!isPending(e.status) || (s.since.isValid() && e.predicted.expected < s.since))
                continue;
            // A marked issue is overdue from the day it is first predicted,
            // the day its forerunner is due; the others once their grace is
            // over.
            const bool marked =
                e.status == IssueStatus::Missing || e.status == IssueStatus::Claimed;
            const QDate lateFrom =
                !marked ? e.predicted.expected.addDays(w.stored->pattern.graceDays + 1)
                : k > 0 ? expected[k - 1].predicted.expected
                        : QDate();
            out[i].issues.push_back({e.predicted, e.status, lateFrom});
        }
    }
    return out;
}

}  // namespace patterns
