#include "issues/IssueRegister.h"

#include <sqlite3.h>

#include <climits>
#include <limits>

#include "data/Database.h"
#include "data/DbError.h"
#include "data/LeadingNumber.h"
#include "data/Schema.h"

namespace issues {

namespace {

namespace col = data::tranfile;

QString counterValue(const data::Database& db) {
    const auto row = db.first("SELECT nextmagno FROM jourctrl ORDER BY rowid LIMIT 1");
    if (!row)
        throw data::DbError(SQLITE_ERROR, QStringLiteral("jourctrl: no counter row"));
    return row->text(data::jourctrl::nextmagno);
}

bool titleExists(const data::Database& db, const QString& pointer) {
    return bool(db.first("SELECT 1 FROM vorlen1 WHERE trim(pointer) = ?", {pointer.trimmed()}));
}

// The columns of tranfile in their order, then the row's place.
constexpr const char* kListedColumns =
    "SELECT magno, department_code, pointer, receivedate, daily, yearno, issueno,"
    " descriptionitem, rowid FROM tranfile";
constexpr int kRowid = 8;

ListedIssue listed(const data::Row& r) {
    return {{r.text(col::magno), r.text(col::department_code), r.text(col::pointer),
             r.text(col::receivedate), r.text(col::daily), r.text(col::yearno),
             r.text(col::issueno), r.text(col::descriptionitem)},
            r.value(kRowid).toLongLong()};
}

}  // namespace

std::optional<QString> IssueRegister::advancedNumber(const QString& number) {
    qsizetype first = 0;
    while (first < number.size() && number.at(first) == u' ')
        ++first;
    if (first == number.size() || number.at(first) < u'0' || number.at(first) > u'9')
        return std::nullopt;
    // The reading saturates at the greatest value, so a longer number lands
    // there too and is refused rather than wrapped.
    const qint64 value = data::leadingNumber(number);
    if (value == std::numeric_limits<qint64>::max())
        return std::nullopt;
    return QString::number(value + 1);
}

QString IssueRegister::nextNumber() const {
    return counterValue(db_);
}

QString IssueRegister::addIssue(const IssueRow& issue) {
    data::Transaction tx(db_);
    // The title and its subscription are looked for in one read, the counter
    // with whether an issue holds its number in another.
    const auto found = db_.first(
        "SELECT CASE WHEN EXISTS (SELECT 1 FROM vorlen1 WHERE trim(pointer) = ?1) THEN 1 ELSE 0"
        " END, CASE WHEN EXISTS (SELECT 1 FROM vorlen WHERE trim(pointer) = ?1"
        " AND trim(department_code) = ?2) THEN 1 ELSE 0 END",
        {issue.pointer.trimmed(), issue.departmentCode.trimmed()});
    if (found->value(0).toInt() == 0)
        throw RegisterChanged(RegisterChanged::What::TitleGone);
    if (found->value(1).toInt() == 0)
        throw RegisterChanged(RegisterChanged::What::SubscriptionGone);
    const auto counter = db_.first(
        "SELECT nextmagno, CASE WHEN EXISTS (SELECT 1 FROM tranfile"
        " WHERE trim(tranfile.magno) = trim(jourctrl.nextmagno)) THEN 1 ELSE 0 END"
        " FROM jourctrl ORDER BY rowid LIMIT 1");
    if (!counter)
        throw data::DbError(SQLITE_ERROR, QStringLiteral("jourctrl: no counter row"));
    const QString current = counter->text(0);
    QString magno = current.trimmed() == issue.magno.trimmed() ? issue.magno : current;
    std::optional<QString> next = advancedNumber(magno);
    // A counter set back by hand would hand out a number an issue holds.
    bool taken = counter->value(1).toInt() != 0;
    while (next && taken) {
        magno = *next;
        next = advancedNumber(magno);
        taken = bool(db_.first("SELECT 1 FROM tranfile WHERE trim(magno) = ?", {magno.trimmed()}));
    }
    if (!next)
        throw CounterExhausted(magno);
    db_.exec(
        "INSERT INTO tranfile (magno, department_code, pointer, receivedate, daily, yearno,"
        " issueno, descriptionitem) VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
        {magno, issue.departmentCode, issue.pointer, issue.receivedate, issue.daily, issue.yearno,
         issue.issueno, issue.descriptionitem});
    db_.exec(
        "UPDATE jourctrl SET nextmagno = ?"
        " WHERE rowid = (SELECT rowid FROM jourctrl ORDER BY rowid LIMIT 1)",
        {*next});
    tx.commit();
    return magno;
}

bool IssueRegister::updateIssue(const QString& magno, const IssueChanges& c) {
    data::Transaction tx(db_);
    const auto issue = db_.first(
        "SELECT rowid, pointer FROM tranfile WHERE trim(magno) = ? ORDER BY rowid LIMIT 1",
        {magno.trimmed()});
    if (!issue)
        return false;
    if (!titleExists(db_, issue->text(1)))
        throw RegisterChanged(RegisterChanged::What::TitleGone);
    db_.exec(
        "UPDATE tranfile SET daily = ?, yearno = ?, issueno = ?, descriptionitem = ?,"
        " receivedate = ? WHERE rowid = ?",
        {c.daily, c.yearno, c.issueno, c.descriptionitem, c.receivedate, issue->value(0)});
    tx.commit();
    return true;
}

bool IssueRegister::deleteIssue(const QString& magno) {
    return db_.exec(
               "DELETE FROM tranfile WHERE rowid = (SELECT rowid FROM tranfile"
               " WHERE trim(magno) = ? ORDER BY rowid LIMIT 1)",
               {magno.trimmed()}) > 0;
}

std::vector<IssueRow> IssueRegister::issuesOf(const QString& pointer) const {
    std::vector<IssueRow> issues;
    for (ListedIssue& listed : listedIssuesOf(pointer))
        issues.push_back(std::move(listed.row));
    return issues;
}

std::vector<ListedIssue> IssueRegister::listedIssuesOf(const QString& pointer, int offset,
                                                       int limit) const {
    std::vector<ListedIssue> issues;
    static const QByteArray sql = QByteArray(kListedColumns) +
                                  " WHERE trim(pointer) = ? ORDER BY daily_key IS NULL, daily_key "
                                  "DESC, rowid LIMIT ? OFFSET ?";
    // A bound limit must not be negative on the server.
    db_.forEach(sql.constData(), {pointer.trimmed(), limit < 0 ? INT_MAX : limit, offset},
                [&](data::Row&& r) { issues.push_back(listed(r)); });
    return issues;
}

int IssueRegister::issueCount(const QString& pointer) const {
    return db_.first("SELECT count(*) FROM tranfile WHERE trim(pointer) = ?", {pointer.trimmed()})
        ->value(0)
        .toInt();
}

int IssueRegister::placeOf(const ListedIssue& issue) const {
    return standingOf(issue).before;
}

IssueRegister::Standing IssueRegister::standingOf(const ListedIssue& issue) const {
    // The list's order spelt out: a later date first, the undated after every
    // dated one, the register's order among equals.
    static const QByteArray day = "t.daily_key";
    static const QByteArray its = "x.daily_key";
    static const QByteArray sql =
        "SELECT coalesce(sum(CASE WHEN (CASE WHEN " + its + " IS NULL THEN " + day +
        " IS NOT NULL OR (" + day + " IS NULL AND t.rowid < x.rowid) ELSE " + day + " > " + its +
        " OR (" + day + " = " + its +
        " AND t.rowid < x.rowid) END) THEN 1 ELSE 0 END), 0), count(*)"
        " FROM tranfile t JOIN tranfile x ON x.rowid = ?2 WHERE trim(t.pointer) = ?1";
    const auto row = db_.first(sql.constData(), {issue.row.pointer.trimmed(), issue.rowid});
    return {row->value(0).toInt(), row->value(1).toInt()};
}

std::optional<ListedIssue> IssueRegister::listedIssue(const QString& magno) const {
    static const QByteArray sql =
        QByteArray(kListedColumns) + " WHERE trim(magno) = ? ORDER BY rowid LIMIT 1";
    const auto row = db_.first(sql.constData(), {magno.trimmed()});
    if (!row)
        return std::nullopt;
    return listed(*row);
}

}  // namespace issues
