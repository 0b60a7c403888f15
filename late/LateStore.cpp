#include "late/LateStore.h"

#include <malloc.h>

#include <QHash>
#include <QSet>
#include <QString>
#include <QVariantList>
#include <vector>

#include "data/Cells.h"
#include "data/Database.h"
#include "data/DateText.h"
#include "data/LateSchema.h"
#include "data/SortableDate.h"
#include "patterns/ClaimRecords.h"
#include "patterns/LateExpectedIssues.h"

namespace late {

namespace {

// Beyond this many subscriptions, working out every row costs less than
// working out each apart.
constexpr qint64 kMostScoped = 100000;

const char* const kSubscriptionColumns =
    "SELECT vorlen.rowid, vorlen.pointer, vorlen.department_code, vorlen.publisher_code,"
    " vorlen1.magtype_code, vorlen.begin_period, vorlen.end_period, latest.receivedate";
// Every subscription being received of a range of titles, with the latest
// issue of each, which the database keeps beside the issues; a latest issue
// whose date does not read means none has come. Most subscriptions are live,
// so the period and the intervals are looked at here.
const char* const kSubscriptionsOfTitles =
    " FROM vorlen JOIN vorlen1 ON vorlen1.pointer = vorlen.pointer"
    " LEFT JOIN latest_issue AS latest ON latest.pointer = trim(vorlen.pointer)"
    " AND latest.department_code = trim(vorlen.department_code)"
    " WHERE trim(vorlen.Receive_Code) = '1'";
// The same for the subscriptions in the scope, found through the index on
// the trimmed key.
const char* const kScopedSubscriptions =
    " FROM late_scope AS s CROSS JOIN vorlen JOIN vorlen1 ON vorlen1.pointer = vorlen.pointer"
    " LEFT JOIN latest_issue AS latest ON latest.pointer = trim(vorlen.pointer)"
    " AND latest.department_code = trim(vorlen.department_code)"
    " WHERE trim(vorlen.pointer) = s.pointer AND trim(vorlen.department_code) = s.department_code"
    " AND trim(vorlen.Receive_Code) = '1'";

struct Interval {
    int days, grace;
};

QHash<QString, Interval> intervals(const data::Database& db) {
    QHash<QString, Interval> out;
    for (const data::Row& row :
         db.query("SELECT MagType_Code, interval_days, grace_days FROM magtype_interval"))
        out.insert(row.text(0), {row.value(1).toInt(), row.value(2).toInt()});
    return out;
}

// One stored row of late_issue.
struct LateRow {
    qint64 subscription = 0;
    QString pointer, department, agent, magtype, kind;
    qint64 expected = 0, lateFrom = 0;
    int liveUntil = 0;
    int volume = 0, issue = 0, lastIssue = 0;
    bool predicted = false;
    int claims = 0;
};

// Writes rows many to a statement: one statement a row would cost more than
// the rows themselves.
class BatchInsert {
  public:
    BatchInsert(data::Database& db, const char* head, int columns)
        : db_(db), head_(head), columns_(columns) {}

    void add(const QVariantList& values) {
        values_ += values;
        if (++rows_ == kRows)
            flush();
    }
    void flush() {
        if (rows_ == 0)
            return;
        QByteArray row = "(?";
        for (int c = 1; c < columns_; ++c)
            row += ", ?";
        row += ')';
        QByteArray sql = head_;
        for (int i = 0; i < rows_; ++i)
            sql += (i ? ", " : " VALUES ") + row;
        db_.exec(sql.constData(), values_);
        values_.clear();
        rows_ = 0;
    }

