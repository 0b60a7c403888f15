#include "articles/ArticleSearch.h"

#include <QHash>
#include <QStringList>

#include "articles/Citation.h"
#include "data/Database.h"
#include "data/DateText.h"
#include "data/LikePattern.h"
#include "data/NameIndex.h"

namespace articles {

std::vector<FoundArticle> ArticleSearch::find(const ArticleQuery& q) const {
    QByteArray where = "1 = 1";
    QVariantList params;
    // The author first: a part of a name holds few articles, and SQLite
    // takes its rows from the first list of the statement.
    const QString author = q.author.simplified();
    if (!author.isEmpty()) {
        where +=
            " AND a.article_id IN (SELECT u.article_id FROM article_author u JOIN author w"
            " ON w.author_id = u.author_id WHERE ";
        if (data::trigramSearchable(db_, author)) {
            where +=
                "w.author_id IN (SELECT rowid FROM author_names WHERE author_names MATCH ?) AND ";
            params << data::trigramQuery(author);
        }
        where += "w.author_name LIKE ? ESCAPE '\\')";
        params << data::containsPattern(author);
    }
    for (const QString& word : q.words.split(u' ', Qt::SkipEmptyParts)) {
        if (data::trigramSearchable(db_, word)) {
            where +=
                " AND a.article_id IN (SELECT rowid FROM article_words WHERE article_words"
                " MATCH ?)";
            params << data::trigramQuery(word);
        }
        where +=
            " AND (a.title LIKE ? ESCAPE '\\' OR a.other_title LIKE ? ESCAPE '\\'"
            " OR a.keywords LIKE ? ESCAPE '\\' OR a.abstract LIKE ? ESCAPE '\\')";
        const QString pattern = data::containsPattern(word);
        params << pattern << pattern << pattern << pattern;
    }
    if (q.heading != 0) {
        where +=
            " AND a.article_id IN (SELECT article_id FROM article_heading WHERE"
            " heading_id = ?)";
        params << q.heading;
    }
    if (!q.journal.trimmed().isEmpty()) {
        where += " AND a.magno IN (SELECT trim(magno) FROM tranfile WHERE trim(pointer) = ?)";
        params << q.journal.trimmed();
    }
    if (!q.journalName.trimmed().isEmpty()) {
        where +=
            " AND a.magno IN (SELECT trim(t.magno) FROM tranfile t JOIN vorlen1 v ON"
            " trim(v.pointer) = trim(t.pointer) WHERE v.vorlen_name LIKE ? ESCAPE '\\')";
        params << data::containsPattern(q.journalName.simplified());
    }
    const QByteArray day = "daily_key";
    if (q.fromYear > 0) {
        where += " AND a.magno IN (SELECT trim(magno) FROM tranfile WHERE " + day + " >= ?)";
        params << QStringLiteral("%1-01-01").arg(q.fromYear, 4, 10, QLatin1Char('0'));
    }
    if (q.toYear > 0) {
        where += " AND a.magno IN (SELECT trim(magno) FROM tranfile WHERE " + day + " <= ?)";
        params << QStringLiteral("%1-12-31").arg(q.toYear, 4, 10, QLatin1Char('0'));
    }
    params << kMostRows;
    // The page of results with its issue and journal in one statement, then
    // the authors of all of them in another: a search never loads its
    // articles one by one.
    const QByteArray sql =
        "SELECT a.article_id, a.magno, a.title, a.pages, v.vorlen_name, t.yearno, t.issueno,"
        " t.daily FROM (SELECT a.article_id, a.magno, a.title, a.pages FROM article a WHERE " +
        where +
        " ORDER BY a.article_id DESC LIMIT ?) a LEFT JOIN tranfile t ON t.rowid ="
        " (SELECT min(rowid) FROM tranfile WHERE trim(magno) = a.magno)"
        " LEFT JOIN vorlen1 v ON trim(v.pointer) = trim(t.pointer) ORDER BY a.article_id DESC";
    std::vector<FoundArticle> found;
    std::vector<CitationParts> parts;
    QHash<qint64, int> place;
    for (const data::Row& r : db_.query(sql.constData(), params)) {
        CitationParts p;
        p.title = r.text(2);
        p.pages = r.text(3);
        p.journal = r.text(4).trimmed();
        p.volume = r.text(5);
        p.issue = r.text(6);
        if (const auto d = data::dateNumbers(r.text(7).trimmed())) {
            p.month = d->month;
            p.year = d->year;
        }
        place.insert(r.value(0).toLongLong(), int(found.size()));
        found.push_back({r.value(0).toLongLong(), r.text(1), {}});
        parts.push_back(std::move(p));
    }
    if (found.empty())
        return found;
    QByteArray ids = "?";
    QVariantList idParams{found.front().id};
    for (std::size_t i = 1; i < found.size(); ++i) {
        ids += ",?";
        idParams << found[i].id;
    }
    for (const data::Row& r :
         db_.query(("SELECT u.article_id, w.author_name FROM article_author u JOIN author w"
                    " ON w.author_id = u.author_id WHERE u.article_id IN (" +
                    ids + ") ORDER BY u.article_id, u.position")
                       .constData(),
                   idParams))
        parts[place.value(r.value(0).toLongLong())].authors << r.text(1);
    for (std::size_t i = 0; i < found.size(); ++i)
        found[i].citation = citation(parts[i]);
    return found;
}

}  // namespace articles
