#include "articles/ArticleSearch.h"

#include "articles/ArticleSearchSource.h"
#include "data/LikePattern.h"
#include "data/NameIndex.h"
#include "data/SortableDate.h"

namespace articles {

std::shared_ptr<ArticleSearchSource> ArticleSearch::find(const ArticleQuery& q) const {
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
    const QByteArray day = data::sortableDate("daily");
    if (q.fromYear > 0) {
        where += " AND a.magno IN (SELECT trim(magno) FROM tranfile WHERE " + day + " >= ?)";
        params << QStringLiteral("%1-01-01").arg(q.fromYear, 4, 10, QLatin1Char('0'));
    }
    if (q.toYear > 0) {
        where += " AND a.magno IN (SELECT trim(magno) FROM tranfile WHERE " + day + " <= ?)";
        params << QStringLiteral("%1-12-31").arg(q.toYear, 4, 10, QLatin1Char('0'));
    }
    return std::make_shared<ArticleSearchSource>(db_, std::move(where), std::move(params));
}

}  // namespace articles
