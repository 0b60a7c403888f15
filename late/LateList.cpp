#include "late/LateList.h"

#include <algorithm>
#include <stdexcept>

#include "data/Database.h"
#include "data/DateText.h"
#include "data/SortableDate.h"
#include "data/ThaiSortKey.h"
#include "patterns/PublicationPattern.h"
#include "ui/PickList.h"
#include "ui/ThaiOrder.h"

namespace late {

namespace {

// The name of a code from the first row that holds it trimmed, as every list
// of this program shows it, or that name's sort key. The code is compared
// without its column's affinity, so that the index on the trimmed code serves.
QByteArray codeName(const char* table, const char* code, const char* name, const char* listed,
                    bool asKey = false) {
    return "(SELECT " + (asKey ? data::thaiSortKey(name) : QByteArray(name)) + " FROM " + table +
           " WHERE trim(" + code + ") = l." + listed + " || '' ORDER BY rowid LIMIT 1)";
}

QByteArray departmentName(bool asKey = false) {
    return codeName("department", "Department_Code", "Department_Thai_Des", "department_code",
                    asKey);
}
QByteArray agentName(bool asKey = false) {
    return codeName("dealer", "Publisher_Code", "Publisher_Name", "publisher_code", asKey);
}
QByteArray frequencyName(bool asKey = false) {
    return codeName("magtype", "MagType_Code", "MagType_Thai_Des", "magtype_code", asKey);
}

// The subscription and the title's first row by its key as stored.
const char* const kTitleJoins =
    " LEFT JOIN vorlen AS v ON v.rowid = l.subscription"
    " LEFT JOIN vorlen1 AS v1 ON v1.rowid ="
    " (SELECT rowid FROM vorlen1 WHERE pointer = v.pointer ORDER BY rowid LIMIT 1)";
// The latest issue of the title and faculty.
const char* const kLatestJoin =
    " LEFT JOIN latest_issue AS li ON li.pointer = l.pointer"
    " AND li.department_code = l.department_code";
// Rows equal in the column sorted by go most days late first, then by key
// and faculty, then as they were worked out.
const char* const kTieOrder = "l.expected, l.pointer, l.department_code, l.rowid";

// The texts of a row: the title, the subscription's codes as stored, the
// names of its codes, and the latest issue.
QByteArray selectRows() {
    return "SELECT v1.pointer, v1.vorlen_name, v.department_code, v.publisher_code, v1.issn,"
           " li.descriptionitem, li.receivedate, " +
           departmentName() + ", " + agentName() + ", " + frequencyName() +
           ", l.expected, l.volume, l.issue, l.last_issue, l.predicted, l.claims, l.rowid"
           " FROM late_issue AS l" +
           kTitleJoins + kLatestJoin;
}

}  // namespace

LateList::LateList(const data::Database& db, QDate today, LateFilter filter)
    : db_(&db), today_(today), filter_(std::move(filter)) {
    setOrder({column::daysLate, true});
}

QByteArray LateList::where() const {
    QByteArray sql = " WHERE l.late_from <= ? AND l.live_until >= ? AND l.kind IN (?, ?, ?, ?)";
    if (!filter_.departmentCode.trimmed().isEmpty())
        sql += " AND l.department_code = ?";
    if (!filter_.agentCode.trimmed().isEmpty())
        sql += " AND l.publisher_code = ?";
    return sql;
}

QVariantList LateList::bound() const {
    const QStringList journals{QStringLiteral("I"), QStringLiteral("J")};
    const QStringList newspapers{QStringLiteral("K"), QStringLiteral("L")};
    const QStringList letters = filter_.kind == Kind::Journals     ? journals + journals
                                : filter_.kind == Kind::Newspapers ? newspapers + newspapers
                                                                   : journals + newspapers;
    QVariantList values{today_.toJulianDay(), data::sortableDay(today_)};
    for (const QString& letter : letters)
        values << letter;
    if (!filter_.departmentCode.trimmed().isEmpty())
        values << filter_.departmentCode.trimmed();
    if (!filter_.agentCode.trimmed().isEmpty())
        values << filter_.agentCode.trimmed();
    return values;
}

QByteArray LateList::orderBy() const {
    const bool down = order().descending;
    const QByteArray dir = down ? " DESC" : "";
    const QByteArray rest = QByteArray(", ") + kTieOrder;
    switch (order().column) {
        case column::pointer:
            return " ORDER BY l.pointer" + dir + ", l.department_code" + dir +
                   ", l.expected, l.rowid";
        case column::expected:
            return " ORDER BY l.expected" + dir + ", l.pointer, l.department_code, l.rowid";
        case column::overdueIssue:
            return " ORDER BY l.predicted" + dir + ", l.volume" + dir + ", l.issue" + dir + rest;
        case column::claims:
            return " ORDER BY l.claims" + dir + rest;
        case column::daysLate:
            if (!down)
                return " ORDER BY l.expected DESC, l.pointer, l.department_code, l.rowid";
            break;
        default:
            break;
    }
    // Most days late first: the earliest due first.
    return QByteArray(" ORDER BY ") + kTieOrder;
}

int LateList::size() const {
    if (!db_)
        return 0;
    if (!count_)
        count_ =
            int(db_->first(("SELECT count(*) FROM late_issue AS l" + where()).constData(), bound())
                    ->value(0)
                    .toLongLong());
    return *count_;
}

LateTitle LateList::titleOf(const data::Row& row) const {
    LateTitle t;
    t.pointer = row.text(0);
    t.name = row.text(1);
    t.departmentCode = row.text(2);
    t.agentCode = row.text(3);
    t.issn = row.text(4);
    if (data::readDate(row.text(6))) {
        t.lastIssue = row.text(5);
        t.lastReceived = row.text(6);
    }
    t.departmentName = row.text(7);
    t.agentName = row.text(8);
    t.frequency = row.text(9);
    t.expected = QDate::fromJulianDay(row.value(10).toLongLong());
    t.daysLate = int(t.expected.daysTo(today_));
    t.predicted = row.value(14).toInt() != 0;
    if (t.predicted) {
        patterns::PredictedIssue issue;
        issue.volume = row.value(11).toInt();
        issue.issue = row.value(12).toInt();
        issue.lastIssue = row.value(13).toInt();
        t.volume = issue.volume;
        t.number = issue.issue;
        t.yearno = QString::number(issue.volume);
        t.issueno = issue.issueText();
        t.issue = QStringLiteral("ปีที่ %1 ฉบับที่ %2").arg(issue.volume).arg(t.issueno);
    } else {
        t.issue = QStringLiteral("(ไม่มีรูปแบบการออก)");
        t.issueno = t.lastReceived.isEmpty() ? QStringLiteral("ฉบับแรก")
                                             : QStringLiteral("ฉบับถัดจาก ") + t.lastIssue.trimmed();
    }
    // Few subscriptions have claims: theirs are read as their rows are.
    if (row.value(15).toInt() > 0) {
        const QString subscription = t.pointer.trimmed() + u'|' + t.departmentCode.trimmed();
        auto claims = claims_.find(subscription);
        if (claims == claims_.end())
            claims = claims_.insert(subscription, patterns::ClaimRecords(*db_).ofSubscription(
                                                      t.pointer, t.departmentCode));
        t.claim = claims->value(t.claimKey().text());
    }
    return t;
}

std::vector<LateTitle> LateList::titles(int from, int limit) const {
    std::vector<LateTitle> out;
    if (!db_ || limit <= 0)
        return out;
    if (!orderedHere(order().column)) {
        QVariantList values = bound();
        values << limit << std::max(from, 0);
        db_->forEach((selectRows() + where() + orderBy() + " LIMIT ? OFFSET ?").constData(), values,
                     [&](data::Row&& row) { out.push_back(titleOf(row)); });
        return out;
    }
    const std::vector<qint64>& rows = ranked();
    const std::size_t begin = std::size_t(std::max(from, 0));
    const std::size_t end = std::min(rows.size(), begin + std::size_t(limit));
    if (begin >= end)
        return out;
    QByteArray sql = selectRows() + " WHERE l.rowid IN (";
    QVariantList values;
    for (std::size_t i = begin; i < end; ++i) {
        sql += i > begin ? ", ?" : "?";
        values << rows[i];
    }
    sql += ')';
    QHash<qint64, LateTitle> byRow;
    db_->forEach(sql.constData(), values,
                 [&](data::Row&& row) { byRow.insert(row.value(16).toLongLong(), titleOf(row)); });
    for (std::size_t i = begin; i < end; ++i)
        if (const auto found = byRow.constFind(rows[i]); found != byRow.cend())
            out.push_back(*found);
    return out;
}

LateTitle LateList::title(int row) const {
    std::vector<LateTitle> one = titles(row, 1);
    if (one.empty())
        throw std::out_of_range("late list row");
    return one.front();
}

QStringList LateList::cells(const LateTitle& t) const {
    return {t.pointer,
            t.name,
            t.departmentName,
            t.agentName + ui::codeSuffix(t.agentCode),
            t.frequency,
            t.lastIssue,
            t.lastReceived,
            data::writeDate(t.expected),
            QString::number(t.daysLate),
            t.issue,
            patterns::claimHistory(t.claim)};
}

std::vector<QStringList> LateList::rows(int offset, int limit) const {
    std::vector<QStringList> out;
    for (const LateTitle& t : titles(offset, limit))
        out.push_back(cells(t));
    return out;
}

void LateList::forEach(const std::function<void(const LateTitle&)>& each) const {
    if (!db_)
        return;
    if (!orderedHere(order().column)) {
        db_->forEach((selectRows() + where() + orderBy()).constData(), bound(),
                     [&](data::Row&& row) { each(titleOf(row)); });
        return;
    }
    constexpr int kPageRows = 500;
    const int rows = int(ranked().size());
    for (int from = 0; from < rows; from += kPageRows)
        for (const LateTitle& t : titles(from, kPageRows))
            each(t);
}

bool LateList::orderedHere(int column) {
    return column == column::name || column == column::department || column == column::agent ||
           column == column::frequency || column == column::lastIssue ||
           column == column::lastReceived;
}

const std::vector<qint64>& LateList::ranked() const {
    if (rankedFor_ == order() && !ranked_.empty())
        return ranked_;
    const int c = order().column;
    const QByteArray value = c == column::name         ? QByteArray("v1.vorlen_name")
                             : c == column::department ? departmentName()
                             : c == column::agent      ? agentName()
                             : c == column::frequency  ? frequencyName()
                             : c == column::lastIssue
                                 ? QByteArray("li.descriptionitem, li.receivedate")
                                 : QByteArray("li.receivedate, li.receivedate");
    // Read in the order rows equal in the column keep; each distinct text is
    // placed once.
    std::vector<qint64> rows;
    std::vector<int> valueOf;
    std::vector<QString> values;
    QHash<QString, int> known;
    const QByteArray joins = c == column::name                                     ? kTitleJoins
                             : c == column::lastIssue || c == column::lastReceived ? kLatestJoin
                                                                                   : "";
    db_->forEach(("SELECT l.rowid, " + value + " FROM late_issue AS l" + joins + where() +
                  " ORDER BY " + kTieOrder)
                     .constData(),
                 bound(), [&](data::Row&& row) {
                     rows.push_back(row.value(0).toLongLong());
                     QString text = row.text(1);
                     // As shown: nothing when no issue with a readable date came.
                     if ((c == column::lastIssue || c == column::lastReceived) &&
                         !data::readDate(row.text(2)))
                         text.clear();
                     auto found = known.constFind(text);
                     if (found == known.cend()) {
                         found = known.insert(text, int(values.size()));
                         values.push_back(text);
                     }
                     valueOf.push_back(*found);
                 });
    std::vector<int> rank(values.size());
    if (c == column::lastReceived) {
        for (std::size_t i = 0; i < values.size(); ++i)
            rank[i] = data::sortableDay(values[i]);
    } else {
        const std::vector<std::size_t> byText = ui::thaiOrder(values);
        for (std::size_t i = 0; i < byText.size(); ++i)
            rank[byText[i]] = int(i);
    }
    std::vector<std::size_t> places(rows.size());
    for (std::size_t i = 0; i < places.size(); ++i)
        places[i] = i;
    const bool down = order().descending;
    std::stable_sort(places.begin(), places.end(), [&](std::size_t a, std::size_t b) {
        const int ra = rank[std::size_t(valueOf[a])], rb = rank[std::size_t(valueOf[b])];
        return down ? ra > rb : ra < rb;
    });
    ranked_.clear();
    ranked_.reserve(places.size());
    for (std::size_t i : places)
        ranked_.push_back(rows[i]);
    rankedFor_ = order();
    return ranked_;
}

}  // namespace late
