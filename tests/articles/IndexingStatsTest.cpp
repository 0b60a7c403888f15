#include <gtest/gtest.h>

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>

#include "articles/IndexCards.h"
#include "articles/IndexingStats.h"
#include "articles/IndexingStatsView.h"
#include "tests/articles/ArticleFixture.h"
#include "tests/support/PdfText.h"
#include "ui/Fakes.h"

namespace {

struct Work : articles_testing::Shelf {
    ui::FakeMessageBox messages;
    ui::FixedClock clock{QDate(2026, 12, 10)};
    ui::RecordingOpener opener;
    QString newdealer;
    ui::Services services{temp.path(), messages, clock, opener, newdealer};

    Work() {
        temp.db().exec("INSERT INTO department VALUES ('77', 'คณะเกษตรศาสตร์')");
        journal("J1", "วารสารห้องสมุด");
        journal("K1", "ข่าวเกษตร");
        issue("1", "J1", "01/01/2026", "1", "1");  // faculty 01
        temp.db().exec(
            "INSERT INTO tranfile (magno, department_code, pointer, receivedate, daily)"
            " VALUES ('2', '77', 'K1', '01/02/2026', '01/02/2026')");
        // January: two journal articles, one with its cards printed in March;
        // February: a newspaper article; the year before: not counted.
        const qint64 printed = article("1", "หนึ่ง", {{"ก ข"}}, {"ก", "ข"}, {}, {}, {2026, 1, 5});
        article("1", "สอง", {}, {"ก"}, {}, {}, {2026, 1, 30});
        article("2", "สาม", {{"ค ง"}}, {"ค"}, {}, {}, {2026, 2, 1});
        article("2", "สี่", {{"ค ง"}}, {"ค"}, {}, {}, {2025, 12, 31});
        articles::IndexCards cards(temp.db());
        cards.markPrinted(cards.ofArticle(*articles::ArticleRecords(temp.db()).load(printed)),
                          {2026, 3, 2});
    }
};

QString counts(const articles::IndexingCounts& c) {
    QStringList a, k;
    for (int m = 0; m < 12; ++m) {
        a << QString::number(c.articles[m]);
        k << QString::number(c.cards[m]);
    }
    return c.group + ":" + a.join(',') + "/" + k.join(',');
}

TEST(IndexingStats, ArticlesAndCardsByMonthMatchAHandCountByFacultyAndByKind) {
    Work w;
    const articles::IndexingStats stats(w.temp.db());
    const auto row = [&](articles::IndexingGroup g) {
        QStringList rows;
        for (const auto& c : stats.byMonth(2026, g))
            rows << counts(c);
        return rows;
    };
    // The main card, the title card (it has an author) and one per heading.
    const QString journalWork = ":2,0,0,0,0,0,0,0,0,0,0,0/0,0,4,0,0,0,0,0,0,0,0,0";
    const QString newspaperWork = ":0,1,0,0,0,0,0,0,0,0,0,0/0,0,0,0,0,0,0,0,0,0,0,0";
    const auto faculty = row(articles::IndexingGroup::Faculty);
    ASSERT_EQ(faculty.size(), 2u);
    EXPECT_TRUE(faculty[0].endsWith(journalWork)) << faculty[0].toStdString();
    EXPECT_EQ(faculty[1], QStringLiteral("คณะเกษตรศาสตร์") + newspaperWork);
    EXPECT_EQ(row(articles::IndexingGroup::Kind),
              QStringList({QStringLiteral("วารสาร") + journalWork,
                           QStringLiteral("หนังสือพิมพ์") + newspaperWork}));
    EXPECT_TRUE(stats.byMonth(2024, articles::IndexingGroup::Kind).empty());
}

TEST(IndexingStats, TheWindowShowsTheTableAndChartAndSavesThemAsOnePdfPage) {
    Work work;
    articles::IndexingStatsView view(work.services);
    ASSERT_TRUE(view.load());
    articles::IndexingStatsWindow& w = view.logic();
    w.kindOption.click();
    w.showButton.click();
    ASSERT_EQ(w.statsTable.rows(), 7);  // headings, two rows for each kind, two totals
    EXPECT_EQ(w.statsTable.textMatrix(5, 0), QStringLiteral("รวมบทความ"));
    EXPECT_EQ(w.statsTable.textMatrix(5, 13), "3");
    EXPECT_EQ(w.statsTable.textMatrix(6, 3), "4");
    auto* series = qobject_cast<QBarSeries*>(view.report().chartView()->chart()->series().value(0));
    ASSERT_NE(series, nullptr);
    ASSERT_EQ(series->count(), 4);
    EXPECT_EQ(series->barSets()[1]->label(), QStringLiteral("วารสาร: บัตรดัชนี"));
    EXPECT_EQ(series->barSets()[1]->at(2), 4);

    view.show();
    const QString pdf = work.temp.folder() + "/indexing.pdf";
    ASSERT_TRUE(view.report().savePdf(pdf));
    const QString page = testing_support::pdfText(pdf);
    for (const QString& part : {QStringLiteral("วารสาร: บัตรดัชนี"), QStringLiteral("รวมบทความ"),
                                QStringLiteral("รวมบัตรดัชนี")})
        EXPECT_TRUE(page.contains(part)) << part.toStdString();

    // A year without work offers nothing to print.
    w.yearText.setText("2024");
    w.showButton.click();
    EXPECT_FALSE(w.pdfButton.enabled());
    w.printButton.click();
    EXPECT_TRUE(work.messages.shown().empty());
}

}  // namespace
