#include "late/LateRecords.h"

#include <QHash>
#include <QSet>
#include <QStringList>
#include <algorithm>

#include "data/Cells.h"
#include "data/Database.h"
#include "data/DateText.h"
#include "data/SortableDate.h"
#include "late/LateList.h"
#include "patterns/LateExpectedIssues.h"

namespace late {

namespace {

// The subscriptions being received with the latest issue of each, which the
// database keeps beside the issues. A latest issue whose date does not read
// means none has come: an unreadable date sorts below every real one. Most
// subscriptions are live, so the table is read straight through and the
// period, the names of codes and the intervals are looked at in the program.
const char* const kReceivedSql =
    "SELECT vorlen.rowid, vorlen.pointer, vorlen.department_code, vorlen.publisher_code,"
    " vorlen1.magtype_code, vorlen.begin_period, vorlen.end_period, latest.receivedate"
    " FROM vorlen JOIN vorlen1 ON vorlen1.pointer = vorlen.pointer"
    " LEFT JOIN latest_issue AS latest ON latest.pointer = trim(vorlen.pointer)"
    " AND latest.department_code = trim(vorlen.department_code)"
    " WHERE trim(vorlen.Receive_Code) = '1'"
    " AND substr(vorlen.pointer, 1, 1) IN (?1, ?2, ?3, ?4)"
    " AND (?5 = '' OR trim(vorlen.department_code) = ?5)"
    " AND (?6 = '' OR trim(vorlen.publisher_code) = ?6)";

struct Interval {
    int days, grace;
};

// The interval and grace of each frequency that has them: the others are
// never late.
QHash<QString, Interval> intervals(const data::Database& db) {
    QHash<QString, Interval> out;
    for (const data::Row& row :
         db.query("SELECT MagType_Code, interval_days, grace_days FROM magtype_interval"))
        out.insert(row.text(0), {row.value(1).toInt(), row.value(2).toInt()});
    return out;
}

// The name of each code (trimmed: imported codes may carry spaces), from the
// first row that holds the code, as every list of this program shows it.
QHash<QString, QString> codeNames(const data::Database& db, const char* sql) {
    QHash<QString, QString> names;
    for (const data::Row& row : db.query(sql))
        if (!names.contains(row.text(0).trimmed()))
            names.insert(row.text(0).trimmed(), row.text(1));
    return names;
}

std::vector<ui::PickRow> pickRows(const data::Database& db, const char* sql) {
    std::vector<ui::PickRow> rows;
    for (const data::Row& row : db.query(sql))
        rows.push_back({row.text(0), row.text(1)});
    return rows;
}

// The code's place among the codes met so far, added with its name when new.
// Codes repeat from row to row, so each stored text, spaces and all, is
// looked up by its bytes before it is read as text.
class CodeIndex {
  public:
    CodeIndex(std::vector<std::pair<QString, QString>>& codes, QHash<QString, QString> names)
        : codes_(codes), names_(std::move(names)) {}

    quint16 of(QByteArrayView stored) {
        const auto known =
            byBytes_.constFind(QByteArray::fromRawData(stored.data(), stored.size()));
        if (known != byBytes_.cend())
            return *known;
        const QString trimmed = QString::fromUtf8(stored).trimmed();
        auto found = byCode_.constFind(trimmed);
        if (found == byCode_.cend()) {
            found = byCode_.insert(trimmed, quint16(codes_.size()));
            codes_.emplace_back(trimmed, names_.value(trimmed));
        }
        byBytes_.insert(stored.toByteArray(), *found);
        return *found;
    }

