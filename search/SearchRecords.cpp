#include "search/SearchRecords.h"

#include "data/Database.h"
#include "data/Issn.h"
#include "data/LikePattern.h"
#include "data/NameIndex.h"
#include "search/SearchResultSource.h"

namespace search {

namespace {

// The first page as the window shows it, for the timing of the bare statement.
QByteArray firstPage(const QByteArray& hits) {
    return SearchResultSource::listSql(hits, {}) + " LIMIT 100";
}

// ?1 the pattern of the text; ?2 the trigram query, where the index serves.
QByteArray textHits(bool indexed) {
    const QByteArray dealers =
        indexed ? "SELECT Publisher_Code FROM dealer WHERE rowid IN"
                  " (SELECT rowid FROM dealer_names WHERE dealer_names MATCH ?2)"
                  " AND Publisher_Name LIKE ?1 ESCAPE '\\'"
                : "SELECT Publisher_Code FROM dealer WHERE Publisher_Name LIKE ?1 ESCAPE '\\'";
    const QByteArray names =
        "(vorlen_name LIKE ?1 ESCAPE '\\' OR compare_name LIKE ?1 ESCAPE '\\'"
        " OR old_name LIKE ?1 ESCAPE '\\' OR shot_name LIKE ?1 ESCAPE '\\')";
    return (indexed ? "SELECT rowid FROM vorlen1 WHERE rowid IN (SELECT rowid FROM vorlen1_names"
                      " WHERE vorlen1_names MATCH ?2) AND " +
                          names
                    : "SELECT rowid FROM vorlen1 WHERE " + names) +
           " UNION SELECT rowid FROM vorlen1 WHERE publisher_code IN (" + dealers +
           ")"
           " UNION SELECT vorlen1.rowid FROM vorlen JOIN vorlen1 ON vorlen1.pointer = "
           "vorlen.pointer"
           " WHERE vorlen.publisher_code IN (" +
           dealers + ")";
}

QByteArray keyHits() {
    return "SELECT rowid FROM vorlen1 WHERE pointer = ?";
}

QByteArray issnHits() {
    return QByteArray("SELECT rowid FROM vorlen1 WHERE ") + data::kIssnKey + " = ?";
}

}  // namespace

QByteArray SearchRecords::keySql() {
    return firstPage(keyHits());
}

QByteArray SearchRecords::issnSql() {
    return firstPage(issnHits());
}

QByteArray SearchRecords::textSql(bool indexed) {
    return firstPage(textHits(indexed));
}

QVariantList SearchRecords::textParams(const QString& text, bool indexed) {
    if (indexed)
        return {data::containsPattern(text), data::trigramQuery(text)};
    return {data::containsPattern(text)};
}

std::shared_ptr<ui::RowSource> SearchRecords::byKey(const QString& pointer) const {
    return std::make_shared<SearchResultSource>(db_, keyHits(), QVariantList{pointer});
}

std::shared_ptr<ui::RowSource> SearchRecords::byIssn(const QString& issn) const {
    return std::make_shared<SearchResultSource>(db_, issnHits(), QVariantList{issn});
}

std::shared_ptr<ui::RowSource> SearchRecords::byCover(const QString& issn) const {
    return std::make_shared<SearchResultSource>(db_,
                                                QByteArray("SELECT rowid FROM vorlen1 WHERE ") +
                                                    data::kIssnKey + " IN " + data::kIssnStemPlaces,
                                                data::issnsWithStem(issn));
}

std::shared_ptr<ui::RowSource> SearchRecords::byText(const QString& text) const {
    const bool indexed = data::trigramSearchable(db_, text);
    return std::make_shared<SearchResultSource>(db_, textHits(indexed), textParams(text, indexed));
}

}  // namespace search
