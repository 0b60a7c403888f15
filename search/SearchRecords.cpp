#include "search/SearchRecords.h"

#include "data/Database.h"
#include "data/Issn.h"
#include "data/LikePattern.h"
#include "data/NameIndex.h"
#include "data/SortableDate.h"

namespace search {

namespace {

// The rowids of the titles found, then each title with its publisher, latest
// subscription and latest issue; a code without its row leaves a cell empty.
QByteArray listSql(const QByteArray& hits) {
    return "WITH hits(rid) AS (" + hits +
           ")"
           " SELECT vorlen1.pointer, vorlen1.vorlen_name, vorlen1.issn,"
           " (SELECT Publisher_Name FROM dealer WHERE Publisher_Code = vorlen1.publisher_code"
           "  ORDER BY rowid LIMIT 1),"
           " (SELECT receivestatusdes FROM receives WHERE receivestatus = vorlen.Receive_Code"
           "  ORDER BY rowid LIMIT 1),"
           " vorlen.end_period, tranfile.daily, tranfile.issueno"
           " FROM vorlen1"
           " LEFT JOIN vorlen ON vorlen.rowid = (SELECT rowid FROM vorlen"
           "  WHERE vorlen.pointer = vorlen1.pointer ORDER BY " +
           data::sortableDate("vorlen.end_period") +
           " DESC, rowid LIMIT 1)"
           " LEFT JOIN tranfile ON tranfile.rowid = (SELECT rowid FROM tranfile"
           "  WHERE tranfile.pointer = vorlen1.pointer ORDER BY " +
           data::sortableDate("tranfile.daily") +
           " DESC, rowid LIMIT 1)"
           " WHERE vorlen1.rowid IN (SELECT rid FROM hits)"
           " ORDER BY vorlen1.rowid LIMIT " +
           QByteArray::number(SearchRecords::kLimit + 1);
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

}  // namespace

QByteArray SearchRecords::keySql() {
    return listSql("SELECT rowid FROM vorlen1 WHERE pointer = ?");
}

QByteArray SearchRecords::issnSql() {
    return listSql(QByteArray("SELECT rowid FROM vorlen1 WHERE ") + data::kIssnKey + " = ?");
}

QByteArray SearchRecords::textSql(bool indexed) {
    return listSql(textHits(indexed));
}

QVariantList SearchRecords::textParams(const QString& text, bool indexed) {
    if (indexed)
        return {data::containsPattern(text), data::trigramQuery(text)};
    return {data::containsPattern(text)};
}

std::vector<FoundTitle> SearchRecords::byKey(const QString& pointer) const {
    static const QByteArray sql = keySql();
    return listed(sql, {pointer});
}

std::vector<FoundTitle> SearchRecords::byIssn(const QString& issn) const {
    static const QByteArray sql = issnSql();
    return listed(sql, {issn});
}

std::vector<FoundTitle> SearchRecords::byCover(const QString& issn) const {
    static const QByteArray sql = listSql(QByteArray("SELECT rowid FROM vorlen1 WHERE ") +
                                          data::kIssnKey + " IN " + data::kIssnStemPlaces);
    return listed(sql, data::issnsWithStem(issn));
}

std::vector<FoundTitle> SearchRecords::byText(const QString& text) const {
    const bool indexed = data::trigramSearchable(db_, text);
    return listed(textSql(indexed), textParams(text, indexed));
}

std::vector<FoundTitle> SearchRecords::listed(const QByteArray& sql,
                                              const QVariantList& params) const {
    std::vector<FoundTitle> found;
    for (const data::Row& r : db_.query(sql.constData(), params))
        found.push_back({r.text(0), r.text(1), r.text(2), r.text(3), r.text(4), r.text(5),
                         r.text(6), r.text(7)});
    return found;
}

}  // namespace search
