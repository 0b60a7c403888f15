#include "issues/TitleFinder.h"

#include "data/Database.h"
#include "data/Issn.h"
#include "data/LikePattern.h"
#include "data/NameIndex.h"
#include "data/StoredKey.h"

namespace issues {

std::shared_ptr<TitleMatchSource> TitleFinder::matching(const QString& text) const {
    if (data::trigramSearchable(db_, text)) {
        const QVariantList params{data::containsPattern(text),
                                  QStringLiteral("vorlen_name : ") + data::trigramQuery(text)};
        // The trigram index yields its rows by rowid as it reads them, so a
        // page in the order of entry stops once it has its titles.
        return std::make_shared<TitleMatchSource>(
            db_,
            "vorlen1.rowid IN (SELECT rowid FROM vorlen1_names"
            " WHERE vorlen1_names MATCH ?2) AND vorlen1.vorlen_name LIKE ?1 ESCAPE '\\'",
            params, kSubscriptionJoin,
            TitleMatchSource::TitlesInOrder{
                " FROM vorlen1_names JOIN vorlen1 ON vorlen1.rowid = vorlen1_names.rowid"
                " WHERE vorlen1_names MATCH ?2 AND vorlen1.vorlen_name LIKE ?1 ESCAPE '\\'",
                "vorlen1_names.rowid"});
    }
    return source("vorlen1.vorlen_name LIKE ?1 ESCAPE '\\'", {data::containsPattern(text)});
}

std::shared_ptr<TitleMatchSource> TitleFinder::withCover(const QString& issn) const {
    return source(QByteArray(data::kIssnKey) + " IN " + data::kIssnStemPlaces,
                  data::issnsWithStem(issn));
}

std::vector<TitleMatch> TitleFinder::find(const QString& text) const {
    return all(*matching(text));
}

std::vector<TitleMatch> TitleFinder::byKey(const QString& pointer) const {
    // The key as each table stores it: an imported key may carry spaces, and
    // an edit stores the subscription's key trimmed.
    return all(*source("vorlen1.pointer = ?1",
                       {data::storedKey(db_, data::KeyTable::vorlen1, pointer),
                        data::storedKey(db_, data::KeyTable::vorlen, pointer)},
                       "vorlen.pointer = ?2"));
}

std::vector<TitleMatch> TitleFinder::byIssn(const QString& issn) const {
    return all(*source(QByteArray(data::kIssnKey) + " = ?1", {issn}));
}

std::vector<TitleMatch> TitleFinder::byCover(const QString& issn) const {
    return all(*withCover(issn));
}

std::shared_ptr<TitleMatchSource> TitleFinder::source(const QByteArray& where,
                                                      const QVariantList& params,
                                                      const QByteArray& join) const {
    return std::make_shared<TitleMatchSource>(db_, where, params, join);
}

std::vector<TitleMatch> TitleFinder::all(const TitleMatchSource& source) {
    std::vector<TitleMatch> found;
    ui::forEachRow(source, [&found](const QStringList& r) {
        found.push_back({r[matchCol::pointer], r[matchCol::name], r[matchCol::departmentCode],
                         r[matchCol::department]});
    });
    return found;
}

}  // namespace issues
