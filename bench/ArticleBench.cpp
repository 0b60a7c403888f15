#include "bench/ArticleBench.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTableView>
#include <QTest>

#include "articles/ArticleSearchSource.h"
#include "articles/ArticleSearchWindowView.h"
#include "data/Database.h"
#include "ui/Services.h"

namespace {

// "word|author" pairs: the topic every generated title is written around
// (kept as its keywords too) and the first word of an author's name, or the
// surname before the comma of a foreign one.
QStringList searchPairs(data::Database& db, int count) {
    QRandomGenerator random(10122026);
    const qint64 last = db.first("SELECT max(article_id) FROM article")->value(0).toLongLong();
    QStringList pairs;
    for (int tries = 0; pairs.size() < count && tries < count * 20; ++tries) {
        const auto row = db.first(
            "SELECT a.keywords, w.author_name FROM article a JOIN article_author u"
            " ON u.article_id = a.article_id JOIN author w ON w.author_id = u.author_id"
            " WHERE a.article_id = ? ORDER BY u.position LIMIT 1",
            {random.bounded(qint64(1), last + 1)});
        if (!row)
            continue;
        const QString name = row->text(1);
        const QString part =
            name.contains(u',') ? name.section(u',', 0, 0) : name.section(u' ', -1, -1);
        pairs << row->text(0) + u'|' + part;
    }
    return pairs;
}

ArticleTiming timeSearch(ui::Services& services, SideBySideTimer& timer, int repeats, bool broad) {
    ArticleTiming timing;
    QStringList pairs;
    {
        data::Database db(services.databasePath);
        timing.articles = db.first("SELECT count(*) FROM article")->value(0).toLongLong();
        if (timing.articles == 0)
            return timing;
        pairs = broad ? QStringList{QStringLiteral("ศึกษา|")} : searchPairs(db, repeats);
    }
    if (pairs.isEmpty())
        return timing;
    articles::ArticleSearchWindowView view(services);
    view.load();
    view.show();
    articles::ArticleSearchWindow& search = view.logic();
    auto* author = view.findChild<QLineEdit*>(QStringLiteral("authorText"));
    const auto pair = [&](int i) { return pairs[i % pairs.size()]; };
    timing.timing =
        timer.timePainted(repeats, Repeat{[&](int i) {
                                              search.wordsText.setText(pair(i).section(u'|', 0, 0));
                                              search.authorText.setText(pair(i).section(u'|', 1));
                                          },
                                          [&](int) { QTest::keyClick(author, Qt::Key_Return); },
                                          {}});
    return timing;
}

}  // namespace

ArticleTiming timeArticleSearch(ui::Services& services, SideBySideTimer& timer, int repeats) {
    return timeSearch(services, timer, repeats, false);
}

ArticleTiming timeBroadArticleSearch(ui::Services& services, SideBySideTimer& timer, int repeats) {
    return timeSearch(services, timer, repeats, true);
}

ArticleTiming timeCitationSort(ui::Services& services, SideBySideTimer& timer, int repeats) {
    ArticleTiming timing;
    {
        data::Database db(services.databasePath);
        if (!db.first("SELECT 1 FROM article LIMIT 1"))
            return timing;
    }
    articles::ArticleSearchWindowView view(services);
    view.load();
    view.show();
    articles::ArticleSearchWindow& search = view.logic();
    auto* header = view.findChild<QTableView*>()->horizontalHeader();
    const QPoint citation(header->sectionViewportPosition(articles::found::citation) + 20,
                          header->height() / 2);
    timing.timing = timer.timePainted(
        repeats,
        Repeat{[&](int) {
                   // The list as found, counted, as a reader sees
                   // it before the click.
                   search.wordsText.setText(QStringLiteral("ศึกษา"));
                   search.findButton_Click();
                   timing.articles = search.resultList.total();
               },
               [&](int) { QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, citation); },
               {}});
    return timing;
}
