#include "catalogue/TitleNameSource.h"

#include "data/Database.h"
#include "data/LikePattern.h"
#include "data/NameIndex.h"

namespace catalogue {

namespace {

// The trigram query first where the index serves, then the pattern. The
// index yields its rows by rowid as it reads them: a page read along it stops
// once it has its titles, where a common part of a name would otherwise have
// every match gathered first.
QByteArray fromWhere(bool indexed) {
    return indexed ? " FROM vorlen1_names JOIN vorlen1 ON vorlen1.rowid = vorlen1_names.rowid"
                     " WHERE vorlen1_names MATCH ? AND vorlen1.vorlen_name LIKE ? ESCAPE '\\'"
                   : " FROM vorlen1 WHERE vorlen_name LIKE ? ESCAPE '\\'";
}

}  // namespace

TitleNameSource::TitleNameSource(const data::Database& db, const QString& part)
    : db_(db), indexed_(data::trigramSearchable(db, part)) {
    if (indexed_)
        params_ << QStringLiteral("vorlen_name : ") + data::trigramQuery(part);
    params_ << data::containsPattern(part);
}

int TitleNameSource::count() const {
    const QByteArray sql = "SELECT count(*)" + fromWhere(indexed_);
    return db_.first(sql.constData(), params_)->value(0).toInt();
}

std::vector<QStringList> TitleNameSource::rows(int offset, int limit) const {
    const bool onward = offset > 0 && offset == nextOffset_;
    const QByteArray rowid = indexed_ ? "vorlen1_names.rowid" : "rowid";
    const QByteArray sql = "SELECT vorlen1.pointer, vorlen1.vorlen_name, vorlen1.rowid" +
                           fromWhere(indexed_) +
                           (onward ? " AND " + rowid + " > ? ORDER BY " + rowid + " LIMIT ?"
                                   : " ORDER BY " + rowid + " LIMIT ? OFFSET ?");
    QVariantList params = params_;
    if (onward)
        params << lastRowid_ << limit;
    else
        params << limit << offset;
    std::vector<QStringList> out;
    db_.forEach(sql.constData(), params, [&](data::Row&& r) {
        out.push_back({r.text(0), r.text(1)});
        lastRowid_ = r.value(2).toLongLong();
    });
    nextOffset_ = offset + int(out.size());
    return out;
}

}  // namespace catalogue
