#include <gtest/gtest.h>

#include "articles/AuthorRecords.h"
#include "articles/RuleError.h"
#include "tests/articles/ArticleFixture.h"

namespace {

using articles::ArticleRecords;
using articles::AuthorRecords;
using articles::RuleError;

struct Indexed : articles_testing::Shelf {
    Indexed() {
        journal("J1", "วารสารห้องสมุด");
        issue("100", "J1", "01/03/2023", "12", "3");
    }
    QStringList authorsOf(qint64 id) {
        QStringList names;
        const auto article = ArticleRecords(temp.db()).load(id);
        for (const auto& n : article->authors)
            names << n.name;
        return names;
    }
    int count(const char* table) {
        return temp.db()
            .first((QByteArray("SELECT count(*) FROM ") + table).constData())
            ->value(0)
            .toInt();
    }
};

TEST(ArticleRecords, SaveKeepsOrderAndRefusesWithoutWritingAnything) {
    Indexed s;
    const qint64 late = s.article("100", "ท้าย", {{"สมชาย ใจดี"}}, {"ห้องสมุด"}, "40-45");
    const qint64 early =
        s.article("100", "ต้น", {{"Smith , John"}, {"สมศรี มีสุข"}}, {"การอ่าน", "ห้องสมุด"}, "3-9");
    ArticleRecords records(s.temp.db());
    std::vector<qint64> order;
    for (const auto& a : records.ofIssue("100"))
        order.push_back(a.id);
    EXPECT_EQ(order, (std::vector<qint64>{early, late}));
    EXPECT_EQ(s.authorsOf(early), QStringList({"Smith, John", "สมศรี มีสุข"}));
    EXPECT_EQ(s.count("heading"), 2);  // "ห้องสมุด" is one heading for both

    const int before = s.count("article") + s.count("author") + s.count("article_author");
    const struct {
        QString magno, title;
        std::vector<articles::AuthorName> authors;
        QStringList headings;
    } refused[] = {
        {"100", "ไม่มีหัวเรื่อง", {{"ใหม่ หนึ่ง"}}, {}},
        {"100", "ชื่อต่างประเทศไม่มีจุลภาค", {{"ใหม่ สอง"}, {"John Smith"}}, {"ก"}},
        {"999", "ฉบับที่ไม่ได้ลงทะเบียน", {{"ใหม่ สาม"}}, {"ก"}},
        {"100", "  ", {{"ใหม่ สี่"}}, {"ก"}},
    };
    for (const auto& r : refused) {
        articles::Article a;
        a.magno = r.magno;
        a.title = r.title;
        a.authors = r.authors;
        a.headings = r.headings;
        EXPECT_THROW(records.save(a, QDate(2026, 12, 10)), RuleError) << r.title.toStdString();
    }
    EXPECT_EQ(s.count("article") + s.count("author") + s.count("article_author"), before);
}

TEST(AuthorRecords, CorrectMergeAndDeleteKeepEveryArticle) {
    Indexed s;
    const qint64 a1 = s.article("100", "หนึ่ง", {{"สมชาย ใจดี"}, {"ก ข"}}, {"ก"});
    const qint64 a2 = s.article("100", "สอง", {{"สมชาย  ใจดี."}}, {"ก"});  // another form
    const qint64 a3 = s.article("100", "สาม", {{"สมชาย ใจดี."}, {"สมชาย ใจดี"}}, {"ก"});
    AuthorRecords authors(s.temp.db());
    auto idOf = [&](const QString& name) {
        for (const auto& a : authors.find(name))
            if (a.name == name)
                return a.id;
        return qint64(0);
    };
    const qint64 kept = idOf("สมชาย ใจดี"), gone = idOf("สมชาย ใจดี.");
    ASSERT_NE(kept, 0);
    ASSERT_NE(gone, 0);
    EXPECT_THROW(authors.remove(gone), RuleError);
    EXPECT_THROW(authors.rename(gone, "สมชาย ใจดี", false), RuleError);

    authors.merge(kept, gone);
    EXPECT_EQ(s.authorsOf(a1), QStringList({"สมชาย ใจดี", "ก ข"}));
    EXPECT_EQ(s.authorsOf(a2), QStringList({"สมชาย ใจดี"}));
    EXPECT_EQ(s.authorsOf(a3), QStringList({"สมชาย ใจดี"}));  // named twice: once now
    EXPECT_THROW(authors.merge(kept, gone), RuleError);      // already merged

    authors.rename(kept, "สมชาย  ใจดีมาก", false);
    for (qint64 id : {a1, a2, a3})
        EXPECT_EQ(s.authorsOf(id).front(), "สมชาย ใจดีมาก");

    const qint64 unused = authors.findOrAdd("Brown, Anne", false);
    authors.remove(unused);
    EXPECT_TRUE(authors.find("Brown").empty());
    // A search character of SQL's own matches itself.
    authors.findOrAdd("100% Co_op", true);
    EXPECT_EQ(authors.find("0%").size(), 1u);
    EXPECT_TRUE(authors.find("1_0").empty());
}

}  // namespace
