#include <gtest/gtest.h>

#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

#include "tests/support/TempDatabase.h"
#include "titlelist/TitleListWindowView.h"
#include "ui/Fakes.h"
#include "ui/PagedRows.h"

namespace {

// A list of 100,000 subscriptions in the real window: the first rows show
// with one page read, scrolling reads page by page, and a click on a heading
// lists the first page again in that column's order.
TEST(TitleListView, ShowsTheFirstRowsOfAHundredThousandWithoutReadingTheRest) {
    testing_support::TempDatabase temp;
    const int titles = 100000;
    {
        data::Database& db = temp.db();
        data::Transaction tx(db);
        db.exec(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?)"
            " INSERT INTO vorlen1 (pointer, vorlen_name) SELECT 'J' || (1000000 + i),"
            " 'วารสาร ' || (1000000 - i) FROM n",
            {titles});
        db.exec("INSERT INTO vorlen (pointer, department_code) SELECT pointer, '01' FROM vorlen1");
        tx.commit();
    }
    ui::FakeMessageBox box;
    ui::FixedClock clock{QDate(2026, 12, 1)};
    ui::RecordingOpener opener;
    QString newdealer;
    ui::Services services{temp.path(), box, clock, opener, newdealer, nullptr};
    titlelist::TitleListWindowView view(services, {});
    ASSERT_TRUE(view.load());
    EXPECT_EQ(view.logic().countLabel.caption(), QString()) << "counted once the rows are painted";
    view.show();
    QApplication::processEvents();
    auto* table = view.findChild<QTableView*>(QStringLiteral("titleGrid"));
    ASSERT_NE(table, nullptr);
    const int page = ui::PagedRows::kPageRows;

    for (int wait = 0; wait < 100 && view.logic().countLabel.caption().isEmpty(); ++wait)
        QTest::qWait(10);
    EXPECT_EQ(view.logic().countLabel.caption(), QStringLiteral("%1 รายการ").arg(titles));
    EXPECT_EQ(table->model()->rowCount(), page) << "rows read: one page";
    EXPECT_EQ(table->model()->index(0, titlelist::col::name).data().toString(),
              QStringLiteral("วารสาร 900000"));

    for (int pages = 2; pages <= 3; ++pages) {
        table->verticalScrollBar()->setValue(table->verticalScrollBar()->maximum());
        QApplication::processEvents();
        EXPECT_EQ(table->model()->rowCount(), pages * page) << "one more page as it scrolls";
    }

    QHeaderView* header = table->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(titlelist::col::pointer) + 5, 5));
    QApplication::processEvents();
    EXPECT_EQ(table->model()->rowCount(), page);
    EXPECT_EQ(table->model()->index(0, titlelist::col::pointer).data().toString(), "J1000001");
    EXPECT_EQ(header->sortIndicatorSection(), titlelist::col::pointer);
}

}  // namespace
