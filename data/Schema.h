#pragma once

// The column order of every table. Rows are read and written by position, so
// these numbers and the CREATE TABLE texts in Schema.cpp are the file format.

#include <QStringList>

namespace data {

class Database;

namespace vorlen1 {  // title master
constexpr int pointer = 0, vorlen_name = 1, compare_name = 2, old_name = 3, shot_name = 4,
              remark = 5, First_year_printed = 6, issn = 7, language_code = 8, magtype_code = 9,
              number_per_volume = 10, volume_per_year = 11, publisher_code = 12, count = 13;
}
namespace vorlen {  // subscription
constexpr int pointer = 0, department_code = 1, bind_type_code = 2, Receive_Code = 3,
              bind_color_code = 4, copy_per_year = 5, price_per_year = 6, currency_code = 7,
              exchange_rate = 8, begin_period = 9, end_period = 10, order_date = 11,
              publisher_code = 12, status_code = 13, count = 14;
}
namespace typeclass {  // subject kind of a title
constexpr int pointer = 0, type_code = 1, count = 2;
}
namespace recsetup {  // next key of each series, positions 1 to 4
constexpr int setup_no = 0, next_key1 = 1, next_key4 = 4, count = 5;
}
namespace dealer {  // publishers, agents and shops
constexpr int Publisher_Code = 0, Publisher_Name = 1, Publisher_Abbrev = 2, Publisher_Address1 = 3,
              Publisher_Address2 = 4, Publisher_Phone = 5, Publisher_Fax = 6, Publisher_Email = 7,
              Contact_Name = 8, count = 9;
}
namespace tranfile {  // registered issues
constexpr int magno = 0, department_code = 1, pointer = 2, receivedate = 3, daily = 4, yearno = 5,
              issueno = 6, descriptionitem = 7, count = 8;
// After the old program's columns: the date keys (addIssueDateKeys).
constexpr int daily_key = 8, receivedate_key = 9;
}  // namespace tranfile
namespace jourctrl {  // registration-number counter
constexpr int nextmagno = 0, count = 1;
}
namespace magtype_interval {  // days between issues of a frequency, and the grace
constexpr int MagType_Code = 0, interval_days = 1, grace_days = 2, count = 3;
}
namespace publication_pattern {  // how a title comes out, one row per title
constexpr int pointer = 0, frequency = 1, every_days = 2, known_date = 3, known_volume = 4,
              known_issue = 5, issues_per_volume = 6, restart_numbers = 7, volume_start_month = 8,
              lead_days = 9, grace_days = 10, omitted_months = 11, combined_issues = 12,
              ceased = 13, count = 14;
}
namespace issue_mark {  // an expected issue marked missing, claimed or not published
constexpr int pointer = 0, department_code = 1, volume = 2, issue = 3, status = 4, marked_on = 5,
              count = 6;
}
namespace issue_claim {  // the claims sent for an overdue expected issue
constexpr int pointer = 0, department_code = 1, volume = 2, issue = 3, expected_on = 4,
              claim_count = 5, first_claimed = 6, last_claimed = 7, agent_code = 8,
              not_received_reason = 9, count = 10;
}
// The nine code tables: a code at position 0 and its Thai description at 1.
namespace codetable {
constexpr int code = 0, description = 1;
}

// The text of sortableDate on each issue's daily and receivedate, stored in
// columns of its own (the last two of tranfile), so that the date indexes sort
// stored text instead of working the expression out for every issue: the
// file's triggers set them, the server's are generated. Adds the columns where
// they are missing and fills them.
void addIssueDateKeys(Database& db);
// Whether the column is one of those keys, which no one writes but the
// database (and the import of the old program's file, its triggers away).
bool isIssueDateKey(const QString& table, const QString& column);

// The name of every table, in the order they are made.
QStringList tableNames();
// The columns of a table in their order, the issues' date keys left out;
// empty for a name that is no table.
QStringList columnNames(const QString& table);
// Creates every table (and the indexes the lookups use) in an empty database,
// an SQLite file or a PostgreSQL database.
void createSchema(Database& db);
// The table of the desk's own settings (the unit name in the caption).
void createSettingsTable(Database& db);
// The expected days between issues of each frequency code, and the index
// that finds the latest issue received for a title and faculty.
void createIntervalTable(Database& db);
// The indexes that find issues and subscriptions by date.
void createDateIndexes(Database& db);
// The index that counts the issues received in a range of days by faculty
// and by kind.
void createReceivedDayIndex(Database& db);
// The latest issue received for each title and faculty, which the database
// keeps itself whenever an issue is added, corrected or removed, so the late
// list reads one small row per subscription: the table, the triggers that
// keep it, and its rows for the issues already there.
void createLatestIssues(Database& db);
// The publication patterns of titles and the marks on their expected issues.
void createPatternTables(Database& db);
// The claims sent for overdue issues.
void createClaimTable(Database& db);
// The indexes on the title key trimmed, in each table that carries it, so a
// key stored with any spaces around it is found by the key typed without.
void createTrimmedKeyIndexes(Database& db);
// The date indexes and the triggers that sort by date made again as they now
// stand, which queries must match to use them (on the server, the issues'
// indexes and the function that keeps the latest issues).
void rebuildDateIndexes(Database& db);
// The index that finds a title's issues from a year number on.
void createVolumeIndex(Database& db);
// Stops keeping the latest issues while many issues go in at once;
// createLatestIssues makes them again from all the issues.
void suspendLatestIssues(Database& db);

}  // namespace data
