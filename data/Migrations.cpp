#include "data/Migrations.h"

#include <QByteArray>

#include "data/ArticleSchema.h"
#include "data/Database.h"
#include "data/FieldLimits.h"
#include "data/FirstRunData.h"
#include "data/LateSchema.h"
#include "data/NameIndex.h"
#include "data/PgSchema.h"
#include "data/Schema.h"
#include "data/ThaiSortKey.h"

namespace data {

namespace {

// 1: the date indexes use only built-in functions (they used a function only
// this program registered, so other SQLite tools could not check or change
// the file).
void toVersion1(Database& db) {
    db.exec("DROP INDEX IF EXISTS tranfile_pointer_daily");
    db.exec("DROP INDEX IF EXISTS vorlen_end_date");
    createDateIndexes(db);
}

// 2: the desk keeps its own settings (the unit name in the caption).
void toVersion2(Database& db) {
    createSettingsTable(db);
}

// 3: name searches by trigram index, the duplicate-name check and the ISSN
// lookup by index.
void toVersion3(Database& db) {
    createNameIndexes(db);
}

// 4: each frequency has the days between its issues and the grace before an
// issue counts as late.
void toVersion4(Database& db) {
    createIntervalTable(db);
    insertFrequencyIntervals(db);
}

void setMark(Database& db, const char* pragma, int value) {
    db.exec((QByteArray("PRAGMA ") + pragma + " = " + QByteArray::number(value)).constData());
}

// 5: the receiving statistics count a month of issues from one index.
void toVersion5(Database& db) {
    createReceivedDayIndex(db);
}

// 6: the late list reads the latest issue of each title and faculty from a
// table the database keeps itself.
void toVersion6(Database& db) {
    createLatestIssues(db);
}

// 7: one length limit per text column on both stores, and one rule for a
// name already taken (case of A to Z only) on both.
void toVersion7(Database& db) {
    createLengthRules(db);
    replaceNameKeyIndexes(db);
}

// 8: titles have publication patterns, and expected issues can be marked
// missing, claimed or not published.
void toPatterns(Database& db) {
    createPatternTables(db);
}

// 9: the article index: articles of registered issues, their authors and
// subject headings, and the cards printed.
void toArticleIndexVersion(Database& db) {
    createArticleTables(db);
}

// 10: each overdue issue keeps the claims sent for it.
void toClaimsVersion(Database& db) {
    createClaimTable(db);
}

// 11: the file's date indexes read dd/mm/yyyy with fewer calls (the
// server's date function stays as it was), and every table of title keys
// has an index on the key trimmed, so a key stored with any spaces around it
// is found through an index.
void toKeyIndexesVersion(Database& db) {
    if (!db.isPostgres())
        rebuildDateIndexes(db);
    createTrimmedKeyIndexes(db);
}

// 12: the title lists read the titles in Thai order a page at a time.
void toListOrderVersion(Database& db) {
    createListOrderIndexes(db);
}

// 13: the late list reads the issues of patterned titles from their year
// number on through an index, not the whole table.
void toVolumeIndexVersion(Database& db) {
    createVolumeIndex(db);
}

// 14: the issues lose their index on the trimmed title key alone: the index
// by title and year number and the one by title, faculty and day both begin
// with it, and an import built it for nothing.
void toIssueKeyIndexDroppedVersion(Database& db) {
    db.exec("DROP INDEX IF EXISTS tranfile_trim_pointer");
}

// 15: the author list reads the authors in Thai order a page at a time.
void toAuthorOrderVersion(Database& db) {
    createListOrderIndexes(db);
}

// 16: the issues keep the sortable text of their two dates in columns of
// their own, and the date indexes and the triggers sort those instead of an
// expression worked out again for every issue. The columns themselves come
// before any step (migrate), as the indexes of earlier steps read them too.
void toIssueDateKeysVersion(Database& db) {
    rebuildDateIndexes(db);
}

// 17: the late list reads its rows from tables the program keeps, worked
// out again only for the subscriptions a change or the passing days reach.
void toLateIssuesVersion(Database& db) {
    createLateIssueTables(db);
}

// 18: the articles found sort by citation or by registration number through
// indexes, a page at a time: each article keeps the name its citation
// begins with.
void toCitationOrderVersion(Database& db) {
    createCitationOrder(db);
}

using Step = void (*)(Database&);
// Step i brings a database from version i to version i + 1.
const Step kSteps[kSchemaVersion] = {&toVersion1,
                                     &toVersion2,
                                     &toVersion3,
                                     &toVersion4,
                                     &toVersion5,
                                     &toVersion6,
                                     &toVersion7,
                                     &toPatterns,
                                     &toArticleIndexVersion,
                                     &toClaimsVersion,
                                     &toKeyIndexesVersion,
                                     &toListOrderVersion,
                                     &toVolumeIndexVersion,
                                     &toIssueKeyIndexDroppedVersion,
                                     &toAuthorOrderVersion,
                                     &toIssueDateKeysVersion,
                                     &toLateIssuesVersion,
                                     &toCitationOrderVersion};

void markVersion(Database& db, int version) {
    if (db.isPostgres()) {
        stampPostgresVersion(db, version);
        return;
    }
    setMark(db, "application_id", kApplicationId);
    setMark(db, "user_version", version);
}

}  // namespace

FileVersion fileVersion(const Database& db) {
    if (db.isPostgres())
        return postgresVersion(db);
    return {db.first("PRAGMA application_id")->value(0).toInt(),
            db.first("PRAGMA user_version")->value(0).toInt()};
}

void stampVersion(Database& db) {
    markVersion(db, kSchemaVersion);
}

void migrate(Database& db) {
    for (;;) {
        Transaction tx(db);
        // Read again inside the transaction: another desk on the same server
        // may have taken this step while this one waited.
        const int version = fileVersion(db).userVersion;
        if (version >= kSchemaVersion)
            return;
        addIssueDateKeys(db);
        kSteps[version](db);
        markVersion(db, version + 1);
        tx.commit();
    }
}

}  // namespace data
