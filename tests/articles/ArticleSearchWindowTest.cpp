#include <gtest/gtest.h>

#include "articles/ArticleSearchSource.h"
#include "articles/ArticleSearchWindow.h"
#include "articles/HeadingWindow.h"
#include "tests/articles/ArticleFixture.h"
#include "ui/Fakes.h"

namespace {

struct Desk : articles_testing::Shelf {
    ui::FakeMessageBox messages;
    ui::FixedClock clock{QDate(2026, 12, 10)};
    ui::RecordingOpener opener;
    QString newdealer;
    ui::Services services{temp.path(), messages, clock, opener, newdealer};
    qint64 reading, farming, soil;

    Desk() {
        journal("J1", "วารสาร 100% ห้องสมุด");
        journal("J2", "Farm Journal");
        issue("1", "J1", "01/03/2019", "5", "1");
        issue("2", "J1", "01/06/2023", "9", "2");
        issue("3", "J2", "15/01/2024", "40", "1");
        reading = article("1", "การส่งเสริมการอ่าน", {{"สมชาย ใจดี"}}, {"การอ่าน"}, "1-10",
                          "นิสัยรักการอ่านของนักเรียน");
        farming = article("2", "เกษตรอินทรีย์", {{"สมชาย ใจดี"}}, {"เกษตรกรรม"}, "11-20", "ปุ๋ยหมัก");
        soil = article("3", "Soil Health", {{"Smith, John"}}, {"เกษตรกรรม"}, "5", "Compost");
    }
    std::vector<qint64> ids(const articles::ArticleSearchWindow& w) {
        std::vector<qint64> found;
        w.resultList.forEachDataRow([&](const QStringList& row) {
            found.push_back(row.at(articles::found::articleId).toLongLong());
        });
        std::sort(found.begin(), found.end());
        return found;
    }
};

TEST(ArticleSearchWindow, FindsByEachFieldCombinedAndOpensTheArticleOrItsIssue) {
    Desk d;
    articles::ArticleSearchWindow w(d.services);
    ASSERT_TRUE(w.Form_Load());
    const auto pickHeading = [&](const QString& text) {
        for (int r = 0; r < int(w.headingPick.rows().size()); ++r)
            if (w.headingPick.rows()[r].description == text)
                w.headingPick.userChoose(r);
    };
    using V = std::vector<qint64>;
    const struct {
        const char* what;
        QString words, author, heading, journal, from, to;
        V expected;
    } cases[] = {
        {"a word of an abstract", "นิสัย", "", "", "", "", "", {d.reading}},
        {"an author", "", "สมชาย", "", "", "", "", {d.reading, d.farming}},
        {"a heading", "", "", "เกษตรกรรม", "", "", "", {d.farming, d.soil}},
        {"a heading and an author", "", "สมชาย", "เกษตรกรรม", "", "", "", {d.farming}},
        {"part of a journal's name", "", "", "", "farm", "", "", {d.soil}},
        {"a per cent sign in a journal's name is itself",
         "",
         "",
         "",
         "0% ห",
         "",
         "",
         {d.reading, d.farming}},
        {"a wildcard typed finds no other", "", "", "", "0%ส", "", "", {}},
        {"years from", "", "", "", "", "2023", "", {d.farming, d.soil}},
        {"years up to, with an author", "", "สมชาย", "", "", "", "2020", {d.reading}},
    };
    for (const auto& c : cases) {
        d.messages.clear();
        w.wordsText.setText(c.words);
        w.authorText.setText(c.author);
        w.headingPick.userChoose(0);
        pickHeading(c.heading);
        w.journalText.setText(c.journal);
        w.fromYearText.setText(c.from);
        w.toYearText.setText(c.to);
        int enter = ui::key::kEnter;
        w.toYearText.onKeyPress(enter);  // Enter in a field finds
        EXPECT_EQ(d.ids(w), c.expected) << c.what;
        EXPECT_TRUE(d.messages.shown().empty()) << c.what;
    }

    // Nothing asked, or years the wrong way round: told, and the list stays.
    w.authorText.setText("");
    for (const auto& [from, to] : {std::pair{"", ""}, {"2024", "2020"}, {"20x4", ""}}) {
        d.messages.clear();
        w.fromYearText.setText(from);
        w.toYearText.setText(to);
        w.findButton.click();
        ASSERT_EQ(d.messages.shown().size(), 1u) << from;
        EXPECT_EQ(d.messages.last().style, ui::msg::kStop) << from;
        EXPECT_EQ(w.resultList.total(), 1) << from;
    }

    w.fromYearText.setText("");
    w.toYearText.setText("");
    w.authorText.setText("Smith");
    w.findButton.click();
    ASSERT_EQ(w.resultList.rows(), 2);
    EXPECT_EQ(w.resultList.textMatrix(1, 0),
              "Smith, John. Soil Health. Farm Journal ปีที่ 40 ฉบับที่ 1 (มกราคม 2024): 5.");
    std::vector<std::pair<QString, qint64>> opened;
    w.onOpenArticle = [&](const QString& magno, qint64 id) { opened.emplace_back(magno, id); };
    w.resultList.keyToRow(1);
    w.resultList.keyEnter();  // Enter on a result opens it, as a double-click does
    w.resultList.doubleClick(1, 0);
    EXPECT_EQ(opened, (std::vector<std::pair<QString, qint64>>{{"3", d.soil}, {"3", d.soil}}));
    w.openIssueButton.click();
    EXPECT_EQ(d.opener.opened.back(), "reg_journal");
    EXPECT_EQ(d.opener.titles.back(), "J2");
}

TEST(HeadingWindow, KeepsHeadingsWithTheirSeeAlsoAndRefusesToDeleteOneInUse) {
    Desk d;
    articles::HeadingWindow w(d.services);
    ASSERT_TRUE(w.Form_Load());
    const auto rowOf = [&](const QString& shown) {
        for (int r = 1; r < w.headingList.rows(); ++r)
            if (w.headingList.textMatrix(r, 1) == shown || w.headingList.textMatrix(r, 0) == shown)
                return r;
        return 0;
    };
    w.headingText.setText("Organic farming");
    w.thaiText.setText("เกษตรอินทรีย์");
    w.seeAlsoPick.setBoundText(QString::number(d.headingOf("เกษตรกรรม")));
    w.addSeeAlsoButton.click();
    w.saveButton.click();
    EXPECT_EQ(d.messages.last().style, ui::msg::kInformation);
    ASSERT_EQ(w.headingList.total(), 3);  // Thai order of the shown form
    EXPECT_EQ(w.headingList.textMatrix(3, 2), "เกษตรกรรม");
    EXPECT_EQ(w.headingList.textMatrix(3, 1), "เกษตรอินทรีย์");

    // The same text again is refused; the table stays.
    w.newButton.click();
    w.headingText.setText("organic FARMING");
    w.saveButton.click();
    EXPECT_EQ(d.messages.last().text, "มีหัวเรื่อง \"organic FARMING\" อยู่แล้ว");
    EXPECT_EQ(w.headingList.total(), 3);

    w.headingList.click(rowOf("เกษตรกรรม"), 0);
    w.deleteButton.click();
    EXPECT_EQ(d.messages.last().text, "ลบไม่ได้ หัวเรื่องนี้ยังใช้อยู่ในบทความ 2 รายการ");
    EXPECT_EQ(w.headingList.total(), 3);

    // One no article uses goes, and the references to it with it.
    w.headingList.click(rowOf("เกษตรอินทรีย์"), 0);
    w.saveButton.click();
    w.headingList.click(rowOf("เกษตรอินทรีย์"), 0);
    w.deleteButton.click();
    EXPECT_EQ(w.headingList.total(), 2);
    EXPECT_EQ(d.temp.db().first("SELECT count(*) FROM heading_see_also")->value(0).toInt(), 0);
}

}  // namespace
