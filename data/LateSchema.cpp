#include "data/LateSchema.h"

#include <QByteArray>

#include "data/Database.h"
#include "data/PgSchema.h"

namespace data {

namespace {

// Keys and codes trimmed; days as Julian day numbers, the period's end as
// yyyymmdd. An issue is overdue on a day from `late_from` on while its
// subscription's period lasts (`live_until`).
const char* const kTables[] = {
    ("CREATE TABLE IF NOT EXISTS late_issue (pointer TEXT, department_code TEXT,"
     " publisher_code TEXT, magtype_code TEXT, kind TEXT, subscription INTEGER,"
     " expected INTEGER, late_from INTEGER, live_until INTEGER, volume INTEGER, issue INTEGER,"
     " last_issue INTEGER, predicted INTEGER, claims INTEGER)"),
    ("CREATE TABLE IF NOT EXISTS late_watch (pointer TEXT, department_code TEXT,"
     " refresh_day INTEGER, PRIMARY KEY (pointer, department_code))"),
    "CREATE TABLE IF NOT EXISTS late_stale (pointer TEXT, department_code TEXT)",
    // The subscriptions being worked out again, within the transaction that
    // does it.
    "CREATE TABLE IF NOT EXISTS late_scope (pointer TEXT, department_code TEXT)",
    // The day the rows were last worked out on: a list of an earlier day
    // (the clock put back) works them all out again.
    "CREATE TABLE IF NOT EXISTS late_state (computed_on INTEGER)",
};

// The indexes of late_issue, named so that a full rebuild can drop them and
// make them again from the rows.
struct IssueIndex {
    const char* name;
    const char* columns;
};
const IssueIndex kIssueIndexes[] = {
    {"late_issue_key", "pointer, department_code"},
    // Most days late first, and the same within a faculty or an agent.
    {"late_issue_expected", "expected, pointer, department_code"},
    {"late_issue_faculty", "department_code, expected, pointer"},
    {"late_issue_agent", "publisher_code, expected, pointer"},
    {"late_issue_from", "late_from, live_until, kind"},
};

// What each watched table's rows stand for: a subscription, every faculty's
// subscription of a title, or every row.
enum class Reach { Subscription, Title, Everything };

struct Watched {
    const char* table;
    Reach reach;
    const char* updateOf;  // the columns whose change matters; empty: any
};

const Watched kWatched[] = {
    {"tranfile", Reach::Subscription, "pointer, department_code, receivedate, yearno, issueno"},
    {"vorlen", Reach::Subscription, ""},
    {"issue_mark", Reach::Subscription, ""},
    {"issue_claim", Reach::Subscription, ""},
    {"vorlen1", Reach::Title, "pointer, magtype_code"},
    {"publication_pattern", Reach::Title, ""},
    {"magtype_interval", Reach::Everything, ""},
};

QByteArray staleRow(Reach reach, const char* row) {
    const QByteArray r(row);
    switch (reach) {
        case Reach::Subscription:
            return "INSERT INTO late_stale (pointer, department_code) VALUES (trim(" + r +
                   ".pointer), trim(" + r + ".department_code));";
        case Reach::Title:
            return "INSERT INTO late_stale (pointer, department_code) VALUES (trim(" + r +
                   ".pointer), NULL);";
        case Reach::Everything:
            break;
    }
    return "INSERT INTO late_stale (pointer, department_code) VALUES (NULL, NULL);";
}

QByteArray triggerName(const Watched& w, const char* event) {
    return QByteArray(w.table) + "_late_" + event;
}

void createSqliteTriggers(Database& db) {
    for (const Watched& w : kWatched) {
        const QByteArray update = *w.updateOf ? QByteArray(" OF ") + w.updateOf : QByteArray();
        db.exec(("CREATE TRIGGER IF NOT EXISTS " + triggerName(w, "insert") + " AFTER INSERT ON " +
                 w.table + " BEGIN " + staleRow(w.reach, "NEW") + " END")
                    .constData());
        db.exec(("CREATE TRIGGER IF NOT EXISTS " + triggerName(w, "delete") + " AFTER DELETE ON " +
                 w.table + " BEGIN " + staleRow(w.reach, "OLD") + " END")
                    .constData());
        db.exec(("CREATE TRIGGER IF NOT EXISTS " + triggerName(w, "update") + " AFTER UPDATE" +
                 update + " ON " + w.table + " BEGIN " + staleRow(w.reach, "OLD") +
                 (w.reach == Reach::Everything ? QByteArray() : staleRow(w.reach, "NEW")) + " END")
                    .constData());
    }
}

// One function for every watched table: its argument tells what a row
// stands for, and a record's fields are read only where the table has them.
const char* const kPostgresFunction =
    "CREATE OR REPLACE FUNCTION late_issue_stale() RETURNS trigger LANGUAGE plpgsql AS $$BEGIN"
    " IF TG_ARGV[0] = 'everything' THEN"
    " INSERT INTO late_stale (pointer, department_code) VALUES (NULL, NULL); RETURN NULL;"
    " END IF;"
    " IF TG_ARGV[0] = 'subscription' THEN"
    " IF TG_OP <> 'INSERT' THEN INSERT INTO late_stale (pointer, department_code)"
    " VALUES (trim(OLD.pointer), trim(OLD.department_code)); END IF;"
    " IF TG_OP <> 'DELETE' THEN INSERT INTO late_stale (pointer, department_code)"
    " VALUES (trim(NEW.pointer), trim(NEW.department_code)); END IF;"
    " ELSE"
    " IF TG_OP <> 'INSERT' THEN INSERT INTO late_stale (pointer, department_code)"
    " VALUES (trim(OLD.pointer), NULL); END IF;"
    " IF TG_OP <> 'DELETE' THEN INSERT INTO late_stale (pointer, department_code)"
    " VALUES (trim(NEW.pointer), NULL); END IF;"
    " END IF; RETURN NULL; END$$";

void createPostgresTriggers(Database& db) {
    db.exec(kPostgresFunction);
    for (const Watched& w : kWatched) {
        const char* reach = w.reach == Reach::Subscription ? "subscription"
                            : w.reach == Reach::Title      ? "title"
                                                           : "everything";
        const QByteArray update = *w.updateOf ? QByteArray(" OF ") + w.updateOf : QByteArray();
        db.exec(
            ("DROP TRIGGER IF EXISTS " + triggerName(w, "stale") + " ON " + w.table).constData());
        db.exec(("CREATE TRIGGER " + triggerName(w, "stale") + " AFTER INSERT OR DELETE OR UPDATE" +
                 update + " ON " + w.table + " FOR EACH ROW EXECUTE FUNCTION late_issue_stale('" +
                 reach + "')")
                    .constData());
    }
}

}  // namespace

void createLateIssueTables(Database& db) {
    for (const char* sql : kTables)
        db.exec(db.isPostgres() ? postgresTable(sql).constData() : sql);
    createLateIssueIndexes(db);
    db.exec("CREATE INDEX IF NOT EXISTS late_watch_day ON late_watch (refresh_day)");
    // The names of agents by trimmed code, for the rows of a page, and the
    // agents some subscription is ordered from, for the list's filter.
    db.exec(db.isPostgres()
                ? "CREATE INDEX IF NOT EXISTS dealer_trim_code ON dealer ((trim(Publisher_Code)))"
                : "CREATE INDEX IF NOT EXISTS dealer_trim_code ON dealer (trim(Publisher_Code))");
    db.exec(db.isPostgres()
                ? "CREATE INDEX IF NOT EXISTS vorlen_trim_agent ON vorlen ((trim(publisher_code)))"
                : "CREATE INDEX IF NOT EXISTS vorlen_trim_agent ON vorlen (trim(publisher_code))");
    if (db.isPostgres())
        createPostgresTriggers(db);
    else
        createSqliteTriggers(db);
    markEveryLateIssueStale(db);
}

void dropLateIssueIndexes(Database& db) {
    for (const IssueIndex& index : kIssueIndexes)
        db.exec((QByteArray("DROP INDEX IF EXISTS ") + index.name).constData());
}

void createLateIssueIndexes(Database& db) {
    for (const IssueIndex& index : kIssueIndexes)
        db.exec((QByteArray("CREATE INDEX IF NOT EXISTS ") + index.name + " ON late_issue (" +
                 index.columns + ')')
                    .constData());
}

void suspendLateIssueTriggers(Database& db) {
    for (const Watched& w : kWatched) {
        if (db.isPostgres()) {
            db.exec(("DROP TRIGGER IF EXISTS " + triggerName(w, "stale") + " ON " + w.table)
                        .constData());
            continue;
        }
        for (const char* event : {"insert", "delete", "update"})
            db.exec(("DROP TRIGGER IF EXISTS " + triggerName(w, event)).constData());
    }
}

void markEveryLateIssueStale(Database& db) {
    db.exec("INSERT INTO late_stale (pointer, department_code) VALUES (NULL, NULL)");
}

}  // namespace data
