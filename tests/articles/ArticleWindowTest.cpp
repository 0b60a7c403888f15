#include <gtest/gtest.h>

#include "articles/ArticleSearch.h"
#include "articles/ArticleSearchSource.h"
#include "articles/ArticleWindow.h"
#include "articles/AuthorWindow.h"
#include "issues/IssueRegister.h"
#include "tests/articles/ArticleFixture.h"
#include "ui/Fakes.h"

namespace {

using articles::ArticleWindow;

struct Desk : articles_testing::Shelf {
    ui::FakeMessageBox messages;
    ui::FixedClock clock{QDate(2026, 12, 10)};
    ui::RecordingOpener opener;
    QString newdealer;
    ui::Services services{temp.path(), messages, clock, opener, newdealer};
    QString magno;

    Desk() {
        journal("J1", "วารสารห้องสมุด");
        temp.db().exec("INSERT INTO vorlen (pointer, department_code) VALUES ('J1', '01')");
        // Registered as the registration window does it.
        magno = issues::IssueRegister(temp.db()).addIssue(
            {{}, "01", "J1", "10/12/2026", "01/11/2026", "7", "2", {}});
    }
    void type(ArticleWindow& w, const QString& title, const QString& pages,
              const QStringList& authors, const QString& heading, const QString& abstract) {
        w.newButton.click();
        w.articleTitleText.setText(title);
        w.pagesText.setText(pages);
        for (const QString& a : authors) {
            w.authorText.setText(a);
            w.addAuthorButton.click();
        }
        w.headingPick.setText(heading);
        w.addHeadingButton.click();
        w.abstractText.setText(abstract);
        w.saveButton.click();
    }
};

TEST(ArticleWindow, IndexesTwoArticlesOfAnIssueAndFindsThemByAuthorAndAbstract) {
    Desk d;
    ArticleWindow w(d.services);
    ASSERT_TRUE(w.Form_Load());
    w.showIssue(d.magno);
    ASSERT_EQ(w.chosenIssue(), d.magno);
    d.type(w, "บริการสารสนเทศยุคดิจิทัล", "30-41", {"วิมล รักดี", "Smith, John"}, "ห้องสมุด",
           "การให้บริการผ่านเครือข่ายของห้องสมุดมหาวิทยาลัย");
    EXPECT_EQ(d.messages.last().style, ui::msg::kInformation);
    d.type(w, "การจัดเก็บวารสาร", "5-12", {"ประไพ ศรีสุข"}, "วารสาร", "การเย็บเล่มและชั้นวาง");
    EXPECT_EQ(w.articleList.rows(), 3);  // headings and two articles, in page order
    EXPECT_EQ(w.articleList.textMatrix(1, 1), "การจัดเก็บวารสาร");
    EXPECT_EQ(w.articleList.textMatrix(2, 2), "วิมล รักดี; Smith, John");

    // A foreign name typed forename first is refused on the way in.
    d.messages.clear();
    w.authorText.setText("John Brown");
    w.addAuthorButton.click();
    ASSERT_EQ(d.messages.shown().size(), 1u);
    EXPECT_EQ(d.messages.last().style, ui::msg::kStop);

    // An article without a heading is not saved, and the window stays.
    d.messages.clear();
    w.newButton.click();
    w.articleTitleText.setText("ไม่มีหัวเรื่อง");
    w.saveButton.click();
    EXPECT_EQ(d.messages.last().text, "กรุณาใส่หัวเรื่องอย่างน้อยหนึ่งหัวเรื่อง");
    EXPECT_EQ(w.articleList.rows(), 3);

    articles::ArticleSearch search(d.temp.db());
    articles::ArticleQuery q;
    q.author = "ประไพ";
    const auto byAuthor = search.find(q)->rows(0, 10);
    ASSERT_EQ(byAuthor.size(), 1u);
    EXPECT_EQ(byAuthor[0][articles::found::citation],
              "ประไพ ศรีสุข. การจัดเก็บวารสาร. วารสารห้องสมุด ปีที่ 7 ฉบับที่ 2 (พฤศจิกายน 2026): 5-12.");
    q = {};
    q.words = "เครือข่าย";
    const auto byAbstract = search.find(q)->rows(0, 10);
    ASSERT_EQ(byAbstract.size(), 1u);
    EXPECT_EQ(byAbstract[0][articles::found::magno], d.magno);

    // Picking the first article shows it for correction; delete asks first.
    w.articleList.click(1, 1);
    EXPECT_EQ(w.pagesText.text(), "5-12");
    EXPECT_EQ(w.abstractText.text(), "การเย็บเล่มและชั้นวาง");
    d.messages.queue(ui::msg::kCancel);
    w.deleteButton.click();
    EXPECT_EQ(w.articleList.rows(), 3);
    w.deleteButton.click();
    EXPECT_EQ(w.articleList.rows(), 2);
}

TEST(ArticleWindow, DeletingAnIssueTakesItsArticlesWithIt) {
    Desk d;
    d.issue("77", "J1", "01/01/2026", "7", "1");
    d.article(d.magno, "หนึ่ง", {{"ก ข"}}, {"ก"});
    const qint64 kept = d.article("77", "สอง", {{"ก ข"}}, {"ก"});
    articles::ArticleRecords records(d.temp.db());
    EXPECT_EQ(records.countOfIssue(d.magno), 1);
    ASSERT_TRUE(issues::IssueRegister(d.temp.db()).deleteIssue(d.magno));
    EXPECT_EQ(records.countOfIssue(d.magno), 0);
    EXPECT_EQ(d.temp.db().first("SELECT count(*) FROM article_author")->value(0).toInt(), 1);
    EXPECT_TRUE(records.load(kept).has_value());
}

// The author list's row (counted from 1) that shows this name.
int rowOf(const articles::AuthorWindow& w, const QString& name) {
    for (int r = 1; r < w.authorList.rows(); ++r)
        if (w.authorList.textMatrix(r, 0) == name)
            return r;
    return 0;
}

TEST(AuthorWindow, MergesTheSecondFormIntoTheKeptOne) {
    Desk d;
    const qint64 first = d.article(d.magno, "หนึ่ง", {{"Smith, John"}}, {"ก"});
    const qint64 second = d.article(d.magno, "สอง", {{"Smith, J."}}, {"ก"});
    articles::AuthorWindow w(d.services);
    ASSERT_TRUE(w.Form_Load());
    w.authorList.click(rowOf(w, "Smith, John"), 0);
    w.keepButton.click();
    w.authorList.click(rowOf(w, "Smith, J."), 0);
    ASSERT_TRUE(w.mergeButton.enabled());
    w.mergeButton.click();
    ASSERT_EQ(w.authorList.total(), 1);
    EXPECT_EQ(w.authorList.textMatrix(1, 2), "2");
    articles::ArticleRecords records(d.temp.db());
    for (qint64 id : {first, second})
        EXPECT_EQ(records.load(id)->authors.at(0).name, "Smith, John");
    // A name in use cannot go.
    w.deleteButton.click();
    EXPECT_EQ(d.messages.last().style, ui::msg::kStop);
    EXPECT_EQ(w.authorList.total(), 1);
}

// The merge question quotes both names as stored, place markers and all.
TEST(AuthorWindow, TheMergeQuestionQuotesNamesWithPercentMarkers) {
    const struct {
        const char* merged;
        const char* kept;
    } cases[] = {
        {"Smith, %1", "Smith, John"}, {"Smith, J.", "Smith, %3"}, {"Jones, %2", "Jones, Ann"}};
    for (const auto& c : cases) {
        Desk d;
        d.article(d.magno, "หนึ่ง", {{c.kept}}, {"ก"});
        d.article(d.magno, "สอง", {{c.merged}}, {"ก"});
        articles::AuthorWindow w(d.services);
        ASSERT_TRUE(w.Form_Load());
        w.authorList.click(rowOf(w, c.kept), 0);
        w.keepButton.click();
        w.authorList.click(rowOf(w, c.merged), 0);
        d.messages.queue(ui::msg::kCancel);
        w.mergeButton.click();
        EXPECT_EQ(d.messages.last().text,
                  QStringLiteral("รวมชื่อ \"%1\" (บทความ 1 รายการ) เข้ากับ \"%2\" ใช่หรือไม่")
                      .arg(QString::fromUtf8(c.merged), QString::fromUtf8(c.kept)));
        EXPECT_EQ(w.authorList.total(), 2) << "declined: both names stay";
    }
}

}  // namespace
