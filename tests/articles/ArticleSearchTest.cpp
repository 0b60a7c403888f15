#include <gtest/gtest.h>

#include "articles/ArticleSearch.h"
#include "articles/ArticleSearchSource.h"
#include "articles/HeadingRecords.h"
#include "tests/articles/ArticleFixture.h"

namespace {

using articles::ArticleQuery;

ArticleQuery query(const QString& words, const QString& author = {}, qint64 heading = 0,
                   const QString& journal = {}, int from = 0, int to = 0) {
    ArticleQuery q;
    q.words = words;
    q.author = author;
    q.heading = heading;
    q.journal = journal;
    q.fromYear = from;
    q.toYear = to;
    return q;
}

struct Library : articles_testing::Shelf {
    qint64 reading, farming, percent, english;
    Library() {
        journal("J1", "วารสารห้องสมุด");
        journal("J2", "Farm Journal");
        issue("1", "J1", "01/03/2019", "5", "1");
        issue("2", "J1", "01/06/2023", "9", "2");
        issue("3", "J2", "15/01/2024", "40", "1");
        reading = article("1", "การส่งเสริมการอ่านในโรงเรียน", {{"สมชาย ใจดี"}}, {"การอ่าน"}, "1-10",
                          "ศึกษานิสัยรักการอ่านของนักเรียนประถม");
        farming = article("2", "เกษตรอินทรีย์", {{"สมศรี มีสุข"}, {"สมชาย ใจดี"}}, {"เกษตรกรรม"}, "11-20",
                          "ปุ๋ยหมักและดิน");
        percent = article("2", "ลดราคา 50% ทุกเล่ม", {{"ร้าน_หนังสือ", true}}, {"การอ่าน"});
        english = article("3", "Soil Health", {{"Smith, John"}}, {"เกษตรกรรม"}, "5",
                          "Compost and crop rotation");
    }
    std::vector<qint64> found(const ArticleQuery& q) {
        std::vector<qint64> ids;
        ui::forEachRow(*articles::ArticleSearch(temp.db()).find(q), [&](const QStringList& row) {
            ids.push_back(row.at(articles::found::articleId).toLongLong());
        });
        std::sort(ids.begin(), ids.end());
        return ids;
    }
};

TEST(ArticleSearch, EachPartAndTheirCombinationFindTheSameOnBothStores) {
    Library l;
    using V = std::vector<qint64>;
    const qint64 reading = l.headingOf("การอ่าน");
    const struct {
        const char* what;
        ArticleQuery q;
        V expected;
    } cases[] = {
        {"a Thai word inside a title", query("ส่งเสริม"), {l.reading}},
        {"a word of an abstract", query("นิสัยรัก"), {l.reading}},
        {"two words, both needed", query("ปุ๋ย ดิน"), {l.farming}},
        {"English, any case", query("COMPOST"), {l.english}},
        {"a short word", query("ดิน"), {l.farming}},
        {"an author", query(QString(), "สมชาย"), {l.reading, l.farming}},
        {"a heading", query(QString(), QString(), reading), {l.reading, l.percent}},
        {"a journal", query(QString(), QString(), 0, "J2"), {l.english}},
        {"a year range",
         query(QString(), QString(), 0, QString(), 2020, 2023),
         {l.farming, l.percent}},
        {"author and years", query(QString(), "สมชาย", 0, QString(), 0, 2020), {l.reading}},
        {"heading and journal", query(QString(), QString(), reading, "J1"), {l.reading, l.percent}},
        {"a per cent sign is itself", query("0%"), {l.percent}},
        {"an underscore is itself", query(QString(), "น_ห"), {l.percent}},
        {"a wildcard typed finds no other", query("ลด%เล่ม"), {}},
        {"a quote is plain text", query("\"'"), {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(l.found(c.q), c.expected) << c.what;

    const auto hit = articles::ArticleSearch(l.temp.db()).find(query("Soil"))->rows(0, 10);
    ASSERT_EQ(hit.size(), 1u);
    EXPECT_EQ(hit[0][articles::found::magno], "3");
    EXPECT_EQ(hit[0][articles::found::citation],
              "Smith, John. Soil Health. Farm Journal ปีที่ 40 ฉบับที่ 1 (มกราคม 2024): 5.");
}

}  // namespace
