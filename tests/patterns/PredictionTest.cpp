#include <gtest/gtest.h>

#include <QRandomGenerator>

#include "patterns/ExpectedIssues.h"
#include "patterns/PublicationPattern.h"

using namespace patterns;

namespace {

PublicationPattern pattern(Frequency f, QDate known, int perVolume, int startMonth,
                           bool restart = true) {
    PublicationPattern p;
    p.frequency = f;
    p.knownDate = known;
    p.knownVolume = 12;
    p.knownIssue = 1;
    p.issuesPerVolume = perVolume;
    p.volumeStartMonth = startMonth;
    p.restartNumbers = restart;
    return p;
}

// "dd/mm/yyyy v.i" of each issue, the way a clerk checks a calendar.
QStringList calendar(const std::vector<PredictedIssue>& issues) {
    QStringList out;
    for (const PredictedIssue& i : issues)
        out << i.published.toString(QStringLiteral("dd/MM/yyyy")) +
                   QStringLiteral(" %1.%2").arg(i.volume).arg(i.issueText());
    return out;
}

}  // namespace

TEST(Prediction, FollowsTheCalendarOfEachFrequency) {
    PublicationPattern omittedJuly = pattern(Frequency::MonthlyExceptSome, {2025, 5, 10}, 11, 1);
    omittedJuly.knownIssue = 5;
    omittedJuly.omittedMonths = {7};
    PublicationPattern combined = pattern(Frequency::Monthly, {2025, 6, 1}, 12, 1);
    combined.knownIssue = 6;
    combined.combinedIssues = {7};
    PublicationPattern runOn = pattern(Frequency::Monthly, {2025, 5, 1}, 6, 0, false);
    runOn.knownIssue = 5;
    PublicationPattern restartAfterSix = runOn;
    restartAfterSix.restartNumbers = true;
    const struct {
        const char* name;
        PublicationPattern p;
        int count;
        QStringList want;
    } cases[] = {
        {"monthly, new volume in January",
         pattern(Frequency::Monthly, {2025, 11, 15}, 12, 1),
         2,
         {"15/11/2025 12.1", "15/12/2025 12.2", "15/01/2026 13.1"}},
        {"monthly on the 31st keeps its day after short months",
         pattern(Frequency::Monthly, {2025, 1, 31}, 12, 1),
         2,
         {"31/01/2025 12.1", "28/02/2025 12.2", "31/03/2025 12.3"}},
        {"weekly",
         pattern(Frequency::Weekly, {2025, 12, 22}, 52, 1),
         2,
         {"22/12/2025 12.1", "29/12/2025 12.2", "05/01/2026 13.1"}},
        {"daily except Sunday",
         pattern(Frequency::DailyExceptSunday, {2025, 1, 3}, 313, 1),
         2,
         {"03/01/2025 12.1", "04/01/2025 12.2", "06/01/2025 12.3"}},
        {"bimonthly",
         pattern(Frequency::Bimonthly, {2025, 9, 1}, 6, 1),
         2,
         {"01/09/2025 12.1", "01/11/2025 12.2", "01/01/2026 13.1"}},
        {"quarterly",
         pattern(Frequency::Quarterly, {2025, 10, 1}, 4, 1),
         1,
         {"01/10/2025 12.1", "01/01/2026 13.1"}},
        {"yearly from a leap day",
         pattern(Frequency::Yearly, {2024, 2, 29}, 1, 0),
         4,
         {"29/02/2024 12.1", "28/02/2025 13.1", "28/02/2026 14.1", "28/02/2027 15.1",
          "29/02/2028 16.1"}},
        {"a new volume every 6 issues, numbers running on",
         runOn,
         2,
         {"01/05/2025 12.5", "01/06/2025 12.6", "01/07/2025 13.7"}},
        {"a new volume every 6 issues, numbers restarting",
         restartAfterSix,
         2,
         {"01/05/2025 12.5", "01/06/2025 12.6", "01/07/2025 13.1"}},
        {"no issue in July",
         omittedJuly,
         2,
         {"10/05/2025 12.5", "10/06/2025 12.6", "10/08/2025 12.7"}},
        {"7/8 as one issue",
         combined,
         2,
         {"01/06/2025 12.6", "01/07/2025 12.7/8", "01/09/2025 12.9"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(calendar(predictIssues(c.p, c.count)), c.want) << c.name;
}

TEST(Prediction, NamesTheIssueInThaiInEitherEra) {
    PublicationPattern monthly = pattern(Frequency::Monthly, {2025, 6, 1}, 12, 1);
    monthly.knownIssue = 6;
    monthly.combinedIssues = {7};
    const auto issues = predictIssues(monthly, 2);
    EXPECT_EQ(chronology(monthly, issues[1], Era::Buddhist), "ปีที่ 12 ฉบับที่ 7/8 กรกฎาคม-สิงหาคม 2568");
    EXPECT_EQ(chronology(monthly, issues[1], Era::Christian), "ปีที่ 12 ฉบับที่ 7/8 กรกฎาคม-สิงหาคม 2025");
    const PublicationPattern weekly = pattern(Frequency::Weekly, {2025, 12, 29}, 52, 1);
    EXPECT_EQ(chronology(weekly, predictIssues(weekly, 1)[1], Era::Buddhist),
              "ปีที่ 13 ฉบับที่ 1 5 มกราคม 2569");
    const PublicationPattern bimonthly = pattern(Frequency::Bimonthly, {2025, 11, 1}, 6, 1);
    EXPECT_EQ(chronology(bimonthly, predictIssues(bimonthly, 0)[0], Era::Buddhist),
              "ปีที่ 12 ฉบับที่ 1 พฤศจิกายน-ธันวาคม 2568");
}

TEST(Prediction, APresetStartsFromTheTitlesOwnNumbers) {
    const struct {
        QString perVolume, perYear;
        int wantPerVolume, wantStartMonth;
    } cases[] = {{"12", "1", 12, 1}, {"6", "2", 6, 0}, {"", "2", 6, 0}, {"x", "", 12, 1}};
    for (const auto& c : cases) {
        const auto p = presetPattern(*frequencyOfCode("04"), c.perVolume, c.perYear, {2025, 1, 1});
        EXPECT_EQ(p.issuesPerVolume, c.wantPerVolume) << c.perVolume.toStdString();
        EXPECT_EQ(p.volumeStartMonth, c.wantStartMonth);
        EXPECT_EQ(p.graceDays, 20);
    }
    EXPECT_FALSE(frequencyOfCode("09"));
    PublicationPattern bad = pattern(Frequency::EveryNDays, {2025, 1, 1}, 10, 0);
    EXPECT_FALSE(patternProblem(bad).isEmpty()) << "every 0 days";
    EXPECT_TRUE(predictIssues(bad, 5).empty());
}

TEST(ExpectedIssues, ReceivedByNumberMarkedOrLateByTheSchedule) {
    PublicationPattern p = pattern(Frequency::Monthly, {2025, 1, 1}, 12, 1);
    p.leadDays = 10;
    p.graceDays = 20;
    const std::vector<RegisteredNumbers> got{{"12", "1"}, {"12", "2"}, {" 12", "3"}};
    const std::vector<IssueMark> marks{{12, 4, IssueStatus::Missing}};
    const QDate today(2025, 6, 25);
    auto statuses = [&](const PublicationPattern& pat) {
        QList<IssueStatus> out;
        for (const ExpectedIssue& e : expectedIssues(pat, got, marks, today))
            out << e.status;
        return out;
    };
    // May's issue is expected 11/05 and late after 31/05; June's not until 01/07.
    using S = IssueStatus;
    EXPECT_EQ(statuses(p), (QList<S>{S::Received, S::Received, S::Received, S::Missing, S::Late,
                                     S::Expected, S::Expected}));
    // The pattern changed after three issues came: those stay received, the
    // rest follow the new dates.
    PublicationPattern changed = p;
    changed.knownDate = {2025, 1, 20};
    changed.graceDays = 5;
    const auto after = expectedIssues(changed, got, marks, today);
    EXPECT_EQ(statuses(changed),
              (QList<S>{S::Received, S::Received, S::Received, S::Missing, S::Late, S::Expected}));
    EXPECT_EQ(after[4].predicted.expected, QDate(2025, 5, 30));
    EXPECT_EQ(nextExpected(after)->predicted.issue, 5);
    EXPECT_EQ(expectedWithNumber(after, 4)->status, S::Missing);
    EXPECT_EQ(skippedBefore(after, after[5].predicted).size(), 1u);
}

// Issues that arrive up to 40 days late, at random, for two years: at every
// arrival the expected dates are the schedule's own, and an issue is late
// exactly when it has not come by its date and grace.
TEST(ExpectedIssues, LateArrivalsNeverMoveTheSchedule) {
    PublicationPattern p = pattern(Frequency::Monthly, {2024, 1, 5}, 12, 1);
    p.leadDays = 7;
    p.graceDays = 20;
    QRandomGenerator random(27);
    std::vector<QDate> arrival;
    for (int k = 0; k < 24; ++k)
        arrival.push_back(p.knownDate.addMonths(k).addDays(p.leadDays + random.bounded(41)));
    std::vector<RegisteredNumbers> got;
    for (QDate day = p.knownDate; day < QDate(2026, 1, 31); day = day.addDays(1)) {
        got.clear();
        for (int k = 0; k < 24; ++k)
            if (arrival[k] <= day)
                got.push_back({QString::number(12 + k / 12), QString::number(k % 12 + 1)});
        const auto issues = expectedIssues(p, got, {}, day);
        for (int k = 0; k < int(issues.size()) && k < 24; ++k) {
            const QDate due = p.knownDate.addMonths(k).addDays(p.leadDays);
            ASSERT_EQ(issues[k].predicted.expected, due) << k;
            const IssueStatus want = arrival[k] <= day                ? IssueStatus::Received
                                     : day > due.addDays(p.graceDays) ? IssueStatus::Late
                                                                      : IssueStatus::Expected;
            ASSERT_EQ(issues[k].status, want) << k << " on " << day.toString().toStdString();
        }
    }
}
