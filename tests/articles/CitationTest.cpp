#include <gtest/gtest.h>

#include "articles/Citation.h"
#include "articles/HeadingRecords.h"
#include "articles/ThaiOrder.h"
#include "tests/articles/ArticleFixture.h"

namespace {

using articles::CitationParts;

TEST(Citation, HasOneFormForEveryMixOfParts) {
    const CitationParts full{{}, "การอ่านของเด็กไทย", "วารสารห้องสมุด", "12", "3", 3, 2023, "15-27"};
    auto with = [&](auto change) {
        CitationParts p = full;
        change(p);
        return articles::citation(p);
    };
    const struct {
        QString expected, got;
    } cases[] = {
        {"สมชาย ใจดี. การอ่านของเด็กไทย. วารสารห้องสมุด ปีที่ 12 ฉบับที่ 3 (มีนาคม 2023): 15-27.",
         with([](CitationParts& p) { p.authors = {"สมชาย ใจดี"}; })},
        {"สมชาย ใจดี และ สมศรี มีสุข. การอ่านของเด็กไทย. วารสารห้องสมุด ปีที่ 12 ฉบับที่ 3 "
         "(มีนาคม 2023): 15-27.",
         with([](CitationParts& p) {
             p.authors = {"สมชาย ใจดี", "สมศรี มีสุข"};
         })},
        {"ก ข, ค ง และ จ ฉ. การอ่านของเด็กไทย. วารสารห้องสมุด ปีที่ 12 ฉบับที่ 3 (มีนาคม 2023): "
         "15-27.",
         with([](CitationParts& p) {
             p.authors = {"ก ข", "ค ง", "จ ฉ"};
         })},
        {"ก ข และคนอื่น ๆ. การอ่านของเด็กไทย. วารสารห้องสมุด ปีที่ 12 ฉบับที่ 3 (มีนาคม 2023): "
         "15-27.",
         with([](CitationParts& p) {
             p.authors = {"ก ข", "ค ง", "จ ฉ", "ช ซ"};
         })},
        {"Smith, John and Brown, Anne. การอ่านของเด็กไทย. วารสารห้องสมุด ปีที่ 12 ฉบับที่ 3 "
         "(มีนาคม 2023): 15-27.",
         with([](CitationParts& p) {
             p.authors = {"Smith, John", "Brown, Anne."};
         })},
        {"Smith, John et al. การอ่านของเด็กไทย. วารสารห้องสมุด ปีที่ 12 ฉบับที่ 3 (มีนาคม 2023): "
         "15-27.",
         with([](CitationParts& p) {
             p.authors = {"Smith, John", "B, A", "C, D", "E, F"};
         })},
        {"สำนักหอสมุดกลาง. การอ่านของเด็กไทย. วารสารห้องสมุด ปีที่ 12 ฉบับที่ 3 (มีนาคม 2023): "
         "15-27.",
         with([](CitationParts& p) { p.authors = {"สำนักหอสมุดกลาง"}; })},
        {"การอ่านของเด็กไทย. วารสารห้องสมุด ปีที่ 12 ฉบับที่ 3 (มีนาคม 2023): 15-27.",
         with([](CitationParts&) {})},
        {"การอ่านของเด็กไทย. วารสารห้องสมุด ปีที่ 12 ฉบับที่ 3 (มีนาคม 2023).",
         with([](CitationParts& p) { p.pages.clear(); })},
        {"การอ่านของเด็กไทย. วารสารห้องสมุด ปีที่ 12 ฉบับที่ 3 (2023): 15-27.",
         with([](CitationParts& p) { p.month = 0; })},
        {"การอ่านของเด็กไทย. วารสารห้องสมุด ฉบับที่ 3: 15-27.", with([](CitationParts& p) {
             p.month = p.year = 0;
             p.volume.clear();
         })},
        {"การอ่านของเด็กไทย. วารสารห้องสมุด ปีที่ 12 ฉบับที่ 3 (มีนาคม 2023): 15-27.",
         with([](CitationParts& p) { p.title = " การอ่านของเด็กไทย. "; })},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.got, c.expected);
}

TEST(Citation, HeadingsAndNamesFollowThaiDictionaryOrder) {
    articles_testing::Shelf shelf;
    articles::HeadingRecords headings(shelf.temp.db());
    // Leading vowels are passed over: เกษตร sorts under ก, before ขนส่ง.
    for (const char* h : {"ห้องสมุด", "ขนส่ง", "เกษตรกรรม", "กฎหมาย", "Zoology", "การศึกษา"})
        headings.save({0, QString::fromUtf8(h), {}, {}});
    QStringList shown;
    for (const articles::Heading& h : headings.all())
        shown << h.shown();
    EXPECT_EQ(shown, QStringList({"กฎหมาย", "การศึกษา", "เกษตรกรรม", "ขนส่ง", "ห้องสมุด", "Zoology"}));
}

}  // namespace