  private:
    static constexpr int kRows = 200;
    data::Database& db_;
    const QByteArray head_;
    const int columns_;
    QVariantList values_;
    int rows_ = 0;
};

}  // namespace

std::optional<qint64> LateStore::computedOn() const {
    const auto state = db_.first("SELECT computed_on FROM late_state");
    if (!state || state->value(0).isNull())
        return std::nullopt;
    return state->value(0).toLongLong();
}

bool LateStore::needed(qint64 day, std::optional<qint64> computedOn) const {
    if (computedOn != day)
        return true;
    return db_.first("SELECT 1 FROM late_stale LIMIT 1") ||
           db_.first("SELECT 1 FROM late_watch WHERE refresh_day <= ? LIMIT 1", {day});
}

void LateStore::refresh(QDate today) {
    const qint64 day = today.toJulianDay();
    if (!needed(day, computedOn()))
        return;
    data::Transaction tx(db_);
    // Read again inside: another desk may have brought the rows up meanwhile.
    const std::optional<qint64> on = computedOn();
    if (!needed(day, on))
        return;
    const bool everything = !on || day < *on ||
                            db_.first("SELECT 1 FROM late_stale WHERE pointer IS NULL LIMIT 1") ||
                            !scope(day);
    if (everything) {
        data::dropLateIssueIndexes(db_);
        db_.exec("DELETE FROM late_issue");
        db_.exec("DELETE FROM late_watch");
        QString from = QStringLiteral("");
        for (;;) {
            const QString to = rangeEnd(from);
            work(today, patterns::LateReach::keys(from, to));
            if (to.isNull())
                break;
            from = to;
        }
        data::createLateIssueIndexes(db_);
    } else {
        db_.exec(
            "DELETE FROM late_issue WHERE (pointer, department_code) IN"
            " (SELECT pointer, department_code FROM late_scope)");
        db_.exec(
            "DELETE FROM late_watch WHERE (pointer, department_code) IN"
            " (SELECT pointer, department_code FROM late_scope)");
        work(today, patterns::LateReach::scope());
    }
    db_.exec("DELETE FROM late_scope");
    db_.exec("DELETE FROM late_stale");
    db_.exec("DELETE FROM late_state");
    db_.exec("INSERT INTO late_state (computed_on) VALUES (?)", {day});
    tx.commit();
    // What the working out of every row held goes back to the system rather
    // than staying with the window.
    if (everything)
        malloc_trim(0);
}

QString LateStore::rangeEnd(const QString& from) const {
    const auto row = db_.first(
        "SELECT trim(pointer) FROM vorlen WHERE trim(pointer) > ? ORDER BY trim(pointer)"
        " LIMIT 1 OFFSET ?",
        {from, rangeSubscriptions_});
    return row ? row->text(0) : QString();
}

bool LateStore::scope(qint64 day) {
    db_.exec("DELETE FROM late_scope");
    // A mark for every faculty of a title reaches those subscribed and those
    // listed or watched, whose subscriptions may have gone.
    db_.exec(
        "INSERT INTO late_scope (pointer, department_code)"
        " SELECT pointer, department_code FROM late_stale WHERE department_code IS NOT NULL"
        " UNION SELECT s.pointer, trim(v.department_code) FROM late_stale AS s"
        " JOIN vorlen AS v ON trim(v.pointer) = s.pointer"
        " WHERE s.department_code IS NULL AND v.department_code IS NOT NULL"
        " UNION SELECT l.pointer, l.department_code FROM late_stale AS s"
        " JOIN late_issue AS l ON l.pointer = s.pointer WHERE s.department_code IS NULL"
        " UNION SELECT w.pointer, w.department_code FROM late_stale AS s"
        " JOIN late_watch AS w ON w.pointer = s.pointer WHERE s.department_code IS NULL"
        " UNION SELECT pointer, department_code FROM late_watch WHERE refresh_day <= ?",
        {day});
    return db_.first("SELECT count(*) FROM late_scope")->value(0).toLongLong() <= kMostScoped;
}

void LateStore::work(QDate today, const patterns::LateReach& reach) {
    const auto frequencyIntervals = intervals(db_);
    const int todayDay = data::sortableDay(today);
    const patterns::LateExpectedIssues patterned(db_, reach);
    const auto claims = patterns::ClaimRecords(db_).reached(reach);
    // The subscriptions with a claim: only their issues need a claim key.
    QSet<QString> claimed;
    for (auto c = claims.cbegin(); c != claims.cend(); ++c)
        claimed.insert(c.key().section(u'|', 0, 1));
    // The claims of an issue, when its subscription has any; false for one
    // given up after its final claim, which is no longer listed.
    const auto keepClaims = [&](LateRow& r, const patterns::ClaimKey& key) {
        if (claimed.isEmpty() || !claimed.contains(r.pointer + u'|' + r.department))
            return true;
        const patterns::ClaimState state = claims.value(key.text());
        r.claims = std::min(state.count, 255);
        return state.notReceivedReason.isEmpty();
    };
    BatchInsert rows(db_,
                     "INSERT INTO late_issue (pointer, department_code, publisher_code,"
                     " magtype_code, kind, subscription, expected, late_from, live_until, volume,"
                     " issue, last_issue, predicted, claims)",
                     14);
    const auto write = [&](const LateRow& r) {
        rows.add({r.pointer, r.department, r.agent, r.magtype, r.kind, r.subscription, r.expected,
                  r.lateFrom, r.liveUntil, r.volume, r.issue, r.lastIssue, int(r.predicted),
                  r.claims});
    };
    BatchInsert watches(db_, "INSERT INTO late_watch (pointer, department_code, refresh_day)", 3);
    struct Patterned {
        LateRow base;
        QDate since;
        const patterns::StoredPattern* stored;
    };
    std::vector<Patterned> withPattern;
    const auto describe = [&](const data::Cells& row, int liveUntil) {
        LateRow r;
        r.subscription = row.integer(0);
        const QString pointer = row.text(1);
        r.kind = pointer.left(1);
        r.pointer = pointer.trimmed();
        r.department = row.text(2).trimmed();
        r.agent = row.text(3).trimmed();
        r.magtype = row.text(4).trimmed();
        r.liveUntil = liveUntil;
        return r;
    };
    // Rows from this day on stay right until a change or a watched day, so a
    // subscription over before it has none.
    data::forEachCells(
        db_,
        (kSubscriptionColumns +
         (reach.scoped ? QByteArray(kScopedSubscriptions)
                       : kSubscriptionsOfTitles + reach.within("trim(vorlen.pointer)")))
            .constData(),
        reach.bound(), [&](const data::Cells& row) {
            const int liveUntil = data::sortableDayBytes(row.bytes(6));
            if (liveUntil < todayDay)
                return;
            if (const patterns::StoredPattern* pattern = patterned.pattern(row.bytes(1))) {
                if (!pattern->ceased)
                    withPattern.push_back({describe(row, liveUntil),
                                           data::readDateBytes(row.bytes(5)).value_or(QDate()),
                                           pattern});
                return;
            }
            const auto interval = frequencyIntervals.constFind(row.text(4).trimmed());
            if (interval == frequencyIntervals.cend())
                return;
            const auto begin = data::readDateBytes(row.bytes(5));
            if (!begin)
                return;
            // An issue from before this period says nothing of when the next
            // one of it is due.
            const auto received = data::readDateBytes(row.bytes(7));
            const QDate from = received ? std::max(*received, *begin) : *begin;
            const QDate expected = from.addDays(interval->days);
            LateRow r = describe(row, liveUntil);
            r.expected = expected.toJulianDay();
            r.lateFrom = expected.addDays(interval->grace + 1).toJulianDay();
            if (keepClaims(r, {r.pointer, r.department, 0, 0, expected}))
                write(r);
        });
    std::vector<patterns::PatternedSubscription> subscriptions;
    subscriptions.reserve(withPattern.size());
    for (const Patterned& p : withPattern)
        subscriptions.push_back({p.base.pointer, p.base.department, p.since, p.stored});
    const auto pending = patterned.pending(subscriptions, today);
    // A subscription is watched once, however many faculties' rows share
    // its key.
    QSet<QString> watched;
    for (std::size_t i = 0; i < withPattern.size(); ++i) {
        const LateRow& base = withPattern[i].base;
        for (const patterns::OverdueIssue& o : pending[i].issues) {
            LateRow r = base;
            r.expected = o.issue.expected.toJulianDay();
            r.lateFrom = o.lateFrom.isValid() ? o.lateFrom.toJulianDay() : 0;
            r.predicted = true;
            r.volume = o.issue.volume;
            r.issue = o.issue.issue;
            r.lastIssue = o.issue.lastIssue;
            if (keepClaims(r, {r.pointer, r.department, r.volume, r.issue, QDate()}))
                write(r);
        }
        const QString key = base.pointer + u'\n' + base.department;
        if (pending[i].recheck.isValid() && !watched.contains(key)) {
            watched.insert(key);
            watches.add({base.pointer, base.department, pending[i].recheck.toJulianDay()});
        }
    }
    rows.flush();
    watches.flush();
}

}  // namespace late
