#include "articles/ArticleSearchSource.h"

#include <QHash>
#include <QStringList>

#include "articles/Citation.h"
#include "data/Database.h"
#include "data/DateText.h"
#include "data/ThaiSortKey.h"

namespace articles {

namespace {

QByteArray marks(int n) {
    QByteArray out = "?";
    for (int i = 1; i < n; ++i)
        out += ",?";
    return out;
}

}  // namespace

bool ArticleSearchSource::sortable(int column) const {
    return column == found::citation || column == found::magno;
}

QByteArray ArticleSearchSource::pageSql(ui::ListOrder order) const {
    const QByteArray dir = order.descending ? " DESC" : "";
    const QByteArray select =
        "SELECT a.article_id, a.magno, a.title, a.pages FROM article a WHERE ";
    switch (order.column) {
        case found::citation:
            // A citation begins with its first author, else its title. The
            // key is taken once an article, then the rows found are sorted.
            return "WITH s AS MATERIALIZED (SELECT a.article_id, a.magno, a.title, a.pages,"
                   " coalesce((SELECT w.author_name FROM article_author u JOIN author w"
                   " ON w.author_id = u.author_id WHERE u.article_id = a.article_id"
                   " ORDER BY u.position LIMIT 1), a.title) AS lead FROM article a WHERE " +
                   where_ + ") SELECT article_id, magno, title, pages FROM s ORDER BY " +
                   data::thaiSortKey("s.lead") + dir + ", " + data::thaiSortKey("s.title") + dir +
                   ", s.article_id" + dir;
        case found::magno:
            // Registration numbers by value: a shorter number is a smaller one.
            return select + where_ + " ORDER BY length(a.magno)" + dir + ", a.magno" + dir +
                   ", a.article_id" + dir;
        default:
            if (!byWords_.isEmpty())
                return "SELECT a.article_id, a.magno, a.title, a.pages FROM article_words f JOIN"
                       " article a ON a.article_id = f.rowid WHERE " +
                       byWords_ + " ORDER BY f.rowid DESC";
            return select + where_ + " ORDER BY a.article_id DESC";
    }
}

int ArticleSearchSource::count() const {
    const QByteArray sql = "SELECT count(*) FROM article a WHERE " + where_;
    return db_.first(sql.constData(), params_)->value(0).toInt();
}

// The page in order, then the issue and journal of its numbers in one
// statement and the authors of its articles in another: a page never loads
// its articles one by one.
std::vector<QStringList> ArticleSearchSource::rows(int offset, int limit) const {
    QVariantList params = order().column < 0 && !byWords_.isEmpty() ? byWordsParams_ : params_;
    params << limit << offset;
    std::vector<qint64> ids;
    std::vector<QString> magnos;
    std::vector<CitationParts> parts;
    QHash<qint64, std::size_t> place;
    db_.forEach((pageSql(order()) + " LIMIT ? OFFSET ?").constData(), params, [&](data::Row&& r) {
        place.insert(r.value(0).toLongLong(), ids.size());
        ids.push_back(r.value(0).toLongLong());
        magnos.push_back(r.text(1));
        CitationParts p;
        p.title = r.text(2);
        p.pages = r.text(3);
        parts.push_back(std::move(p));
    });
    if (ids.empty())
        return {};
    QVariantList magnoParams, idParams;
    for (const QString& m : magnos)
        magnoParams << m;
    for (qint64 id : ids)
        idParams << id;
    QHash<QString, CitationParts> issues;
    db_.forEach(("SELECT trim(t.magno), v.vorlen_name, t.yearno, t.issueno, t.daily FROM tranfile t"
                 " LEFT JOIN vorlen1 v ON trim(v.pointer) = trim(t.pointer) WHERE t.rowid IN"
                 " (SELECT min(rowid) FROM tranfile WHERE trim(magno) IN (" +
                 marks(int(magnos.size())) + ") GROUP BY trim(magno))")
                    .constData(),
                magnoParams, [&](data::Row&& r) {
                    if (issues.contains(r.text(0)))
                        return;
                    CitationParts p;
                    p.journal = r.text(1).trimmed();
                    p.volume = r.text(2);
                    p.issue = r.text(3);
                    if (const auto d = data::dateNumbers(r.text(4).trimmed())) {
                        p.month = d->month;
                        p.year = d->year;
                    }
                    issues.insert(r.text(0), p);
                });
    db_.forEach(("SELECT u.article_id, w.author_name FROM article_author u JOIN author w"
                 " ON w.author_id = u.author_id WHERE u.article_id IN (" +
                 marks(int(ids.size())) + ") ORDER BY u.article_id, u.position")
                    .constData(),
                idParams, [&](data::Row&& r) {
                    parts[place.value(r.value(0).toLongLong())].authors << r.text(1);
                });
    std::vector<QStringList> out;
    out.reserve(ids.size());
    for (std::size_t i = 0; i < ids.size(); ++i) {
        CitationParts p = issues.value(magnos[i]);
        p.title = parts[i].title;
        p.pages = parts[i].pages;
        p.authors = parts[i].authors;
        out.push_back({citation(p), magnos[i], QString::number(ids[i])});
    }
    return out;
}

}  // namespace articles
