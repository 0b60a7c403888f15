#include "patterns/PatternProposals.h"

#include <algorithm>

#include "data/LeadingNumber.h"

namespace patterns {

namespace {

// The preset nearest to the usual days between issues.
Frequency frequencyOfSpacing(qint64 days) {
    const std::pair<int, Frequency> limits[] = {
        {1, Frequency::Daily},        {10, Frequency::Weekly},    {20, Frequency::Fortnightly},
        {45, Frequency::Monthly},     {75, Frequency::Bimonthly}, {120, Frequency::Quarterly},
        {240, Frequency::HalfYearly}, {100000, Frequency::Yearly}};
    for (const auto& [limit, f] : limits)
        if (days <= limit)
            return f;
    return Frequency::Yearly;
}

int volumeOf(const DatedIssue& i) {
    return int(std::min<qint64>(data::leadingNumber(i.yearno), 100000));
}
int issueOf(const DatedIssue& i) {
    return int(std::min<qint64>(data::leadingNumber(i.issueno), 100000));
}

}  // namespace

std::optional<ProposedPattern> proposePattern(const TitleFacts& title,
                                              std::vector<DatedIssue> issues) {
    std::erase_if(issues, [](const DatedIssue& i) { return !i.daily.isValid(); });
    std::sort(issues.begin(), issues.end(),
              [](const DatedIssue& a, const DatedIssue& b) { return a.daily < b.daily; });
    const auto numbered = std::find_if(issues.rbegin(), issues.rend(), [](const DatedIssue& i) {
        return volumeOf(i) > 0 && issueOf(i) > 0;
    });
    if (numbered == issues.rend())
        return std::nullopt;
    QString basis = QStringLiteral("รหัสกำหนดออก");
    std::optional<Frequency> frequency = frequencyOfCode(title.magtypeCode);
    if (!frequency) {
        std::vector<qint64> gaps;
        for (size_t i = 1; i < issues.size(); ++i)
            if (const qint64 gap = issues[i - 1].daily.daysTo(issues[i].daily); gap > 0)
                gaps.push_back(gap);
        if (gaps.empty())
            return std::nullopt;
        std::nth_element(gaps.begin(), gaps.begin() + gaps.size() / 2, gaps.end());
        frequency = frequencyOfSpacing(gaps[gaps.size() / 2]);
        basis = QStringLiteral("ระยะห่างของฉบับที่ลงทะเบียน");
    }
    PublicationPattern p =
        presetPattern(*frequency, title.numberPerVolume, title.volumePerYear, numbered->daily);
    p.knownVolume = volumeOf(*numbered);
    p.knownIssue = issueOf(*numbered);
    // At a change of volume the numbers either start again or go on.
    for (size_t i = 1; i < issues.size(); ++i) {
        const DatedIssue &before = issues[i - 1], &after = issues[i];
        if (volumeOf(after) != volumeOf(before) + 1 || issueOf(after) < 1)
            continue;
        p.restartNumbers = issueOf(after) <= issueOf(before);
        // A volume a year begins in the month its first issue came out.
        if (p.volumeStartMonth > 0)
            p.volumeStartMonth = after.daily.month();
        break;
    }
    if (!patternProblem(p).isEmpty())
        return std::nullopt;
    return ProposedPattern{title, p, basis};
}

std::vector<ProposedPattern> proposePatterns(const PatternRecords& records) {
    const auto issues = records.datedIssues();
    std::vector<ProposedPattern> out;
    for (const TitleFacts& t : records.titlesWithoutPattern())
        if (auto p = proposePattern(t, issues.value(t.pointer)))
            out.push_back(std::move(*p));
    return out;
}

}  // namespace patterns
