#include "patterns/PatternRecords.h"

#include <QStringList>
#include <stdexcept>

#include "data/Cells.h"
#include "data/Database.h"
#include "data/DateText.h"
#include "data/Schema.h"

namespace patterns {

namespace {

namespace col = data::publication_pattern;

QString joinNumbers(const QList<int>& numbers) {
    QStringList parts;
    for (int n : numbers)
        parts << QString::number(n);
    return parts.join(u',');
}

QList<int> splitNumbers(const QString& text) {
    QList<int> out;
    // Most patterns omit and combine nothing.
    if (text.isEmpty())
        return out;
    for (const QString& part : text.split(u',', Qt::SkipEmptyParts))
        out << part.trimmed().toInt();
    return out;
}

int number(const data::Row& row, int pos) {
    return row.value(pos).toInt();
}

int number(const data::Cells& row, int pos) {
    return int(row.integer(pos));
}

QDate date(const data::Row& row, int pos) {
    return data::readDate(row.text(pos)).value_or(QDate());
}

QDate date(const data::Cells& row, int pos) {
    return data::readDateBytes(row.bytes(pos)).value_or(QDate());
}

// From a row held or from the cells of one read in passing.
template <typename R>
StoredPattern fromRow(const R& row) {
    StoredPattern s;
    PublicationPattern& p = s.pattern;
    const int frequency = number(row, col::frequency);
    p.frequency =
        frequency >= 0 && frequency < kFrequencyCount ? Frequency(frequency) : Frequency::Monthly;
    p.everyDays = number(row, col::every_days);
    p.knownDate = date(row, col::known_date);
    p.knownVolume = number(row, col::known_volume);
    p.knownIssue = number(row, col::known_issue);
    p.issuesPerVolume = number(row, col::issues_per_volume);
    p.restartNumbers = number(row, col::restart_numbers) != 0;
    p.volumeStartMonth = number(row, col::volume_start_month);
    p.leadDays = number(row, col::lead_days);
    p.graceDays = number(row, col::grace_days);
    p.omittedMonths = splitNumbers(row.text(col::omitted_months));
    p.combinedIssues = splitNumbers(row.text(col::combined_issues));
    s.ceased = number(row, col::ceased) != 0;
    return s;
}

// A mark as stored, from the volume column on; none for a status that is
// not a mark.
std::optional<IssueMark> markOf(const data::Row& row, int volume) {
    const int status = row.value(volume + 2).toInt();
    if (status < int(IssueStatus::Missing) || status > int(IssueStatus::NotReceived))
        return std::nullopt;
    return IssueMark{row.value(volume).toInt(), row.value(volume + 1).toInt(), IssueStatus(status)};
}

const char* const kPatternColumns =
    "SELECT pointer, frequency, every_days, known_date, known_volume, known_issue,"
    " issues_per_volume, restart_numbers, volume_start_month, lead_days, grace_days,"
    " omitted_months, combined_issues, ceased FROM publication_pattern";

}  // namespace

data::Database& PatternRecords::writable() const {
    if (!writable_)
        throw std::logic_error("pattern records opened for reading only");
    return *writable_;
}

std::optional<TitleFacts> PatternRecords::title(const QString& pointer) const {
    const auto row = db_.first(
        "SELECT pointer, vorlen_name, magtype_code, number_per_volume, volume_per_year"
        " FROM vorlen1 WHERE trim(pointer) = ? ORDER BY rowid LIMIT 1",
        {pointer.trimmed()});
    if (!row)
        return std::nullopt;
    return TitleFacts{row->text(0).trimmed(), row->text(1), row->text(2), row->text(3),
                      row->text(4)};
}

std::optional<StoredPattern> PatternRecords::pattern(const QString& pointer) const {
    const auto row = db_.first((QByteArray(kPatternColumns) + " WHERE pointer = ?").constData(),
                               {pointer.trimmed()});
    return row ? std::optional(fromRow(*row)) : std::nullopt;
}

QHash<QByteArray, StoredPattern> PatternRecords::patterns(const LateReach& reach) const {
    QHash<QByteArray, StoredPattern> out;
    const QByteArray sql =
        reach.scoped
            ? kPatternColumns + QByteArray(" WHERE pointer IN (SELECT pointer FROM late_scope)")
            : kPatternColumns + QByteArray(" WHERE 1 = 1") + reach.within("pointer");
    data::forEachCells(db_, sql.constData(), reach.bound(), [&](const data::Cells& row) {
        out.insert(row.bytes(col::pointer).toByteArray(), fromRow(row));
    });
    return out;
}

void PatternRecords::save(const QString& pointer, const StoredPattern& stored) {
    saveAll({{pointer, stored}});
}

void PatternRecords::saveAll(const std::vector<std::pair<QString, StoredPattern>>& patterns) {
    data::Database& db = writable();
    data::Transaction tx(db);
    for (const auto& [pointer, stored] : patterns) {
        const PublicationPattern& p = stored.pattern;
        db.exec("DELETE FROM publication_pattern WHERE pointer = ?", {pointer.trimmed()});
        db.exec(
            "INSERT INTO publication_pattern (pointer, frequency, every_days, known_date,"
            " known_volume, known_issue, issues_per_volume, restart_numbers,"
            " volume_start_month, lead_days, grace_days, omitted_months, combined_issues,"
            " ceased) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
            {pointer.trimmed(), int(p.frequency), p.everyDays, data::writeDate(p.knownDate),
             p.knownVolume, p.knownIssue, p.issuesPerVolume, p.restartNumbers ? 1 : 0,
             p.volumeStartMonth, p.leadDays, p.graceDays, joinNumbers(p.omittedMonths),
             joinNumbers(p.combinedIssues), stored.ceased ? 1 : 0});
    }
    tx.commit();
}

std::vector<TitleFacts> PatternRecords::titlesWithoutPattern() const {
    std::vector<TitleFacts> titles;
    db_.forEach(
        "SELECT trim(pointer), vorlen_name, magtype_code, number_per_volume, volume_per_year"
        " FROM vorlen1 WHERE trim(pointer) NOT IN (SELECT pointer FROM publication_pattern)"
        " ORDER BY pointer, rowid",
        {}, [&](data::Row&& row) {
            titles.push_back({row.text(0), row.text(1), row.text(2), row.text(3), row.text(4)});
        });
    return titles;
}

QHash<QString, std::vector<DatedIssue>> PatternRecords::datedIssues() const {
    QHash<QString, std::vector<DatedIssue>> issues;
    db_.forEach("SELECT trim(pointer), daily, yearno, issueno FROM tranfile", {},
                [&](data::Row&& row) {
                    issues[row.text(0)].push_back(
                        {data::readDate(row.text(1)).value_or(QDate()), row.text(2), row.text(3)});
                });
    return issues;
}

void PatternRecords::remove(const QString& pointer) {
    data::Database& db = writable();
    db.exec("DELETE FROM publication_pattern WHERE pointer = ?", {pointer.trimmed()});
}

void PatternRecords::removeTitle(const QString& pointer) {
    data::Database& db = writable();
    const QVariantList key{pointer.trimmed()};
    db.exec("DELETE FROM publication_pattern WHERE trim(pointer) = ?", key);
    db.exec("DELETE FROM issue_mark WHERE trim(pointer) = ?", key);
}

std::vector<RegisteredNumbers> PatternRecords::registered(const QString& pointer,
                                                          const QString& departmentCode) const {
    std::vector<RegisteredNumbers> out;
    db_.forEach(
        "SELECT yearno, issueno FROM tranfile WHERE trim(pointer) = ? AND trim(department_code) = "
        "?",
        {pointer.trimmed(), departmentCode.trimmed()}, [&](data::Row&& row) {
            out.push_back({row.text(0), row.text(1)});
        });
    return out;
}

std::vector<IssueMark> PatternRecords::marks(const QString& pointer,
                                             const QString& departmentCode) const {
    std::vector<IssueMark> out;
    db_.forEach(
        "SELECT volume, issue, status FROM issue_mark WHERE pointer = ? AND department_code = ?",
        {pointer.trimmed(), departmentCode.trimmed()}, [&](data::Row&& row) {
            if (const auto mark = markOf(row, 0))
                out.push_back(*mark);
        });
    return out;
}

void PatternRecords::forEachRegisteredOfPatterns(
    const std::function<void(const SubscriptionKey&, RegisteredNumbers&&)>& take,
    const LateReach& reach) const {
    // Title by title through the index on the title and year number; the
    // patterns are read first (CROSS JOIN keeps that order on the file), and
    // the key is compared without its column's affinity so the index serves.
    const QByteArray sql =
        reach.scoped
            ? "SELECT p.pointer, trim(t.department_code), t.yearno, t.issueno"
              " FROM late_scope AS s CROSS JOIN publication_pattern AS p CROSS JOIN tranfile AS t"
              " WHERE p.pointer = s.pointer AND p.ceased = 0"
              " AND trim(t.pointer) = p.pointer || ''"
              " AND CAST(t.yearno AS INTEGER) >= p.known_volume"
              " AND trim(t.department_code) = s.department_code"
            : "SELECT p.pointer, trim(t.department_code), t.yearno, t.issueno"
              " FROM publication_pattern AS p CROSS JOIN tranfile AS t"
              " WHERE p.ceased = 0" +
                  reach.within("p.pointer") +
                  " AND trim(t.pointer) = p.pointer || ''"
                  " AND CAST(t.yearno AS INTEGER) >= p.known_volume";
    db_.forEach(sql.constData(), reach.bound(), [&](data::Row&& row) {
        take({row.text(0), row.text(1)}, {row.text(2), row.text(3)});
    });
}

QHash<SubscriptionKey, std::vector<IssueMark>> PatternRecords::marks(const LateReach& reach) const {
    QHash<SubscriptionKey, std::vector<IssueMark>> out;
    const QByteArray sql =
        reach.scoped ? "SELECT m.pointer, m.department_code, m.volume, m.issue, m.status"
                       " FROM late_scope AS s JOIN issue_mark AS m ON m.pointer = s.pointer"
                       " AND m.department_code = s.department_code"
                     : "SELECT pointer, department_code, volume, issue, status FROM issue_mark"
                       " WHERE 1 = 1" +
                           reach.within("pointer");
    db_.forEach(sql.constData(), reach.bound(), [&](data::Row&& row) {
        if (const auto mark = markOf(row, 2))
            out[{row.text(0), row.text(1)}].push_back(*mark);
    });
    return out;
}

void PatternRecords::mark(const QString& pointer, const QString& departmentCode,
                          const std::vector<PredictedIssue>& issues, IssueStatus status,
                          QDate today) {
    std::vector<std::pair<int, int>> numbers;
    numbers.reserve(issues.size());
    for (const PredictedIssue& i : issues)
        numbers.emplace_back(i.volume, i.issue);
    data::Transaction tx(writable());
    writeMarks(pointer, departmentCode, numbers, status, today);
    tx.commit();
}

void PatternRecords::writeMarks(const QString& pointer, const QString& departmentCode,
                                const std::vector<std::pair<int, int>>& numbers, IssueStatus status,
                                QDate today) {
    data::Database& db = writable();
    for (const auto& [volume, issue] : numbers) {
        const QVariantList key{pointer.trimmed(), departmentCode.trimmed(), volume, issue};
        db.exec(
            "DELETE FROM issue_mark WHERE pointer = ? AND department_code = ? AND volume = ?"
            " AND issue = ?",
            key);
        db.exec(
            "INSERT INTO issue_mark (pointer, department_code, volume, issue, status,"
            " marked_on) VALUES (?, ?, ?, ?, ?, ?)",
            key + QVariantList{int(status), data::writeDate(today)});
    }
}

Era PatternRecords::era() const {
    const auto row =
        db_.first("SELECT setting_value FROM settings WHERE setting_name = 'chronology_era'");
    return row && row->text(0) == u"CE" ? Era::Christian : Era::Buddhist;
}

void PatternRecords::setEra(Era era) {
    data::Database& db = writable();
    data::Transaction tx(db);
    db.exec("DELETE FROM settings WHERE setting_name = 'chronology_era'");
    db.exec("INSERT INTO settings (setting_name, setting_value) VALUES ('chronology_era', ?)",
            {era == Era::Christian ? QStringLiteral("CE") : QStringLiteral("BE")});
    tx.commit();
}

std::vector<ExpectedIssue> PatternRecords::expected(const QString& pointer,
                                                    const QString& departmentCode,
                                                    QDate today) const {
    const auto stored = pattern(pointer);
    if (!stored)
        return {};
    return expectedIssues(stored->pattern, registered(pointer, departmentCode),
                          marks(pointer, departmentCode), today);
}

}  // namespace patterns
