#include <gtest/gtest.h>

#include "articles/Bulletin.h"
#include "tests/articles/ArticleFixture.h"
#include "ui/PageSurface.h"

namespace {

TEST(Bulletin, GroupsByHeadingInThaiOrderAndExportsEachArticleOnce) {
    articles_testing::Shelf s;
    s.journal("J1", "วารสารห้องสมุด");
    s.issue("1", "J1", "01/05/2026", "3", "2");
    s.article("1", "ห้องสมุดเคลื่อนที่", {{"สมชาย ใจดี"}}, {"ห้องสมุด", "การอ่าน"}, "1-9",
              "รถห้องสมุดไปตามหมู่บ้าน");
    s.article("1", "=SUM(A1) ชื่อแปลก", {{"Smith, John"}}, {"เกษตรกรรม"}, "10-12");
    s.article("1", "นอกช่วง", {{"ก ข"}}, {"ก"}, "", "", QDate(2026, 1, 1));
    const articles::Bulletin b(s.temp.db(), QDate(2026, 12, 1), QDate(2026, 12, 31));

    QStringList headings;
    for (const auto& g : b.groups())
        headings << g.heading;
    EXPECT_EQ(headings, QStringList({"การอ่าน", "เกษตรกรรม", "ห้องสมุด"}));
    EXPECT_EQ(b.groups()[0].entries.at(0).citation,
              "สมชาย ใจดี. ห้องสมุดเคลื่อนที่. วารสารห้องสมุด ปีที่ 3 ฉบับที่ 2 (พฤษภาคม 2026): 1-9.");

    const QString ris = b.ris();
    EXPECT_EQ(ris.count("TY  - JOUR"), 2);  // under two headings, listed once
    EXPECT_TRUE(
        ris.contains("AU  - สมชาย ใจดี\nTI  - ห้องสมุดเคลื่อนที่\nJO  - วารสารห้องสมุด\n"
                     "VL  - 3\nIS  - 2\nPY  - 2026\nSP  - 1\nEP  - 9\nKW  - ห้องสมุด\n"
                     "KW  - การอ่าน\nAB  - รถห้องสมุดไปตามหมู่บ้าน\nER  - "));
    const QString csv = QString::fromUtf8(b.csv());
    EXPECT_EQ(csv.count("\r\n"), 4);  // the headings and one row per heading of an article
    EXPECT_TRUE(csv.contains("\"'=SUM(A1) ชื่อแปลก\""));  // a formula stays text

    ui::RecordingSurface page;
    b.print(page, true);
    QStringList printed;
    for (const auto& p : page.printed)
        printed << p.text;
    EXPECT_TRUE(printed.contains("รถห้องสมุดไปตามหมู่บ้าน"));
    EXPECT_FALSE(printed.join("").contains("นอกช่วง"));
}

}  // namespace
