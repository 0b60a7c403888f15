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
    // The same conditions without the words' trigram lists, for a list the
    // words' index leads from the latest article down, or an order's index
    // reads row by row.
    QByteArray plain = where;
    QVariantList plainParams = params;
    QStringList matches;
    for (const QString& word : q.words.split(u' ', Qt::SkipEmptyParts)) {
        if (data::trigramSearchable(db_, word)) {
            where +=
                " AND a.article_id IN (SELECT rowid FROM article_words WHERE article_words"
                " MATCH ?)";
            params << data::trigramQuery(word);
            matches << u'(' + data::trigramQuery(word) + u')';
        }
        const QByteArray like =
            " AND (a.title LIKE ? ESCAPE '\\' OR a.other_title LIKE ? ESCAPE '\\'"
            " OR a.keywords LIKE ? ESCAPE '\\' OR a.abstract LIKE ? ESCAPE '\\')";
        const QString pattern = data::containsPattern(word);
        where += like;
        plain += like;
        params << pattern << pattern << pattern << pattern;
        plainParams << pattern << pattern << pattern << pattern;
    }
    const auto both = [&](const QByteArray& condition, const QVariant& value) {
        where += condition;
        plain += condition;
        params << value;
        plainParams << value;
    };
    if (q.heading != 0)
        both(" AND a.article_id IN (SELECT article_id FROM article_heading WHERE heading_id = ?)",
             q.heading);
    if (!q.journal.trimmed().isEmpty())
        both(" AND a.magno IN (SELECT trim(magno) FROM tranfile WHERE trim(pointer) = ?)",
             q.journal.trimmed());
    if (!q.journalName.trimmed().isEmpty())
        both(
            " AND a.magno IN (SELECT trim(t.magno) FROM tranfile t JOIN vorlen1 v ON"
            " trim(v.pointer) = trim(t.pointer) WHERE v.vorlen_name LIKE ? ESCAPE '\\')",
            data::containsPattern(q.journalName.simplified()));
    const QByteArray day = data::sortableDate("daily");
    if (q.fromYear > 0)
        both(" AND a.magno IN (SELECT trim(magno) FROM tranfile WHERE " + day + " >= ?)",
             QStringLiteral("%1-01-01").arg(q.fromYear, 4, 10, QLatin1Char('0')));
    if (q.toYear > 0)
        both(" AND a.magno IN (SELECT trim(magno) FROM tranfile WHERE " + day + " <= ?)",
             QStringLiteral("%1-12-31").arg(q.toYear, 4, 10, QLatin1Char('0')));
    auto found = std::make_shared<ArticleSearchSource>(
        db_, ArticleFilter{std::move(where), std::move(params)}, ArticleFilter{plain, plainParams});
    // Words alone (an author or a heading holds few articles, and their list
    // is the shorter way in): the latest first are read from the words' index
    // down, a page without reading every article the words find.
    if (!matches.isEmpty() && author.isEmpty() && q.heading == 0) {
        plainParams.prepend(matches.join(QStringLiteral(" AND ")));
        found->leadByWords({"f.article_words MATCH ? AND " + plain, std::move(plainParams)});
    }
    return found;
}

}  // namespace articles
