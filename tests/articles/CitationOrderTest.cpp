#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "articles/ArticleSearch.h"
#include "articles/ArticleSearchSource.h"
#include "articles/AuthorRecords.h"
#include "data/ThaiSortKey.h"
#include "tests/articles/ArticleFixture.h"

namespace {

using Ids = std::vector<qint64>;

// Citations whose order turns on the lead name: leading vowels, Latin after
// Thai and without case, no author (the title leads), one author with two
// titles, one author and one title twice, a body.
const struct {
    const char* title;
    const char* author;  // empty: none
} kTricky[] = {
    {"ไก่บ้าน", "ไพร ใจงาม"}, {"ข้าวหอม", "กมล ใจดี"},  {"เกลือ", ""},           {"กาแฟ", "เกษม สุขใจ"},
    {"ปลาทู", "กมล ใจดี"},    {"ปลาทู", "กมล ใจดี"},    {"Soil", "adams, Bea"}, {"Rain", "Adams, Ann"},
    {"zinc", ""},           {"Alpha", ""},          {"โคนม", ""},           {"น้ำปลา", "ร้าน_หนังสือ"},
    {"ผักบุ้ง", "Zed, Zoe"},   {"แตงโม", "ไพร ใจงาม"}, {"ก", "เกษม สุขใจ"},
};

struct Shelf : articles_testing::Shelf {
    Shelf() {
        journal("J1", "วารสารทดลอง");
        for (int n = 1; n <= 12; ++n)
            issue(QString::number(n), "J1", "01/01/2024", "1", QString::number(n));
        int i = 0;
        for (const auto& t : kTricky) {
            std::vector<articles::AuthorName> by;
            if (*t.author)
                by.push_back({QString::fromUtf8(t.author), QByteArray(t.author).contains('_')});
            article(QString::number(++i % 12 + 1), QString::fromUtf8(t.title), by, {"ทดลอง"}, {},
                    QStringLiteral("การทดลอง"));
        }
        // Enough more that a search of every article reads along the index.
        for (int n = 0; n < 110; ++n)
            article(QString::number(n % 12 + 1), QStringLiteral("เรื่อง %1").arg(n * 7 % 110),
                    {{QStringLiteral("นาม %1").arg(n % 9)}, {QStringLiteral("รอง %1").arg(n)}},
                    {"ทดลอง"}, {}, QStringLiteral("การทดลอง"));
    }
    // Every article in the order the list had before the lead names were
    // kept: the first author's name, else the title, worked out afresh.
    Ids before(int column, bool descending) {
        const QByteArray dir = descending ? " DESC" : "";
        const QByteArray lead =
            "coalesce((SELECT w.author_name FROM article_author u JOIN author w ON w.author_id ="
            " u.author_id WHERE u.article_id = a.article_id ORDER BY u.position LIMIT 1), a.title)";
        const QByteArray order = column == articles::found::citation
                                     ? data::thaiSortKey(lead.constData()) + dir + ", " +
                                           data::thaiSortKey("a.title") + dir
                                     : "length(a.magno)" + dir + ", a.magno" + dir;
        Ids ids;
        for (const data::Row& r : temp.db().query(
                 ("SELECT a.article_id FROM article a ORDER BY " + order + ", a.article_id" + dir)
                     .constData()))
            ids.push_back(r.value(0).toLongLong());
        return ids;
    }
};

Ids idsOf(const std::vector<QStringList>& rows) {
    Ids ids;
    for (const QStringList& r : rows)
        ids.push_back(r.at(articles::found::articleId).toLongLong());
    return ids;
}

// The rows of a search in each order, read as the list reads them: page
// after page, a page read again, and a page far in read first by a fresh
// source; each compared with the order before, among the articles found.
void expectOrders(Shelf& s, const char* what) {
    const struct {
        const char* how;
        QString words, author;
    } searches[] = {
        {"every article, read along the index", QStringLiteral("ทดลอง"), {}},
        {"a few, sorted whole", {}, QStringLiteral("ใจ")},
    };
    for (const auto& search : searches)
        for (const int column : {int(articles::found::citation), int(articles::found::magno)})
            for (const bool descending : {false, true}) {
                const auto source = s.search(search.words, search.author);
                source->setOrder({column, descending});
                const Ids found = idsOf(source->rows(0, 1000));
                Ids expected;
                for (const qint64 id : s.before(column, descending))
                    if (std::find(found.begin(), found.end(), id) != found.end())
                        expected.push_back(id);
                const std::string where = std::string(what) + ", " + search.how + ", column " +
                                          std::to_string(column) + (descending ? " falling" : "");
                ASSERT_EQ(found, expected) << where;
                const auto paged = s.search(search.words, search.author);
                paged->setOrder({column, descending});
                Ids pages;
                for (int offset = 0;; offset += 9) {
                    const Ids page = idsOf(paged->rows(offset, 9));
                    pages.insert(pages.end(), page.begin(), page.end());
                    if (page.size() < 9)
                        break;
                }
                EXPECT_EQ(pages, expected) << where;
                const auto slice = [&](std::size_t from, std::size_t n) {
                    from = std::min(from, expected.size());
                    return Ids(expected.begin() + long(from),
                               expected.begin() + long(std::min(from + n, expected.size())));
                };
                EXPECT_EQ(idsOf(paged->rows(13, 9)), slice(13, 9)) << where << ", again";
                const auto jumped = s.search(search.words, search.author);
                jumped->setOrder({column, descending});
                EXPECT_EQ(idsOf(jumped->rows(40, 9)), slice(40, 9)) << where << ", far in";
            }
}

TEST(CitationOrder, EveryPageListsTheArticlesInTheOrderTheyHadBeforeAsTheirAuthorsChange) {
    Shelf s;
    articles::AuthorRecords authors(s.temp.db());
    const auto idOf = [&](const char* name) {
        return s.temp.db()
            .first("SELECT author_id FROM author WHERE author_name = ?", {QString::fromUtf8(name)})
            ->value(0)
            .toLongLong();
    };
    const struct {
        const char* what;
        std::function<void()> change;
    } changes[] = {
        {"as saved", [] {}},
        {"a first author renamed", [&] { authors.rename(idOf("กมล ใจดี"), "ฮก ใจดี", false); }},
        {"a first author merged into another",
         [&] { authors.merge(idOf("อนุ ใจ"), idOf("ไพร ใจงาม")); }},
        {"an article's authors taken away",
         [&] {
             articles::ArticleRecords records(s.temp.db());
             const qint64 id = s.temp.db()
                                   .first("SELECT article_id FROM article WHERE title = 'กาแฟ'")
                                   ->value(0)
                                   .toLongLong();
             auto a = records.load(id);
             a->authors.clear();
             records.save(*a, QDate(2026, 12, 11));
         }},
    };
    authors.findOrAdd("อนุ ใจ", false);
    for (const auto& c : changes) {
        c.change();
        expectOrders(s, c.what);
    }
}

}  // namespace
