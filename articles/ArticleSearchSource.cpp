#include "articles/ArticleSearchSource.h"

#include <QHash>
#include <QStringList>

#include "articles/Citation.h"
#include "data/ArticleSchema.h"
#include "data/Database.h"
#include "data/DateText.h"

namespace articles {

namespace {

QByteArray marks(int n) {
    QByteArray out = "?";
    for (int i = 1; i < n; ++i)
        out += ",?";
    return out;
}

// Reading an order's index row by row costs about as much for each article
// passed as sorting the rows found does for each of them: a page of 100 read
// along the index passes about 100 * articles / found of them. Beyond
// found * found > kWalkFactor * articles the index is the shorter way.
constexpr qint64 kWalkFactor = 100;

}  // namespace

bool ArticleSearchSource::sortable(int column) const {
    return column == found::citation || column == found::magno;
}

int ArticleSearchSource::count() const {
    if (!count_) {
        const QByteArray sql = "SELECT count(*) FROM article a WHERE " + found_.where;
        count_ = db_.first(sql.constData(), found_.params)->value(0).toInt();
    }
    return *count_;
}

bool ArticleSearchSource::walks() const {
    if (!articles_)
        articles_ =
            db_.first("SELECT coalesce(max(article_id), 0) FROM article")->value(0).toLongLong();
    const qint64 n = count();
    return n * n > kWalkFactor * *articles_;
}

void ArticleSearchSource::Page::add(const data::Row& row) {
    ids.push_back(row.value(0).toLongLong());
    magnos.push_back(row.text(1));
    titles.push_back(row.text(2));
    pages.push_back(row.text(3));
}

ArticleSearchSource::Page ArticleSearchSource::latestFirst(int offset, int limit) const {
    const bool byWords = !byWords_.where.isEmpty();
    const QByteArray sql =
        byWords ? "SELECT a.article_id, a.magno, a.title, a.pages FROM article_words f JOIN"
                  " article a ON a.article_id = f.rowid WHERE " +
                      byWords_.where + " ORDER BY f.rowid DESC LIMIT ? OFFSET ?"
                : "SELECT a.article_id, a.magno, a.title, a.pages FROM article a WHERE " +
                      found_.where + " ORDER BY a.article_id DESC LIMIT ? OFFSET ?";
    QVariantList params = byWords ? byWords_.params : found_.params;
    params << limit << offset;
    Page page;
    db_.forEach(sql.constData(), params, [&](data::Row&& r) { page.add(r); });
    return page;
}

// A result that holds a good part of the articles is read along the order's
// index, each page going on from the keys where the page before it ended;
// a smaller one is sorted whole, which costs less than passing the many
// articles it lacks.
ArticleSearchSource::Page ArticleSearchSource::inOrder(int offset, int limit) const {
    const ui::ListOrder o = order();
    const data::OrderKeys keys =
        o.column == found::citation ? data::citationOrderKeys("a.") : data::magnoOrderKeys("a.");
    const QByteArray dir = o.descending ? " DESC" : "";
    const QByteArray after = o.descending ? " < " : " > ";
    const QByteArray select = "SELECT a.article_id, a.magno, a.title, a.pages, " + keys.first +
                              " AS first_key, " + keys.second +
                              " AS second_key FROM article a WHERE ";
    const QByteArray sorted = " ORDER BY 5" + dir + ", 6" + dir + ", 1" + dir + " LIMIT ? OFFSET ?";
    QByteArray sql;
    QVariantList params;
    int from = 0;
    const bool walking = walks();
    if (walking) {
        if (endsOrder_ != o)
            ends_.clear();
        endsOrder_ = o;
        sql = select + '(' + checked_.where + ')';
        params = checked_.params;
        auto known = ends_.upper_bound(offset);
        if (known != ends_.begin()) {
            --known;
            from = known->first;
            const Keys& k = known->second;
            sql += " AND " + keys.first + (o.descending ? " <= " : " >= ") + "? AND (" +
                   keys.first + after + "? OR " + keys.second + after + "? OR (" + keys.second +
                   " = ? AND a.article_id" + after + "?))";
            params << k.first << k.first << k.second << k.second << k.id;
        }
        sql += sorted;
    } else {
        sql = "WITH s AS MATERIALIZED (" + select + found_.where + ") SELECT * FROM s" + sorted;
        params = found_.params;
    }
    params << limit << offset - from;
    Page page;
    Keys last;
    db_.forEach(sql.constData(), params, [&](data::Row&& r) {
        page.add(r);
        last = {r.value(4), r.value(5), page.ids.back()};
    });
    if (walking && !page.ids.empty())
        ends_[offset + int(page.ids.size())] = last;
    return page;
}

std::vector<QStringList> ArticleSearchSource::rows(int offset, int limit) const {
    return cited(order().column < 0 ? latestFirst(offset, limit) : inOrder(offset, limit));
}

// The issue and journal of the page's numbers in one statement and the
// authors of its articles in another: a page never loads its articles one by
// one.
std::vector<QStringList> ArticleSearchSource::cited(const Page& page) const {
    if (page.ids.empty())
        return {};
    QVariantList magnoParams, idParams;
    QHash<qint64, std::size_t> place;
    for (const QString& m : page.magnos)
        magnoParams << m;
    for (std::size_t i = 0; i < page.ids.size(); ++i) {
        idParams << page.ids[i];
        place.insert(page.ids[i], i);
    }
    QHash<QString, CitationParts> issues;
    db_.forEach(("SELECT trim(t.magno), v.vorlen_name, t.yearno, t.issueno, t.daily FROM tranfile t"
                 " LEFT JOIN vorlen1 v ON trim(v.pointer) = trim(t.pointer) WHERE t.rowid IN"
                 " (SELECT min(rowid) FROM tranfile WHERE trim(magno) IN (" +
                 marks(int(page.magnos.size())) + ") GROUP BY trim(magno))")
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
    std::vector<QStringList> authors(page.ids.size());
    db_.forEach(("SELECT u.article_id, w.author_name FROM article_author u JOIN author w"
                 " ON w.author_id = u.author_id WHERE u.article_id IN (" +
                 marks(int(page.ids.size())) + ") ORDER BY u.article_id, u.position")
                    .constData(),
                idParams,
                [&](data::Row&& r) { authors[place.value(r.value(0).toLongLong())] << r.text(1); });
    std::vector<QStringList> out;
    out.reserve(page.ids.size());
    for (std::size_t i = 0; i < page.ids.size(); ++i) {
        CitationParts p = issues.value(page.magnos[i]);
        p.title = page.titles[i];
        p.pages = page.pages[i];
        p.authors = authors[i];
        out.push_back({citation(p), page.magnos[i], QString::number(page.ids[i])});
    }
    return out;
}

}  // namespace articles
