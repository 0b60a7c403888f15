#include "data/Schema.h"

#include <QRegularExpression>

#include "data/ArticleSchema.h"
#include "data/Database.h"
#include "data/FieldLimits.h"
#include "data/LateSchema.h"
#include "data/NameIndex.h"
#include "data/PgSchema.h"
#include "data/SortableDate.h"
#include "data/ThaiSortKey.h"

namespace data {

namespace {

const char* const kSettingsTable =
    "CREATE TABLE IF NOT EXISTS settings (setting_name TEXT PRIMARY KEY, setting_value TEXT)";

const char* const kIntervalTable =
    "CREATE TABLE IF NOT EXISTS magtype_interval (MagType_Code TEXT PRIMARY KEY,"
    " interval_days INTEGER, grace_days INTEGER)";

// The latest issue received for each title and faculty, by trimmed codes,
// with what the late list shows of it.
const char* const kLatestIssueTable =
    "CREATE TABLE IF NOT EXISTS latest_issue (pointer TEXT, department_code TEXT,"
    " issue_rowid INTEGER, receivedate TEXT, descriptionitem TEXT,"
    " PRIMARY KEY (pointer, department_code))";

// The publication pattern of a title, and the issues the clerk marked as
// missing, claimed or not published, by subscription and number.
const char* const kPatternTable =
    "CREATE TABLE IF NOT EXISTS publication_pattern (pointer TEXT PRIMARY KEY,"
    " frequency INTEGER, every_days INTEGER, known_date TEXT, known_volume INTEGER,"
    " known_issue INTEGER, issues_per_volume INTEGER, restart_numbers INTEGER,"
    " volume_start_month INTEGER, lead_days INTEGER, grace_days INTEGER, omitted_months TEXT,"
    " combined_issues TEXT, ceased INTEGER)";
const char* const kIssueMarkTable =
    "CREATE TABLE IF NOT EXISTS issue_mark (pointer TEXT, department_code TEXT,"
    " volume INTEGER, issue INTEGER, status INTEGER, marked_on TEXT,"
    " PRIMARY KEY (pointer, department_code, volume, issue))";

// The claims sent for an overdue issue of a subscription: how many, when the
// first and the last went, to which agent, and why the desk gave it up. An
// issue of a pattern is known by its numbers (expected_on empty), so that a
// corrected pattern keeps its claims; one without, by the date it was due.
const char* const kIssueClaimTable =
    "CREATE TABLE IF NOT EXISTS issue_claim (pointer TEXT, department_code TEXT,"
    " volume INTEGER, issue INTEGER, expected_on TEXT, claim_count INTEGER,"
    " first_claimed TEXT, last_claimed TEXT, agent_code TEXT, not_received_reason TEXT,"
    " PRIMARY KEY (pointer, department_code, volume, issue, expected_on))";

const char* const kTables[] = {
    "CREATE TABLE vorlen1 (pointer TEXT, vorlen_name TEXT, compare_name TEXT, old_name TEXT,"
    " shot_name TEXT, remark TEXT, First_year_printed TEXT, issn TEXT, language_code TEXT,"
    " magtype_code TEXT, number_per_volume TEXT, volume_per_year TEXT, publisher_code TEXT)",
    "CREATE TABLE vorlen (pointer TEXT, department_code TEXT, bind_type_code TEXT,"
    " Receive_Code TEXT, bind_color_code TEXT, copy_per_year TEXT, price_per_year TEXT,"
    " currency_code TEXT, exchange_rate TEXT, begin_period TEXT, end_period TEXT,"
    " order_date TEXT, publisher_code TEXT, status_code TEXT)",
    "CREATE TABLE typeclass (pointer TEXT, type_code TEXT)",
    "CREATE TABLE recsetup (setup_no TEXT, next_key1 TEXT, next_key2 TEXT, next_key3 TEXT,"
    " next_key4 TEXT)",
    "CREATE TABLE dealer (Publisher_Code TEXT, Publisher_Name TEXT, Publisher_Abbrev TEXT,"
    " Publisher_Address1 TEXT, Publisher_Address2 TEXT, Publisher_Phone TEXT,"
    " Publisher_Fax TEXT, Publisher_Email TEXT, Contact_Name TEXT)",
    "CREATE TABLE tranfile (magno TEXT, department_code TEXT, pointer TEXT, receivedate TEXT,"
    " daily TEXT, yearno TEXT, issueno TEXT, descriptionitem TEXT)",
    "CREATE TABLE jourctrl (nextmagno TEXT)",
    "CREATE TABLE typemag (Type_Code TEXT, Type_Thai_Descrition TEXT)",
    "CREATE TABLE magtype (MagType_Code TEXT, MagType_Thai_Des TEXT)",
    "CREATE TABLE maglang (Language_Code TEXT, LangDesTh TEXT)",
    "CREATE TABLE department (Department_Code TEXT, Department_Thai_Des TEXT)",
    "CREATE TABLE receives (receivestatus TEXT, receivestatusdes TEXT)",
    "CREATE TABLE currmony (Currency_Code TEXT, Currency_Thai_Des TEXT)",
    "CREATE TABLE statustype (status_Code TEXT, Status_Thai_Descrition TEXT)",
    "CREATE TABLE bindcolor (BindType_Code TEXT, BindColor_DesTh TEXT)",
    "CREATE TABLE bindtype (BindType_Code TEXT, BindType_Des TEXT)",
    kSettingsTable,
    kIntervalTable,
    kLatestIssueTable,
    kPatternTable,
    kIssueMarkTable,
    kIssueClaimTable,
};

const char* const kIndexes[] = {
    "CREATE INDEX vorlen1_pointer ON vorlen1 (pointer)",
    "CREATE INDEX vorlen_pointer ON vorlen (pointer)",
    "CREATE INDEX typeclass_pointer ON typeclass (pointer)",
    "CREATE INDEX tranfile_trim_magno ON tranfile (trim(magno))",
    "CREATE INDEX dealer_code ON dealer (Publisher_Code)",
};

// The statements that set the latest issue of the title and faculty of the
// issue row `row` (NEW or OLD) again: the first entry of the received-day
// index, where an unreadable date sorts last.
QByteArray refreshLatest(const QByteArray& row) {
    const QByteArray key = "trim(pointer) = trim(" + row +
                           ".pointer) AND trim(department_code) = trim(" + row +
                           ".department_code)";
    return "DELETE FROM latest_issue WHERE pointer = trim(" + row +
           ".pointer) AND department_code = trim(" + row +
           ".department_code);"
           " INSERT INTO latest_issue (pointer, department_code, issue_rowid, receivedate,"
           " descriptionitem) SELECT trim(pointer), trim(department_code), rowid, receivedate,"
           " descriptionitem FROM tranfile WHERE " +
           key + " ORDER BY receivedate_key DESC, rowid DESC LIMIT 1;";
}

// The statement that sets the date keys of the issue just written from its
// dates.
QByteArray setDateKeys(std::initializer_list<const char*> dates) {
    QByteArray set;
    for (const char* date : dates)
        set += (set.isEmpty() ? "" : ", ") + QByteArray(date) +
               "_key = " + sortableDate((QByteArray("NEW.") + date).constData());
    return "UPDATE tranfile SET " + set + " WHERE rowid = NEW.rowid;";
}

// The triggers use only functions built into SQLite, so the table stays
// right when another SQLite tool changes the issues. Made again from the
// start each time, so a step that stopped halfway can simply run again.
void dropSqliteLatestTriggers(Database& db) {
    for (const char* name : {"tranfile_latest_insert", "tranfile_latest_delete",
                             "tranfile_latest_update", "tranfile_daily_key_update"})
        db.exec((QByteArray("DROP TRIGGER IF EXISTS ") + name).constData());
}

void createSqliteLatestIssues(Database& db) {
    dropSqliteLatestTriggers(db);
    db.exec("DELETE FROM latest_issue");
    // The date keys are set first, in the same trigger, as the latest issue
    // is chosen by them: triggers on one change run in no given order.
    db.exec(("CREATE TRIGGER tranfile_latest_insert AFTER INSERT ON tranfile BEGIN " +
             setDateKeys({"daily", "receivedate"}) + refreshLatest("NEW") + " END")
                .constData());
    db.exec(("CREATE TRIGGER tranfile_latest_delete AFTER DELETE ON tranfile BEGIN " +
             refreshLatest("OLD") + " END")
                .constData());
    db.exec(("CREATE TRIGGER tranfile_latest_update AFTER UPDATE OF pointer, department_code,"
             " receivedate, descriptionitem ON tranfile BEGIN " +
             setDateKeys({"receivedate"}) + refreshLatest("OLD") + refreshLatest("NEW") + " END")
                .constData());
    db.exec(("CREATE TRIGGER tranfile_daily_key_update AFTER UPDATE OF daily ON tranfile BEGIN " +
             setDateKeys({"daily"}) + " END")
                .constData());
    db.exec(
        "INSERT INTO latest_issue (pointer, department_code, issue_rowid, receivedate,"
        " descriptionitem) SELECT trim(t.pointer), trim(t.department_code), t.rowid,"
        " t.receivedate, t.descriptionitem FROM (SELECT DISTINCT trim(pointer) AS p,"
        " trim(department_code) AS d FROM tranfile) AS k JOIN tranfile AS t"
        " ON t.rowid = (SELECT rowid FROM tranfile WHERE trim(pointer) = k.p"
        " AND trim(department_code) = k.d ORDER BY receivedate_key DESC, rowid DESC LIMIT 1)");
}

}  // namespace

void createLatestIssues(Database& db) {
    if (db.isPostgres()) {
        db.exec(postgresTable(kLatestIssueTable).constData());
        createPostgresLatestIssues(db);
        return;
    }
    db.exec(kLatestIssueTable);
    createSqliteLatestIssues(db);
    createArticleTables(db);
}

void createPatternTables(Database& db) {
    for (const char* sql : {kPatternTable, kIssueMarkTable})
        db.exec(db.isPostgres() ? postgresTable(sql).constData() : sql);
}

void createClaimTable(Database& db) {
    db.exec(db.isPostgres() ? postgresTable(kIssueClaimTable).constData() : kIssueClaimTable);
}

void createVolumeIndex(Database& db) {
    // The same text on both stores: the server reads the cast as the leading
    // whole number, as the file does.
    db.exec(
        "CREATE INDEX IF NOT EXISTS tranfile_title_volume ON tranfile"
        " ((trim(pointer)), (CAST(yearno AS INTEGER)))");
}

void createDateIndexes(Database& db) {
    // The latest issue of a title, by date, without sorting its issues.
    db.exec("CREATE INDEX tranfile_pointer_day ON tranfile (pointer, daily_key)");
    // Subscriptions ending within a range of dates.
    db.exec(
        ("CREATE INDEX vorlen_end_day ON vorlen (" + sortableDate("end_period") + ")").constData());
}

void createTrimmedKeyIndexes(Database& db) {
    for (const char* table : {"vorlen1", "vorlen", "typeclass"})
        db.exec((QByteArray("CREATE INDEX IF NOT EXISTS ") + table + "_trim_pointer ON " + table +
                 (db.isPostgres() ? " ((trim(pointer)))" : " (trim(pointer))"))
                    .constData());
}

void rebuildDateIndexes(Database& db) {
    const bool server = db.isPostgres();
    // The server's date function is as it was: only the issues' indexes change.
    for (const char* index : {"tranfile_pointer_day", "tranfile_title_faculty_received",
                              "tranfile_received_day", server ? "" : "vorlen_end_day"})
        if (*index)
            db.exec((QByteArray("DROP INDEX IF EXISTS ") + index).constData());
    if (server) {
        createPostgresDateIndexes(db);
        createPostgresLatestIssues(db);
        return;
    }
    createDateIndexes(db);
    createIntervalTable(db);
    createReceivedDayIndex(db);
    createSqliteLatestIssues(db);
}

void addIssueDateKeys(Database& db) {
    const bool server = db.isPostgres();
    const char* present =
        server ? "SELECT count(*) FROM information_schema.columns WHERE table_schema ="
                 " current_schema() AND table_name = 'tranfile' AND column_name IN"
                 " ('daily_key', 'receivedate_key')"
               : "SELECT count(*) FROM pragma_table_info('tranfile') WHERE name IN"
                 " ('daily_key', 'receivedate_key')";
    if (db.first(present)->value(0).toInt() == 2)
        return;
    for (const char* date : {"daily", "receivedate"}) {
        const QByteArray key = QByteArray(date) + "_key";
        db.exec((server ? "ALTER TABLE tranfile ADD COLUMN " + key +
                              " text COLLATE \"C\" GENERATED ALWAYS AS (sortable_date(" + date +
                              ")) STORED"
                        : "ALTER TABLE tranfile ADD COLUMN " + key + " TEXT")
                    .constData());
    }
    if (!server)
        db.exec(("UPDATE tranfile SET daily_key = " + sortableDate("daily") +
                 ", receivedate_key = " + sortableDate("receivedate"))
                    .constData());
}

bool isIssueDateKey(const QString& table, const QString& column) {
    return table.compare(QLatin1String("tranfile"), Qt::CaseInsensitive) == 0 &&
           (column.compare(QLatin1String("daily_key"), Qt::CaseInsensitive) == 0 ||
            column.compare(QLatin1String("receivedate_key"), Qt::CaseInsensitive) == 0);
}

void createSettingsTable(Database& db) {
    db.exec(kSettingsTable);
}

void createIntervalTable(Database& db) {
    db.exec(kIntervalTable);
    // The latest issue received for a title and faculty, for the late list.
    db.exec(
        "CREATE INDEX IF NOT EXISTS tranfile_title_faculty_received ON tranfile"
        " (trim(pointer), trim(department_code), receivedate_key)");
}

void createReceivedDayIndex(Database& db) {
    db.exec(
        "CREATE INDEX IF NOT EXISTS tranfile_received_day ON tranfile"
        " (receivedate_key, department_code, pointer)");
}

QStringList tableNames() {
    QStringList names;
    static const QRegularExpression name(QStringLiteral("^CREATE TABLE (?:IF NOT EXISTS )?(\\w+)"));
    for (const char* sql : kTables)
        names << name.match(QLatin1String(sql)).captured(1);
    return names + articleTableNames();
}

QStringList columnNames(const QString& table) {
    static const QRegularExpression column(QStringLiteral("[(,]\\s*(\\w+) (?:TEXT|INTEGER)"));
    QStringList statements;
    for (const char* sql : kTables)
        statements << QString::fromLatin1(sql);
    for (const QString& text : statements + articleTableStatements()) {
        if (!text.contains(QStringLiteral(" TABLE %1 (").arg(table)) &&
            !text.contains(QStringLiteral(" EXISTS %1 (").arg(table)))
            continue;
        QStringList names;
        for (const QRegularExpressionMatch& m : column.globalMatch(text))
            names << m.captured(1);
        return names;
    }
    return {};
}

void suspendLatestIssues(Database& db) {
    if (db.isPostgres()) {
        db.exec("DROP TRIGGER IF EXISTS tranfile_latest ON tranfile");
        return;
    }
    dropSqliteLatestTriggers(db);
}

void createSchema(Database& db) {
    if (db.isPostgres()) {
        createPostgresSchema(db, kTables);
        createArticleTables(db);
        createListOrderIndexes(db);
        createVolumeIndex(db);
        createLateIssueTables(db);
        return;
    }
    for (const char* sql : kTables)
        db.exec(sql);
    addIssueDateKeys(db);
    for (const char* sql : kIndexes)
        db.exec(sql);
    createDateIndexes(db);
    createTrimmedKeyIndexes(db);
    createNameIndexes(db);
    createIntervalTable(db);
    createReceivedDayIndex(db);
    createSqliteLatestIssues(db);
    createLengthRules(db);
    createArticleTables(db);
    createListOrderIndexes(db);
    createVolumeIndex(db);
    createLateIssueTables(db);
}

}  // namespace data
