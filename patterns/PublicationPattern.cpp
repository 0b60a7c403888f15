#include "patterns/PublicationPattern.h"

#include "data/LeadingNumber.h"

namespace patterns {

namespace {

struct Spacing {
    int days = 0;    // day-based frequencies
    int months = 0;  // month-based ones
};

Spacing spacingOf(const PublicationPattern& p) {
    switch (p.frequency) {
        case Frequency::Daily:
        case Frequency::DailyExceptSunday:
            return {1, 0};
        case Frequency::Weekly:
            return {7, 0};
        case Frequency::Fortnightly:
            return {14, 0};
        case Frequency::EveryNDays:
            return {p.everyDays, 0};
        case Frequency::Monthly:
        case Frequency::MonthlyExceptSome:
            return {0, 1};
        case Frequency::Bimonthly:
            return {0, 2};
        case Frequency::Quarterly:
            return {0, 3};
        case Frequency::HalfYearly:
            return {0, 6};
        case Frequency::Yearly:
            return {0, 12};
    }
    return {};
}

// The publication slots after the known date. Month-based slots are counted
// from the known date, so the 31st comes back after a short month.
class SlotDates {
  public:
    explicit SlotDates(const PublicationPattern& p) : p_(p), spacing_(spacingOf(p)) {}

    QDate next() {
        QDate d;
        do {
            ++index_;
            d = spacing_.months > 0 ? p_.knownDate.addMonths(index_ * spacing_.months)
                                    : p_.knownDate.addDays(qint64(index_) * spacing_.days);
        } while ((p_.frequency == Frequency::DailyExceptSunday && d.dayOfWeek() == Qt::Sunday) ||
                 p_.omittedMonths.contains(d.month()));
        return d;
    }

