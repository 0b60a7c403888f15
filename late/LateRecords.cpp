#include "late/LateRecords.h"

#include <QHash>
#include <QStringList>
#include <algorithm>

#include "data/Database.h"
#include "data/DateText.h"
#include "data/SortableDate.h"
#include "patterns/LateExpectedIssues.h"

namespace late {

namespace {

// The subscriptions being received with the latest issue of each, which the
// database keeps beside the issues. A latest issue whose date does not read
// means none has come: an unreadable date sorts below every real one. Most
// subscriptions are live, so the table is read straight through and the
// period, the names of codes and the intervals are looked at in the program.
const char* const kReceivedSql =
    "SELECT vorlen1.pointer, vorlen1.vorlen_name, vorlen.department_code,"
    " vorlen.publisher_code, vorlen1.magtype_code, vorlen.begin_period, vorlen.end_period,"
    " latest.descriptionitem, latest.receivedate, vorlen1.issn"
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

}  // namespace

patterns::ClaimKey LateTitle::claimKey() const {
    return {pointer, departmentCode, volume, number, predicted ? QDate() : expected};
}

std::vector<LateTitle> LateRecords::late(const LateFilter& filter, QDate today) const {
    const QStringList journals{QStringLiteral("I"), QStringLiteral("J")};
    const QStringList newspapers{QStringLiteral("K"), QStringLiteral("L")};
    const QStringList letters = filter.kind == Kind::Journals     ? journals + journals
                                : filter.kind == Kind::Newspapers ? newspapers + newspapers
                                                                  : journals + newspapers;
    const auto departments = codeNames(
        db_, "SELECT department_code, Department_Thai_Des FROM department ORDER BY rowid");
    const auto frequencies =
        codeNames(db_, "SELECT MagType_Code, MagType_Thai_Des FROM magtype ORDER BY rowid");
    const auto agents =
        codeNames(db_, "SELECT Publisher_Code, Publisher_Name FROM dealer ORDER BY rowid");
    const auto frequencyIntervals = intervals(db_);
    const int todayDay = today.year() * 10000 + today.month() * 100 + today.day();
    const patterns::LateExpectedIssues patterned(db_);
    const auto claims = patterns::ClaimRecords(db_).all();
    std::vector<LateTitle> list;
    // Titles with a pattern, and the start of each subscription.
    std::vector<std::pair<LateTitle, QDate>> withPattern;
    const auto describe = [&](const data::Row& row, QDate expected) {
        LateTitle t;
        t.pointer = row.text(0);
        t.name = row.text(1);
        t.departmentCode = row.text(2);
        t.agentCode = row.text(3);
        t.frequency = frequencies.value(row.text(4).trimmed());
        t.issn = row.text(9);
        t.expected = expected;
        t.departmentName = departments.value(t.departmentCode.trimmed());
        t.agentName = agents.value(t.agentCode.trimmed());
        if (data::readDate(row.text(8))) {
            t.lastIssue = row.text(7);
            t.lastReceived = row.text(8);
        }
        return t;
    };
    // Each row is looked at as it is read, so the rows are never all held at once.
    db_.forEach(kReceivedSql,
                {letters[0], letters[1], letters[2], letters[3], filter.departmentCode.trimmed(),
                 filter.agentCode.trimmed()},
                [&](data::Row&& row) {
                    // The period's end is read as every list of this program reads it.
                    if (data::sortableDay(row.text(6)) < todayDay)
                        return;
                    if (patterned.hasPattern(row.text(0))) {
                        if (!patterned.ceased(row.text(0)))
                            withPattern.emplace_back(describe(row, {}),
                                                     data::readDate(row.text(5)).value_or(QDate()));
                        return;
                    }
                    const auto interval = frequencyIntervals.constFind(row.text(4).trimmed());
                    if (interval == frequencyIntervals.cend())
                        return;
                    const auto begin = data::readDate(row.text(5));
                    if (!begin || *begin > today)
                        return;
                    // An issue from before this period says nothing of when
                    // the next one of it is due.
                    const auto received = data::readDate(row.text(8));
                    const QDate from = received ? std::max(*received, *begin) : *begin;
                    const QDate expected = from.addDays(interval->days);
                    if (today <= expected.addDays(interval->grace))
                        return;
                    LateTitle t = describe(row, expected);
                    t.daysLate = int(expected.daysTo(today));
                    t.issue = QStringLiteral("(ไม่มีรูปแบบการออก)");
                    t.issueno = t.lastReceived.isEmpty()
                                    ? QStringLiteral("ฉบับแรก")
                                    : QStringLiteral("ฉบับถัดจาก ") + t.lastIssue.trimmed();
                    t.claim = claims.value(t.claimKey().text());
                    if (t.claim.notReceivedReason.isEmpty())
                        list.push_back(std::move(t));
                });
    // One row for each overdue issue of a title with a pattern.
    std::vector<patterns::PatternedSubscription> subscriptions;
    subscriptions.reserve(withPattern.size());
    for (const auto& [t, begin] : withPattern)
        subscriptions.push_back({t.pointer, t.departmentCode, begin});
    const auto overdue = patterned.overdue(subscriptions, today);
    for (std::size_t i = 0; i < withPattern.size(); ++i)
        for (const patterns::OverdueIssue& o : overdue[i]) {
            LateTitle row = withPattern[i].first;
            row.expected = o.issue.expected;
            row.daysLate = int(o.issue.expected.daysTo(today));
            row.issue = o.name;
            row.predicted = true;
            row.volume = o.issue.volume;
            row.number = o.issue.issue;
            row.yearno = QString::number(o.issue.volume);
            row.issueno = o.issue.issueText();
            row.claim = claims.value(row.claimKey().text());
            list.push_back(std::move(row));
        }
    std::stable_sort(list.begin(), list.end(), [](const LateTitle& a, const LateTitle& b) {
        if (a.daysLate != b.daysLate)
            return a.daysLate > b.daysLate;
        return a.pointer != b.pointer ? a.pointer < b.pointer : a.departmentCode < b.departmentCode;
    });
    return list;
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
