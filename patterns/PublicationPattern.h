#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <optional>
#include <vector>

namespace patterns {

// How often a title comes out. The first nine cover the frequency codes a
// new desk starts with.
enum class Frequency {
    Daily,
    DailyExceptSunday,
    Weekly,
    Fortnightly,
    Monthly,
    Bimonthly,
    Quarterly,
    HalfYearly,
    Yearly,
    MonthlyExceptSome,  // monthly, with the omitted months left out
    EveryNDays,
};
constexpr int kFrequencyCount = 11;

// The year of a chronology: Buddhist era (Christian + 543) or Christian.
enum class Era { Buddhist, Christian };

// The publication schedule of a title, fixed by one known issue: its date
// and numbers. Every other issue is predicted from it.
struct PublicationPattern {
    Frequency frequency = Frequency::Monthly;
    int everyDays = 0;  // EveryNDays only
    QDate knownDate;
    int knownVolume = 1;
    int knownIssue = 1;
    int issuesPerVolume = 12;
    bool restartNumbers = true;  // issue numbers start at 1 in each volume, else run on
    int volumeStartMonth = 0;    // 1 to 12: a new volume with the first issue of that month;
                                 // 0: a new volume after issuesPerVolume issues
    int leadDays = 0;            // from publication to arrival at the desk
    int graceDays = 0;           // after arrival before an issue counts as late
    QList<int> omittedMonths;    // months (1 to 12) without an issue
    QList<int> combinedIssues;   // issue numbers n published as one with n + 1

    bool operator==(const PublicationPattern&) const = default;
};

// One issue the pattern predicts. A combined issue carries two numbers.
struct PredictedIssue {
    QDate published;
    QDate expected;  // published + lead days
    int volume = 0;
    int issue = 0;
    int lastIssue = 0;  // == issue unless combined
    QDate coversUntil;  // the last publication slot it stands for

    bool covers(int number) const { return number >= issue && number <= lastIssue; }
    // "7", or "7/8" for a combined issue.
    QString issueText() const;
    bool operator==(const PredictedIssue&) const = default;
};

// A pattern a title can start from: the frequency of its code ("01" daily
// to "08" yearly), the issues per volume from the title's own numbers where
// they are numbers, and the frequency's grace.
PublicationPattern presetPattern(Frequency frequency, const QString& numberPerVolume,
                                 const QString& volumePerYear, QDate knownDate);
// The frequency of a first-run frequency code; none for any other code.
std::optional<Frequency> frequencyOfCode(const QString& magtypeCode);
// The issues of a year at this frequency, and the grace days it allows.
int issuesPerYear(Frequency frequency, int everyDays);
int defaultGrace(Frequency frequency);
QString frequencyName(Frequency frequency);

// Whether the pattern can predict: a known date, numbers and spacing that
// make sense. The Thai reason otherwise.
QString patternProblem(const PublicationPattern& pattern);

// The known issue and the `count` after it, in order.
std::vector<PredictedIssue> predictIssues(const PublicationPattern& pattern, int count);
// From the known issue up to the first issue expected after `until`
// (that one included, so "the next" is always there), at most `limit`.
std::vector<PredictedIssue> predictThrough(const PublicationPattern& pattern, QDate until,
                                           int limit = 5000);

// What the issue is for, in Thai: "ปีที่ 12 ฉบับที่ 7/8 กรกฎาคม-สิงหาคม 2568" for
// a monthly issue, the day as well for a daily or weekly one.
QString chronology(const PublicationPattern& pattern, const PredictedIssue& issue, Era era);
QString thaiMonthName(int month);

}  // namespace patterns