  private:
    const PublicationPattern& p_;
    Spacing spacing_;
    int index_ = 0;
};

// The first day of the volume's start month after `day`.
QDate nextVolumeStart(QDate day, int month) {
    QDate start(day.year(), month, 1);
    return start <= day ? start.addYears(1) : start;
}

// Runs the schedule from the known issue and hands each issue to `take`
// until it returns false.
template <typename Take>
void walk(const PublicationPattern& p, Take take) {
    if (!patternProblem(p).isEmpty())
        return;
    SlotDates dates(p);
    PredictedIssue issue;
    issue.published = p.knownDate;
    issue.volume = p.knownVolume;
    issue.issue = p.knownIssue;
    int position = p.restartNumbers ? p.knownIssue : (p.knownIssue - 1) % p.issuesPerVolume + 1;
    for (;;) {
        const int combinedKey = p.restartNumbers ? issue.issue : position;
        const bool combined = p.combinedIssues.contains(combinedKey);
        issue.lastIssue = issue.issue + (combined ? 1 : 0);
        issue.coversUntil = combined ? dates.next() : issue.published;
        issue.expected = issue.published.addDays(p.leadDays);
        position += combined ? 1 : 0;
        if (!take(issue))
            return;
        const QDate previous = issue.coversUntil;
        PredictedIssue next;
        next.published = dates.next();
        const bool newVolume = p.volumeStartMonth > 0
                                   ? next.published >= nextVolumeStart(previous, p.volumeStartMonth)
                                   : position >= p.issuesPerVolume;
        next.volume = issue.volume + (newVolume ? 1 : 0);
        next.issue = newVolume && p.restartNumbers ? 1 : issue.lastIssue + 1;
        position = newVolume ? 1 : position + 1;
        issue = next;
    }
}

const char16_t* const kMonths[] = {u"มกราคม",  u"กุมภาพันธ์", u"มีนาคม",    u"เมษายน",
                                   u"พฤษภาคม", u"มิถุนายน",  u"กรกฎาคม",  u"สิงหาคม",
                                   u"กันยายน",  u"ตุลาคม",   u"พฤศจิกายน", u"ธันวาคม"};

}  // namespace

QString PredictedIssue::issueText() const {
    return lastIssue > issue ? QStringLiteral("%1/%2").arg(issue).arg(lastIssue)
                             : QString::number(issue);
}

std::optional<Frequency> frequencyOfCode(const QString& magtypeCode) {
    const Frequency byCode[] = {Frequency::Daily,      Frequency::Weekly,    Frequency::Fortnightly,
                                Frequency::Monthly,    Frequency::Bimonthly, Frequency::Quarterly,
                                Frequency::HalfYearly, Frequency::Yearly};
    const QString code = magtypeCode.trimmed();
    bool ok = false;
    const int n = code.toInt(&ok);
    if (!ok || code.size() != 2 || n < 1 || n > 8)
        return std::nullopt;
    return byCode[n - 1];
}

int issuesPerYear(Frequency frequency, int everyDays) {
    switch (frequency) {
        case Frequency::Daily:
            return 365;
        case Frequency::DailyExceptSunday:
            return 313;
        case Frequency::Weekly:
            return 52;
        case Frequency::Fortnightly:
            return 26;
        case Frequency::EveryNDays:
            return everyDays > 0 ? 365 / everyDays : 0;
        case Frequency::Monthly:
        case Frequency::MonthlyExceptSome:
            return 12;
        case Frequency::Bimonthly:
            return 6;
        case Frequency::Quarterly:
            return 4;
        case Frequency::HalfYearly:
            return 2;
        case Frequency::Yearly:
            return 1;
    }
    return 0;
}

int defaultGrace(Frequency frequency) {
    switch (frequency) {
        case Frequency::Daily:
        case Frequency::DailyExceptSunday:
            return 2;
        case Frequency::Weekly:
        case Frequency::EveryNDays:
            return 7;
        case Frequency::Fortnightly:
            return 10;
        case Frequency::Monthly:
        case Frequency::MonthlyExceptSome:
            return 20;
        case Frequency::Bimonthly:
            return 30;
        case Frequency::Quarterly:
            return 45;
        case Frequency::HalfYearly:
            return 60;
        case Frequency::Yearly:
            return 90;
    }
    return 0;
}

QString frequencyName(Frequency frequency) {
    const char16_t* const names[kFrequencyCount] = {
        u"รายวัน",   u"รายวัน (เว้นวันอาทิตย์)",   u"รายสัปดาห์",   u"รายปักษ์",
        u"รายเดือน", u"รายสองเดือน",           u"รายสามเดือน", u"รายหกเดือน",
        u"รายปี",    u"รายเดือน (เว้นบางเดือน)", u"ทุก N วัน"};
    return QString::fromUtf16(names[int(frequency)]);
}

PublicationPattern presetPattern(Frequency frequency, const QString& numberPerVolume,
                                 const QString& volumePerYear, QDate knownDate) {
    PublicationPattern p;
    p.frequency = frequency;
    p.knownDate = knownDate;
    p.graceDays = defaultGrace(frequency);
    const int perYear = issuesPerYear(frequency, 0);
    const qint64 perVolume = data::leadingNumber(numberPerVolume);
    const qint64 volumes = data::leadingNumber(volumePerYear);
    if (perVolume > 0 && perVolume <= 1000)
        p.issuesPerVolume = int(perVolume);
    else if (volumes > 0 && volumes <= perYear)
        p.issuesPerVolume = perYear / int(volumes);
    else
        p.issuesPerVolume = perYear;
    // One volume a year begins with the year's first month.
    if (p.issuesPerVolume == perYear)
        p.volumeStartMonth = 1;
    return p;
}

QString patternProblem(const PublicationPattern& p) {
    if (!p.knownDate.isValid())
        return QStringLiteral("กรุณาระบุวันที่ออกของฉบับที่ทราบ");
    if (p.knownVolume < 1 || p.knownIssue < 1)
        return QStringLiteral("ปีที่และฉบับที่ต้องเป็นตัวเลขตั้งแต่ 1 ขึ้นไป");
    if (p.issuesPerVolume < 1)
        return QStringLiteral("จำนวนฉบับต่อปีที่ต้องเป็นตัวเลขตั้งแต่ 1 ขึ้นไป");
    if (p.frequency == Frequency::EveryNDays && (p.everyDays < 1 || p.everyDays > 366))
        return QStringLiteral("จำนวนวันระหว่างฉบับต้องอยู่ระหว่าง 1 ถึง 366");
    if (p.volumeStartMonth < 0 || p.volumeStartMonth > 12)
        return QStringLiteral("เดือนที่เริ่มปีที่ใหม่ต้องอยู่ระหว่าง 1 ถึง 12");
    if (p.leadDays < 0 || p.graceDays < 0 || p.leadDays > 366 || p.graceDays > 366)
        return QStringLiteral("จำนวนวันที่ใช้ส่งและวันผ่อนผันต้องอยู่ระหว่าง 0 ถึง 366");
    if (p.omittedMonths.size() >= 12)
        return QStringLiteral("ต้องมีอย่างน้อยหนึ่งเดือนที่มีฉบับออก");
    for (int m : p.omittedMonths)
        if (m < 1 || m > 12)
            return QStringLiteral("เดือนที่งดออกต้องอยู่ระหว่าง 1 ถึง 12");
    if (p.omittedMonths.contains(p.knownDate.month()))
        return QStringLiteral("ฉบับที่ทราบออกในเดือนที่ระบุว่างดออก");
    return {};
}

std::vector<PredictedIssue> predictIssues(const PublicationPattern& pattern, int count) {
    std::vector<PredictedIssue> out;
    walk(pattern, [&](const PredictedIssue& i) {
        out.push_back(i);
        return int(out.size()) <= count;
    });
    return out;
}

std::vector<PredictedIssue> predictThrough(const PublicationPattern& pattern, QDate until,
                                           int limit) {
    std::vector<PredictedIssue> out;
    walk(pattern, [&](const PredictedIssue& i) {
        out.push_back(i);
        return i.expected <= until && int(out.size()) < limit;
    });
    return out;
}

QString thaiMonthName(int month) {
    return month >= 1 && month <= 12 ? QString::fromUtf16(kMonths[month - 1]) : QString();
}

QString chronology(const PublicationPattern& pattern, const PredictedIssue& issue, Era era) {
    const auto year = [era](QDate d) {
        return QString::number(d.year() + (era == Era::Buddhist ? 543 : 0));
    };
    const QDate from = issue.published;
    QDate to = issue.coversUntil;
    const Spacing spacing = spacingOf(pattern);
    QString when;
    if (pattern.frequency == Frequency::Yearly) {
        when = year(from);
    } else if (spacing.months > 0) {
        // A month-based issue stands for its months: bimonthly two, and so on.
        to = to.addMonths(spacing.months - 1);
        when = thaiMonthName(from.month());
        if (to.month() != from.month() || to.year() != from.year())
            when += (from.year() != to.year() ? QStringLiteral(" ") + year(from) : QString()) +
                    QStringLiteral("-") + thaiMonthName(to.month());
        when += QStringLiteral(" ") + year(to);
    } else {
        when =
            QStringLiteral("%1 %2 %3").arg(from.day()).arg(thaiMonthName(from.month()), year(from));
    }
    return QStringLiteral("ปีที่ %1 ฉบับที่ %2 %3").arg(issue.volume).arg(issue.issueText(), when);
}

}  // namespace patterns
