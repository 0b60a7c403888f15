#include "holdings/HoldingsStatement.h"

#include <QMap>
#include <QSet>
#include <optional>

#include "data/Database.h"
#include "data/LeadingNumber.h"
#include "patterns/PatternRecords.h"

namespace holdings {

namespace {

using patterns::ExpectedIssue;
using patterns::IssueStatus;

struct Words {
    QString volume, issue, wanting, rangeDash, none, count;
    int yearOffset;
};

const Words& words(Labels labels) {
    static const Words thai{QStringLiteral("ปีที่ "),
                            QStringLiteral("ฉบับที่ "),
                            QStringLiteral("ขาด "),
                            QStringLiteral(" - "),
                            QStringLiteral("ยังไม่ได้รับ"),
                            QStringLiteral("%1 ฉบับ"),
                            543};
    static const Words english{QStringLiteral("v."),
                               QStringLiteral("no."),
                               QStringLiteral("wanting "),
                               QStringLiteral("-"),
                               QStringLiteral("none held"),
                               QStringLiteral("%1 issues"),
                               0};
    return labels == Labels::Thai ? thai : english;
}

// One volume as the statement needs it: its issues in order, whether each
// came, and the years they were published in.
struct Volume {
    int number = 0;
    std::vector<std::pair<QString, bool>> issues;
    int firstYear = 0, lastYear = 0;
};

QString years(const Volume& v, const Words& w) {
    const QString first = QString::number(v.firstYear + w.yearOffset);
    return v.firstYear == v.lastYear ? first
                                     : first + u'/' + QString::number(v.lastYear + w.yearOffset);
}

QString run(const QString& first, const QString& last) {
    return first == last ? first : first + u'-' + last;
}

QString joined(const QString& range, const QStringList& wanting, const Words& w) {
    return wanting.isEmpty()
               ? range
               : range + QStringLiteral("; ") + w.wanting + wanting.join(QStringLiteral(", "));
}

// The runs of issues not received within one volume, the whole volume when
// none of it came.
void wantingOf(const Volume& v, const Words& w, QStringList& out) {
    const QString volume = w.volume + QString::number(v.number);
    if (std::none_of(v.issues.begin(), v.issues.end(), [](const auto& i) { return i.second; })) {
        out << volume;
        return;
    }
    QStringList runs;
    for (size_t i = 0; i < v.issues.size(); ++i) {
        if (v.issues[i].second)
            continue;
        size_t last = i;
        while (last + 1 < v.issues.size() && !v.issues[last + 1].second)
            ++last;
        runs << run(v.issues[i].first, v.issues[last].first);
        i = last;
    }
    if (!runs.isEmpty())
        out << volume + u' ' + w.issue + runs.join(QStringLiteral(", "));
}

}  // namespace

QString holdingsStatement(const patterns::PublicationPattern&,
                          const std::vector<ExpectedIssue>& issues, Labels labels) {
    const Words& w = words(labels);
    std::vector<Volume> volumes;
    for (const ExpectedIssue& e : issues) {
        // Issues not yet due and issues never published are no part of a holding.
        if (e.status == IssueStatus::Expected || e.status == IssueStatus::NotPublished)
            continue;
        const int year = e.predicted.published.year();
        if (volumes.empty() || volumes.back().number != e.predicted.volume)
            volumes.push_back({e.predicted.volume, {}, year, year});
        Volume& v = volumes.back();
        v.issues.emplace_back(e.predicted.issueText(), e.status == IssueStatus::Received);
        v.lastYear = year;
    }
    const auto held = [](const Volume& v) {
        return std::any_of(v.issues.begin(), v.issues.end(),
                           [](const auto& i) { return i.second; });
    };
    const auto first = std::find_if(volumes.begin(), volumes.end(), held);
    if (first == volumes.end())
        return w.none;
    const Volume& last = volumes.back();
    QString range =
        w.volume + QString::number(first->number) + QStringLiteral(" (") + years(*first, w) + u')';
    if (&last != &*first)
        range += w.rangeDash + w.volume + QString::number(last.number) + QStringLiteral(" (") +
                 years(last, w) + u')';
    QStringList wanting;
    for (auto v = first; v != volumes.end(); ++v)
        wantingOf(*v, w, wanting);
    return joined(range, wanting, w);
}

QString holdingsStatement(const std::vector<patterns::RegisteredNumbers>& registered,
                          Labels labels) {
    const Words& w = words(labels);
    if (registered.empty())
        return w.none;
    QMap<int, QSet<int>> held;
    for (const patterns::RegisteredNumbers& r : registered) {
        const qint64 volume = data::leadingNumber(r.yearno);
        QSet<int> numbers;
        patterns::forEachNumber(r.issueno, [&numbers](int n) { numbers.insert(n); });
        // A volume or issue that is no number can only be counted.
        if (volume <= 0 || volume > 100000 || numbers.isEmpty())
            return w.count.arg(registered.size());
        held[int(volume)].unite(numbers);
    }
    const int firstVolume = held.firstKey(), lastVolume = held.lastKey();
    QString range = w.volume + QString::number(firstVolume);
    if (lastVolume != firstVolume)
        range += w.rangeDash + w.volume + QString::number(lastVolume);
    QStringList wanting;
    for (int n = firstVolume; n <= lastVolume; ++n) {
        Volume v{n, {}, 0, 0};
        if (held.contains(n)) {
            const QSet<int>& numbers = held[n];
            const int top = *std::max_element(numbers.begin(), numbers.end());
            // The first volume may have been taken up part way through.
            const int from =
                n == firstVolume ? *std::min_element(numbers.begin(), numbers.end()) : 1;
            for (int i = from; i <= top; ++i)
                v.issues.emplace_back(QString::number(i), numbers.contains(i));
        }
        wantingOf(v, w, wanting);
    }
    return joined(range, wanting, w);
}

QString holdingsStatement(const patterns::PublicationPattern& pattern,
                          const std::vector<ExpectedIssue>& issues,
                          const std::vector<patterns::RegisteredNumbers>& registered,
                          Labels labels) {
    std::vector<patterns::RegisteredNumbers> before;
    for (const patterns::RegisteredNumbers& r : registered) {
        const qint64 volume = data::leadingNumber(r.yearno);
        std::optional<int> issue;
        patterns::forEachNumber(r.issueno, [&issue](int n) {
            if (!issue)
                issue = n;
        });
        if (volume > 0 && (volume < pattern.knownVolume ||
                           (volume == pattern.knownVolume && issue && *issue < pattern.knownIssue)))
            before.push_back(r);
    }
    QString due = holdingsStatement(pattern, issues, labels);
    if (before.empty())
        return due;
    const QString older = holdingsStatement(before, labels);
    return due == words(labels).none ? older : older + QStringLiteral("; ") + due;
}

QString holdingsStatement(const patterns::ExpectedIssueProposal& expected, Labels labels) {
    if (const auto& pattern = expected.pattern())
        return holdingsStatement(*pattern, expected.issues(), expected.registered(), labels);
    return holdingsStatement(expected.registered(), labels);
}

Labels HoldingsStatement::labelsOf(const QString& pointer) const {
    const auto row =
        db_.first("SELECT language_code FROM vorlen1 WHERE trim(pointer) = ?", {pointer.trimmed()});
    const QString code = row ? row->text(0).trimmed() : QString();
    // Thai ("01") and titles without a language read in Thai.
    return code.isEmpty() || code == u"01" ? Labels::Thai : Labels::English;
}

QString HoldingsStatement::of(const QString& pointer, const QString& departmentCode,
                              QDate today) const {
    const patterns::PatternRecords records(db_);
    const Labels labels = labelsOf(pointer);
    // The registered issues are read once: the expected issues are matched
    // against them, and those before the pattern count on their own.
    const auto registered = records.registered(pointer, departmentCode);
    if (const auto stored = records.pattern(pointer))
        return holdingsStatement(
            stored->pattern,
            patterns::expectedIssues(stored->pattern, registered,
                                     records.marks(pointer, departmentCode), today),
            registered, labels);
    return holdingsStatement(registered, labels);
}

std::vector<SubscriptionHoldings> HoldingsStatement::subscriptions(const QString& pointer,
                                                                   QDate today) const {
    const QString none = words(labelsOf(pointer)).none;
    std::vector<SubscriptionHoldings> list;
    const auto rows = db_.query(
        "SELECT v.department_code, d.Department_Thai_Des FROM vorlen v LEFT JOIN department d"
        " ON trim(d.Department_Code) = trim(v.department_code) WHERE trim(v.pointer) = ?"
        " ORDER BY v.department_code",
        {pointer.trimmed()});
    for (const data::Row& row : rows) {
        const QString statement = of(pointer, row.text(0), today);
        const QString faculty =
            row.text(1).trimmed().isEmpty() ? row.text(0).trimmed() : row.text(1).trimmed();
        list.push_back({faculty, statement, statement != none});
    }
    return list;
}

QString HoldingsStatement::ofTitle(const QString& pointer, QDate today) const {
    const auto list = subscriptions(pointer, today);
    QStringList parts;
    for (const SubscriptionHoldings& s : list)
        parts << (list.size() == 1 ? s.statement : s.faculty + QStringLiteral(": ") + s.statement);
    return parts.join(QStringLiteral(" | "));
}

}  // namespace holdings
