#include "search/SearchRecords.h"

#include "data/Database.h"
#include "data/Issn.h"
#include "data/LikePattern.h"
#include "data/NameIndex.h"
#include "search/SearchResultSource.h"

namespace search {

namespace {

// The first page as the window shows it, for the timing of the bare statement.
QByteArray firstPage(const Hits& hits) {
    return SearchResultSource::listSql(hits, {}) + " LIMIT 100";
}

// ?1 the pattern of the text; ?2 the trigram query, where the index serves.
// With the index, the titles the trigrams find and those of the publishers
// and agents found are read in order and each is checked against the
// pattern: a first page does not check every title the trigrams find. The
// publishers and agents found are read once for the statement.
Hits textHits(bool indexed) {
    QByteArray names;
    for (const char* column : {"vorlen_name", "compare_name", "old_name", "shot_name"})
        names += (names.isEmpty() ? "vorlen1." : " OR vorlen1.") + QByteArray(column) +
                 " LIKE ?1 ESCAPE '\\'";
    if (indexed)
        return {
            "SELECT rowid FROM vorlen1_names WHERE vorlen1_names MATCH ?2"
            " UNION SELECT rowid FROM vorlen1 WHERE publisher_code IN (SELECT code FROM dealers)"
            " UNION SELECT vorlen1.rowid FROM vorlen JOIN vorlen1 ON vorlen1.pointer ="
            " vorlen.pointer WHERE vorlen.publisher_code IN (SELECT code FROM dealers)",
            names +
                " OR vorlen1.publisher_code IN (SELECT code FROM dealers) OR vorlen1.pointer IN"
                " (SELECT vorlen.pointer FROM vorlen WHERE vorlen.publisher_code IN"
                " (SELECT code FROM dealers))",
            "dealers(code) AS (SELECT Publisher_Code FROM dealer WHERE rowid IN"
            " (SELECT rowid FROM dealer_names WHERE dealer_names MATCH ?2)"
            " AND Publisher_Name LIKE ?1 ESCAPE '\\')"};
    const QByteArray dealers =
        "SELECT Publisher_Code FROM dealer WHERE Publisher_Name LIKE ?1 ESCAPE '\\'";
    return {"SELECT rowid FROM vorlen1 WHERE " + names +
                " UNION SELECT rowid FROM vorlen1 WHERE publisher_code IN (" + dealers +
                ")"
                " UNION SELECT vorlen1.rowid FROM vorlen JOIN vorlen1 ON vorlen1.pointer ="
                " vorlen.pointer WHERE vorlen.publisher_code IN (" +
                dealers + ")",
            {},
            {}};
}

QByteArray keyHits() {
    return "SELECT rowid FROM vorlen1 WHERE pointer = ?";
}

QByteArray issnHits() {
    return QByteArray("SELECT rowid FROM vorlen1 WHERE ") + data::kIssnKey + " = ?";
}

}  // namespace

QByteArray SearchRecords::keySql() {
    return firstPage({keyHits(), {}, {}});
}

QByteArray SearchRecords::issnSql() {
    return firstPage({issnHits(), {}, {}});
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