  private:
    std::vector<std::pair<QString, QString>>& codes_;
    const QHash<QString, QString> names_;
    QHash<QString, quint16> byCode_;
    QHash<QByteArray, quint16> byBytes_;
};

}  // namespace

patterns::ClaimKey LateTitle::claimKey() const {
    return {pointer, departmentCode, volume, number, predicted ? QDate() : expected};
}

LateList LateRecords::list(const LateFilter& filter, QDate today) const {
    const QStringList journals{QStringLiteral("I"), QStringLiteral("J")};
    const QStringList newspapers{QStringLiteral("K"), QStringLiteral("L")};
    const QStringList letters = filter.kind == Kind::Journals     ? journals + journals
                                : filter.kind == Kind::Newspapers ? newspapers + newspapers
                                                                  : journals + newspapers;
    const auto frequencyIntervals = intervals(db_);
    const int todayDay = today.year() * 10000 + today.month() * 100 + today.day();
    const patterns::LateExpectedIssues patterned(db_);
    auto claims = patterns::ClaimRecords(db_).all();
    // The subscriptions with a claim: only their issues need a claim key.
    QSet<QString> claimed;
    for (auto c = claims.cbegin(); c != claims.cend(); ++c)
        claimed.insert(c.key().section(u'|', 0, 1));
    LateCodes codes;
    CodeIndex departments(
        codes.departments,
        codeNames(db_,
                  "SELECT department_code, Department_Thai_Des FROM department ORDER BY rowid"));
    CodeIndex agents(
        codes.agents,
        codeNames(db_, "SELECT Publisher_Code, Publisher_Name FROM dealer ORDER BY rowid"));
    CodeIndex frequencies(
        codes.frequencies,
        codeNames(db_, "SELECT MagType_Code, MagType_Thai_Des FROM magtype ORDER BY rowid"));
    std::vector<LateEntry> entries;
    // Each listed subscription's key and faculty as stored, to order the
    // entries by.
    std::vector<QByteArray> keys;
    struct Patterned {
        LateEntry base;
        QString pointer, departmentCode;
        QDate since;
        const patterns::StoredPattern* stored;
    };
    std::vector<Patterned> withPattern;
    // The claims of an issue, when its subscription has any; false for one
    // given up after its final claim, which is no longer listed.
    const auto keepClaims = [&](LateEntry& e, const patterns::ClaimKey& key) {
        if (claimed.isEmpty() ||
            !claimed.contains(key.pointer.trimmed() + u'|' + key.departmentCode.trimmed()))
            return true;
        const patterns::ClaimState state = claims.value(key.text());
        e.claims = quint8(std::min(state.count, 255));
        return state.notReceivedReason.isEmpty();
    };
    const auto describe = [&](const data::Cells& row) {
        LateEntry e;
        e.subscription = row.integer(0);
        e.department = departments.of(row.bytes(2));
        e.agent = agents.of(row.bytes(3));
        e.frequency = frequencies.of(row.bytes(4));
        e.order = qint32(keys.size());
        QByteArray key = row.bytes(1).toByteArray();
        key += '\0';
        key += row.bytes(2);
        keys.push_back(std::move(key));
        return e;
    };
    // Each row is looked at as it is read, so the rows are never all held at once.
    data::forEachCells(
        db_, kReceivedSql,
        {letters[0], letters[1], letters[2], letters[3], filter.departmentCode.trimmed(),
         filter.agentCode.trimmed()},
        [&](const data::Cells& row) {
            // The period's end is read as every list of this program reads it.
            if (data::sortableDayBytes(row.bytes(6)) < todayDay)
                return;
            if (const patterns::StoredPattern* pattern = patterned.pattern(row.bytes(1))) {
                if (!pattern->ceased)
                    withPattern.push_back({describe(row), row.text(1), row.text(2),
                                           data::readDateBytes(row.bytes(5)).value_or(QDate()),
                                           pattern});
                return;
            }
            const QString pointer = row.text(1);
            const auto interval = frequencyIntervals.constFind(row.text(4).trimmed());
            if (interval == frequencyIntervals.cend())
                return;
            const auto begin = data::readDateBytes(row.bytes(5));
            if (!begin || *begin > today)
                return;
            // An issue from before this period says nothing of when the next
            // one of it is due.
            const auto received = data::readDateBytes(row.bytes(7));
            const QDate from = received ? std::max(*received, *begin) : *begin;
            const QDate expected = from.addDays(interval->days);
            if (today <= expected.addDays(interval->grace))
                return;
            LateEntry e = describe(row);
            e.expected = qint32(expected.toJulianDay());
            if (keepClaims(e, {pointer, row.text(2), 0, 0, expected}))
                entries.push_back(e);
        });
    // One entry for each overdue issue of a title with a pattern.
    std::vector<patterns::PatternedSubscription> subscriptions;
    subscriptions.reserve(withPattern.size());
    for (const Patterned& p : withPattern)
        subscriptions.push_back({p.pointer, p.departmentCode, p.since, p.stored});
    const auto overdue = patterned.overdue(subscriptions, today);
    for (std::size_t i = 0; i < withPattern.size(); ++i)
        for (const patterns::OverdueIssue& o : overdue[i]) {
            LateEntry e = withPattern[i].base;
            e.expected = qint32(o.issue.expected.toJulianDay());
            e.predicted = true;
            e.volume = o.issue.volume;
            e.issue = o.issue.issue;
            e.lastIssue = o.issue.lastIssue;
            if (keepClaims(e, {withPattern[i].pointer, withPattern[i].departmentCode, e.volume,
                               e.issue, QDate()}))
                entries.push_back(e);
        }
    withPattern = {};
    // Each subscription's place by key and faculty.
    // Sorted on the first eight bytes as one number, which orders as they
    // do, and on the whole key only where those are the same.
    struct Keyed {
        quint64 prefix;
        qint32 index;
    };
    std::vector<Keyed> byKey(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        quint64 prefix = 0;
        for (qsizetype b = 0; b < 8; ++b)
            prefix = prefix << 8 | (b < keys[i].size() ? quint8(keys[i][b]) : 0u);
        byKey[i] = {prefix, qint32(i)};
    }
    std::sort(byKey.begin(), byKey.end(), [&](const Keyed& a, const Keyed& b) {
        return a.prefix != b.prefix ? a.prefix < b.prefix
                                    : keys[std::size_t(a.index)] < keys[std::size_t(b.index)];
    });
    std::vector<qint32> place(keys.size());
    for (std::size_t i = 0; i < byKey.size(); ++i)
        place[std::size_t(byKey[i].index)] = qint32(i);
    keys = {};
    for (LateEntry& e : entries)
        e.order = place[std::size_t(e.order)];
    LateList list(db_, today, std::move(codes), std::move(entries), std::move(claims));
    list.sortBy(column::daysLate, true);
    return list;
}

std::vector<LateTitle> LateRecords::late(const LateFilter& filter, QDate today) const {
    std::vector<LateTitle> titles;
    list(filter, today).forEach([&](const LateTitle& t) { titles.push_back(t); });
    return titles;
}

std::vector<ui::PickRow> LateRecords::departments() const {
    return pickRows(db_,
                    "SELECT Department_Code, Department_Thai_Des FROM department ORDER BY rowid");
}

std::vector<ui::PickRow> LateRecords::agents() const {
    return pickRows(
        db_,
        "SELECT Publisher_Code, Publisher_Name FROM dealer WHERE trim(Publisher_Code) IN"
        " (SELECT trim(publisher_code) FROM vorlen) ORDER BY rowid");
}

QStringList LateRecords::agentAddress(const QString& agentCode) const {
    QStringList lines;
    if (const auto row = db_.first("SELECT Publisher_Name, Publisher_Address1, Publisher_Address2"
                                   " FROM dealer WHERE trim(Publisher_Code) = ?"
                                   " ORDER BY rowid LIMIT 1",
                                   {agentCode.trimmed()}))
        for (int i = 0; i < 3; ++i)
            if (!row->text(i).trimmed().isEmpty())
                lines << row->text(i).trimmed();
    return lines;
}

}  // namespace late
