#include "data/PgSchema.h"

#include <QRegularExpression>

#include "data/Database.h"
#include "data/FieldLimits.h"
#include "data/NameIndex.h"
#include "data/Schema.h"

namespace data {

namespace {

const char* const kPrelude[] = {
    "CREATE EXTENSION IF NOT EXISTS pg_trgm",
    // The day-first date text as yyyy-mm-dd, or NULL when it is not such a
    // date: the same reading as the SQLite expression of SortableDate.cpp.
    "CREATE FUNCTION sortable_date(value text) RETURNS text LANGUAGE sql IMMUTABLE PARALLEL SAFE"
    " AS $$SELECT CASE WHEN trim(value) ~ '^[0-9]{1,2}/[0-9]{1,2}/[0-9]{4}$'"
    " AND lpad(split_part(trim(value), '/', 1), 2, '0') COLLATE \"C\" BETWEEN '01' AND '31'"
    " AND lpad(split_part(trim(value), '/', 2), 2, '0') COLLATE \"C\" BETWEEN '01' AND '12'"
    " THEN split_part(trim(value), '/', 3) || '-' || lpad(split_part(trim(value), '/', 2), 2, '0')"
    " || '-' || lpad(split_part(trim(value), '/', 1), 2, '0') END$$",
    // SQLite's CAST(text AS INTEGER): the whole number the text starts with
    // after spaces, 0 when there is none, held at the ends of the range.
    "CREATE FUNCTION leading_integer(value text) RETURNS bigint LANGUAGE sql IMMUTABLE STRICT"
    " PARALLEL SAFE AS $$SELECT greatest(least(coalesce(substring(value from"
    " '^\\s*([+-]?[0-9]+)')::numeric, 0), 9223372036854775807), -9223372036854775808)::bigint$$",
    "CREATE TABLE schema_version (application_id bigint, version bigint)",
};

const char* const kIndexes[] = {
    "CREATE INDEX vorlen1_pointer ON vorlen1 (pointer)",
    "CREATE INDEX vorlen_pointer ON vorlen (pointer)",
    "CREATE INDEX typeclass_pointer ON typeclass (pointer)",
    "CREATE INDEX tranfile_trim_magno ON tranfile ((trim(magno)))",
    "CREATE INDEX dealer_code ON dealer (Publisher_Code)",
    "CREATE INDEX vorlen_end_day ON vorlen (sortable_date(end_period))",
    "CREATE INDEX vorlen1_name_key ON vorlen1 ((lower(trim(vorlen_name))))",
    "CREATE INDEX vorlen1_publisher ON vorlen1 (publisher_code)",
    "CREATE INDEX vorlen_publisher ON vorlen (publisher_code)",
    // One per name, so a search of all four names combines four index scans.
    "CREATE INDEX vorlen1_name_trgm ON vorlen1 USING gin (vorlen_name gin_trgm_ops)",
    "CREATE INDEX vorlen1_compare_trgm ON vorlen1 USING gin (compare_name gin_trgm_ops)",
    "CREATE INDEX vorlen1_old_trgm ON vorlen1 USING gin (old_name gin_trgm_ops)",
    "CREATE INDEX vorlen1_short_trgm ON vorlen1 USING gin (shot_name gin_trgm_ops)",
    "CREATE INDEX dealer_name_trgm ON dealer USING gin (Publisher_Name gin_trgm_ops)",
    // The tables have no key; statements pick one row of a title by its rowid.
    "CREATE INDEX vorlen1_rowid ON vorlen1 (rowid)",
    "CREATE INDEX vorlen_rowid ON vorlen (rowid)",
    "CREATE INDEX typeclass_rowid ON typeclass (rowid)",
    "CREATE INDEX tranfile_rowid ON tranfile (rowid)",
    "CREATE INDEX dealer_rowid ON dealer (rowid)",
};

const char* const kDateIndexes[] = {
    "CREATE INDEX tranfile_pointer_day ON tranfile (pointer, daily_key)",
    // The columns the late list and the statistics read ride along, so the
    // server answers them from the index alone (it cannot see into an
    // expression for that).
    ("CREATE INDEX tranfile_title_faculty_received ON tranfile"
     " ((trim(pointer)), (trim(department_code)), receivedate_key)"
     " INCLUDE (pointer, department_code, receivedate, rowid)"),
    ("CREATE INDEX tranfile_received_day ON tranfile"
     " (receivedate_key, department_code, pointer) INCLUDE (receivedate)"),
};

// The latest issue of a title and faculty set again from the issues: the
// same choice as the file's triggers, an unreadable date sorting last. Made
// again from the start each time, as the file's are.
const char* const kLatestIssueCode[] = {
    ("CREATE OR REPLACE FUNCTION refresh_latest_issue(p text, d text) RETURNS void LANGUAGE sql"
     " AS $$DELETE FROM latest_issue WHERE pointer = p AND department_code = d;"
     " INSERT INTO latest_issue (pointer, department_code, issue_rowid, receivedate,"
     " descriptionitem) SELECT trim(pointer), trim(department_code), rowid, receivedate,"
     " descriptionitem FROM tranfile WHERE trim(pointer) = p AND trim(department_code) = d"
     " ORDER BY receivedate_key DESC NULLS LAST, rowid DESC LIMIT 1$$"),
    ("CREATE OR REPLACE FUNCTION tranfile_keeps_latest() RETURNS trigger LANGUAGE plpgsql AS "
     "$$BEGIN"
     " IF TG_OP <> 'INSERT' THEN"
     " PERFORM refresh_latest_issue(trim(OLD.pointer), trim(OLD.department_code)); END IF;"
     " IF TG_OP <> 'DELETE' THEN"
     " PERFORM refresh_latest_issue(trim(NEW.pointer), trim(NEW.department_code)); END IF;"
     " RETURN NULL; END$$"),
    "DROP TRIGGER IF EXISTS tranfile_latest ON tranfile",
    ("CREATE TRIGGER tranfile_latest AFTER INSERT OR DELETE"
     " OR UPDATE OF pointer, department_code, receivedate, descriptionitem ON tranfile"
     " FOR EACH ROW EXECUTE FUNCTION tranfile_keeps_latest()"),
    "DELETE FROM latest_issue",
    ("INSERT INTO latest_issue (pointer, department_code, issue_rowid, receivedate,"
     " descriptionitem) SELECT DISTINCT ON (trim(pointer), trim(department_code)) trim(pointer),"
     " trim(department_code), rowid, receivedate, descriptionitem FROM tranfile"
     " WHERE trim(pointer) IS NOT NULL AND trim(department_code) IS NOT NULL"
     " ORDER BY trim(pointer), trim(department_code), receivedate_key DESC NULLS LAST,"
     " rowid DESC"),
};

}  // namespace

QByteArray postgresTable(const char* sqlite) {
    QString sql = QString::fromUtf8(sqlite);
    static const QRegularExpression text(QStringLiteral("\\bTEXT\\b"));
    static const QRegularExpression integer(QStringLiteral("\\bINTEGER\\b"));
    sql.replace(text, QStringLiteral("text COLLATE \"C\""));
    sql.replace(integer, QStringLiteral("bigint"));
    sql.insert(sql.lastIndexOf(u')'),
               QStringLiteral(", rowid bigint GENERATED BY DEFAULT AS IDENTITY"));
    return sql.toUtf8();
}

void createPostgresLatestIssues(Database& db) {
    for (const char* sql : kLatestIssueCode)
        db.exec(sql);
}

void createPostgresDateIndexes(Database& db) {
    for (const char* sql : kDateIndexes)
        db.exec(sql);
}

void createPostgresSchema(Database& db, std::span<const char* const> sqliteTables) {
    for (const char* sql : kPrelude)
        db.exec(sql);
    for (const char* sql : sqliteTables)
        db.exec(postgresTable(sql).constData());
    addIssueDateKeys(db);
    for (const char* sql : kIndexes)
        db.exec(sql);
    createPostgresDateIndexes(db);
    db.exec(
        (QByteArray("CREATE INDEX vorlen1_issn_key ON vorlen1 ((") + kIssnKey + "))").constData());
    createTrimmedKeyIndexes(db);
    createPostgresLatestIssues(db);
    createLengthRules(db);
}

FileVersion postgresVersion(const Database& db) {
    const auto row = db.first("SELECT application_id, version FROM schema_version");
    return row ? FileVersion{row->value(0).toInt(), row->value(1).toInt()} : FileVersion{};
}

void stampPostgresVersion(Database& db, int version) {
    db.exec("DELETE FROM schema_version");
    db.exec("INSERT INTO schema_version VALUES (?, ?)", {kApplicationId, version});
}

}  // namespace data
