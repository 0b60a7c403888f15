#include "articles/AuthorSource.h"

#include <QStringList>

#include "data/Database.h"
#include "data/LikePattern.h"
#include "data/NameIndex.h"
#include "data/ThaiSortKey.h"

namespace articles {

const QString AuthorSource::kPerson = QStringLiteral("บุคคล");
const QString AuthorSource::kCorporate = QStringLiteral("นิติบุคคล");

AuthorSource::AuthorSource(const data::Database& db, const QString& part) : db_(db) {
    const QString text = part.simplified();
    if (text.isEmpty()) {
        where_ = "1 = 1";
        return;
    }
    if (data::trigramSearchable(db_, text)) {
        where_ = "a.author_id IN (SELECT rowid FROM author_names WHERE author_names MATCH ?) AND ";
        params_ << QStringLiteral("author_name : ") + data::trigramQuery(text);
    }
    where_ += "a.author_name LIKE ? ESCAPE '\\'";
    params_ << data::containsPattern(text);
}

bool AuthorSource::sortable(int column) const {
    return column >= authorColumn::name && column < authorColumn::count;
}

std::vector<AuthorSource::Key> AuthorSource::keys(const char* alias) const {
    const QByteArray a(alias);
    const bool falling = order().descending;
    // The list's own order is that of its index.
    const QByteArray name = data::thaiSortKey(
        QByteArray(data::kAuthorOrderName).replace("author_name", a + ".author_name").constData());
    const QByteArray id = a + ".author_id";
    // Authors alike in the column chosen keep Thai order of their names.
    switch (order().column) {
        case authorColumn::kind:
            return {{"coalesce(" + a + ".corporate, 0)", falling}, {name, false}, {id, false}};
        case authorColumn::articles:
            return {
                {"(SELECT count(*) FROM article_author u WHERE u.author_id = " + id + ")", falling},
                {name, false},
                {id, false}};
        default:
            return {{name, falling}, {id, falling}};
    }
}

int AuthorSource::count() const {
    return db_.first(("SELECT count(*) FROM author a WHERE " + where_).constData(), params_)
        ->value(0)
        .toInt();
}

std::vector<QStringList> AuthorSource::rows(int offset, int limit) const {
    QByteArray by;
    for (const Key& k : keys("a"))
        by += (by.isEmpty() ? "" : ", ") + k.expr + (k.falling ? " DESC" : "");
    QVariantList params = params_;
    params << limit << offset;
    std::vector<QStringList> out;
    db_.forEach(("SELECT a.author_id, a.author_name, a.corporate, (SELECT count(*) FROM"
                 " article_author u WHERE u.author_id = a.author_id) FROM author a WHERE " +
                 where_ + " ORDER BY " + by + " LIMIT ? OFFSET ?")
                    .constData(),
                params, [&](data::Row&& r) {
                    out.push_back({r.text(1), r.value(2).toInt() != 0 ? kCorporate : kPerson,
                                   r.text(3), r.text(0)});
                });
    return out;
}

int AuthorSource::placeOf(qint64 id) const {
    // The authors before it: the same keys up to one that comes before its own.
    const std::vector<Key> mine = keys("me"), theirs = keys("a");
    QByteArray earlier, same;
    for (std::size_t i = 0; i < mine.size(); ++i) {
        earlier += (i ? " OR (" : "(") + same + theirs[i].expr +
                   (theirs[i].falling ? " > " : " < ") + mine[i].expr + ")";
        same += theirs[i].expr + " = " + mine[i].expr + " AND ";
    }
    QVariantList params = params_;
    params << params_ << id;
    const auto row =
        db_.first(("SELECT (SELECT count(*) FROM author a WHERE " + where_ + " AND (" + earlier +
                   ")), (SELECT count(*) FROM author a WHERE a.author_id = me.author_id AND " +
                   where_ + ") FROM author me WHERE me.author_id = ?")
                      .constData(),
                  params);
    return row && row->value(1).toInt() > 0 ? row->value(0).toInt() : -1;
}

}  // namespace articles
