#include <algorithm>

#include <gtest/gtest.h>

#include "ui/Controls.h"
#include "ui/Fakes.h"
#include "ui/Form.h"
#include "ui/Grid.h"
#include "ui/PagedRows.h"
#include "ui/PickList.h"
#include "ui/ThaiOrder.h"

using namespace ui;

TEST(PickListChoice, ShownTextChoosesTheFirstRowWithThatDescription) {
    PickList list("dcblanguage");
    list.setRows({{"01", "ภาษาไทย"}, {"02", "ภาษาอังกฤษ"}, {"03", "ภาษาไทย"}});
    int changes = 0;
    list.onChange = [&] { ++changes; };
    list.setText("ภาษาอังกฤษ");
    EXPECT_EQ(list.boundText(), "02");
    list.setText("ภาษาไทย");
    EXPECT_EQ(list.boundText(), "01");
    list.setText("ภาษา");
    EXPECT_EQ(list.boundText(), "");
    EXPECT_EQ(list.text(), "ภาษา");
    EXPECT_EQ(list.chosenRow(), -1);
    EXPECT_EQ(changes, 3);
}

TEST(PickListChoice, CodeChoosesItsRowAndAnUnknownCodeChoosesNone) {
    PickList list("dcbcurren");
    list.setRows({{"01", "บาท"}, {"02", "ดอลลาร์สหรัฐ"}});
    list.setBoundText("02");
    EXPECT_EQ(list.text(), "ดอลลาร์สหรัฐ");
    list.setBoundText("99");
    EXPECT_EQ(list.text(), "");
    EXPECT_EQ(list.boundText(), "");
    list.setText("บาท");
    list.setRows({});
    EXPECT_EQ(list.boundText(), "");
}

TEST(PickListChoice, UserPickRunsTheClickHandlerOnlyWhenEnabled) {
    PickList list("dlbtypemag");
    list.setRows({{"01", "วิชาการ"}, {"02", "บันเทิง"}});
    int clicks = 0;
    list.onClick = [&] { ++clicks; };
    list.userChoose(1);
    EXPECT_EQ(list.boundText(), "02");
    list.setEnabled(false);
    list.userChoose(0);
    EXPECT_EQ(list.boundText(), "02");
    EXPECT_EQ(clicks, 1);
}

TEST(GridCells, ResizingKeepsCellsAndClickMakesTheRowCurrent) {
    Grid grid("show_journal", 14, 4);
    EXPECT_EQ(grid.rows(), 14);
    grid.setTextMatrix(3, 1, "คณะครุศาสตร์");
    grid.setRows(4);
    EXPECT_EQ(grid.textMatrix(3, 1), "คณะครุศาสตร์");
    grid.setRows(20);
    EXPECT_EQ(grid.textMatrix(19, 3), "");
    EXPECT_THROW(grid.setTextMatrix(1, 4, "x"), std::out_of_range);

    int clicks = 0;
    grid.onClick = [&] { ++clicks; };
    grid.click(5, 2);
    EXPECT_EQ(grid.row(), 5);
    EXPECT_EQ(grid.col(), 2);
    grid.setEnabled(false);
    grid.click(6, 0);
    EXPECT_EQ(grid.row(), 5);
    EXPECT_EQ(clicks, 1);
}

TEST(Buttons, DisabledButtonsAndOptionsIgnoreClicks) {
    CommandButton save("Cmdsave", "บันทึก");
    int saves = 0;
    save.onClick = [&] { ++saves; };
    save.click();
    save.setEnabled(false);
    save.click();
    EXPECT_EQ(saves, 1);

    OptionButton journal("opt1", "วารสาร"), paper("opt2", "หนังสือพิมพ์");
    OptionButton::group({&journal, &paper});
    EXPECT_FALSE(journal.value() || paper.value());
    journal.click();
    paper.click();
    EXPECT_FALSE(journal.value());
    EXPECT_TRUE(paper.value());
    journal.setEnabled(false);
    journal.click();
    EXPECT_TRUE(paper.value());
}

TEST(FormGuard, ADatabaseFailureBecomesAThaiMessage) {
    struct Window : Form {
        using Form::Form;
        bool run() {
            return guarded([] { throw data::DbError(5, "database is locked"); });
        }
    };
    FakeMessageBox box;
    Window w("w", box);
    EXPECT_FALSE(w.run());
    ASSERT_EQ(box.shown().size(), 1u);
    EXPECT_EQ(box.last().style, msg::kStop);
    EXPECT_TRUE(box.last().text.contains("database is locked"));
    EXPECT_TRUE(box.last().text.startsWith(QStringLiteral("ฐานข้อมูล")));
}

// Numbered rows that count the pages read, so that a test sees what a grid
// reads and what it reads again.
struct CountedRows : RowSource {
    int total = 0;
    mutable int pagesRead = 0;
    mutable int counts = 0;
    int count() const override {
        ++counts;
        return total;
    }
    std::vector<QStringList> rows(int offset, int limit) const override {
        ++pagesRead;
        std::vector<QStringList> out;
        for (int i = offset; i < std::min(total, offset + limit); ++i)
            out.push_back({QString::number(order().descending ? total - i : i + 1)});
        return out;
    }
    bool sortable(int column) const override { return column == 0; }
};

// A list is counted after its first page: at once and without a count when the
// page held it all, otherwise when the view says the rows are painted (or
// straight after the page with no view); a count asked for a list since
// replaced is dropped.
TEST(PagedGrid, CountsAfterTheFirstPageOnce) {
    struct Case {
        int total;
        bool view;
        bool countedWithPage;
        int counts;
    };
    const int page = PagedRows::kPageRows;
    const Case cases[] = {{page - 1, true, true, 0},
                          {0, true, true, 0},
                          {page * 3, false, true, 1},
                          {page * 3, true, false, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.total << (c.view ? " with a view" : ""));
        auto source = std::make_shared<CountedRows>();
        source->total = c.total;
        Grid g("g", 1, 1);
        std::vector<std::function<void()>> later;
        if (c.view)
            g.countLater = [&later](std::function<void()> step) { later.push_back(step); };
        std::vector<std::pair<int, int>> told;  // the count, and the pages read by then
        g.onCount = [&](int n) { told.emplace_back(n, source->pagesRead); };
        g.setSource(source);
        EXPECT_EQ(told.size(), c.countedWithPage ? 1u : 0u);
        for (const auto& step : later)
            step();
        ASSERT_EQ(told.size(), 1u);
        EXPECT_EQ(told[0], std::make_pair(c.total, 1)) << "counted after the first page";
        EXPECT_EQ(g.total(), c.total);
        EXPECT_EQ(source->counts, c.counts) << "no second count";
    }

    auto first = std::make_shared<CountedRows>();
    first->total = page * 3;
    Grid g("g", 1, 1);
    std::vector<std::function<void()>> later;
    g.countLater = [&later](std::function<void()> step) { later.push_back(step); };
    std::vector<int> told;
    g.onCount = [&told](int n) { told.push_back(n); };
    g.setSource(first);
    auto second = std::make_shared<CountedRows>(*first);
    second->total = page * 2;
    g.setSource(second);
    for (const auto& step : later)
        step();
    EXPECT_EQ(told, std::vector<int>{page * 2});
    EXPECT_EQ(first->counts, 0);
}

// A grid on a source reads a page when shown and one per fetch, keeps the last
// pages only (an older one is read again when looked at), writes the window's
// changes over the rows, and sorts from the first page again.
TEST(PagedGrid, ReadsPagesAsAskedAndKeepsOnlyTheLatest) {
    auto source = std::make_shared<CountedRows>();
    source->total = PagedRows::kPageRows * (PagedRows::kKeptPages + 5);
    Grid g("g", 1, 1);
    g.setSource(source);
    EXPECT_EQ(source->pagesRead, 1);
    EXPECT_EQ(g.total(), source->total);
    while (g.canFetchMore())
        g.fetchMore();
    EXPECT_EQ(g.rows(), source->total + 1);
    const int read = source->pagesRead;
    EXPECT_EQ(g.textMatrix(source->total, 0), QString::number(source->total));
    EXPECT_EQ(source->pagesRead, read) << "the last page is kept";
    EXPECT_EQ(g.textMatrix(1, 0), "1");
    EXPECT_EQ(source->pagesRead, read + 1) << "the first page was dropped and is read again";

    g.setTextMatrix(2, 0, "changed");
    int streamed = 0;
    QString second;
    g.forEachDataRow([&](const QStringList& r) {
        if (++streamed == 2)
            second = r[0];
    });
    EXPECT_EQ(streamed, source->total);
    EXPECT_EQ(second, "changed");

    g.clickHeading(0);
    g.clickHeading(0);
    EXPECT_EQ(g.rows(), PagedRows::kPageRows + 1);
    EXPECT_EQ(g.textMatrix(1, 0), QString::number(source->total)) << "turned about";
    EXPECT_EQ(g.textMatrix(2, 0), QString::number(source->total - 1)) << "changes went";
}

// A list the test changes behind the grid, as a save changes the register.
struct StoredRows : RowSource {
    QStringList stored;
    mutable int pagesRead = 0;
    int count() const override { return int(stored.size()); }
    std::vector<QStringList> rows(int offset, int limit) const override {
        ++pagesRead;
        std::vector<QStringList> out;
        for (int i = offset; i < std::min(int(stored.size()), offset + limit); ++i)
            out.push_back({stored[i]});
        return out;
    }
    bool sortable(int) const override { return false; }
};

// A row the window moved itself shows where a fresh read puts it: the pages
// held are put right without a read, and only a page that needs a row none
// holds is read again.
TEST(PagedGrid, AMovedRowTakesItsPlaceInThePagesHeld) {
    struct Case {
        const char* what;
        int pagesFetched;
        int from, to;  // grid rows after the change; -1: none
        int rereads;
    };
    const int page = PagedRows::kPageRows;
    const Case cases[] = {
        {"down across pages, all read", 3, 5, 2 * page + 10, 0},
        {"up across pages, all read", 3, 2 * page + 10, 1, 0},
        {"joins, all read", 3, -1, page, 0},
        {"leaves the last row, all read", 3, 250, -1, 0},
        {"joins on the first page of many", 1, -1, 10, 0},
        {"joins past the rows read", 1, -1, page + 20, 0},
        {"leaves the first page of many", 1, 10, -1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto source = std::make_shared<StoredRows>();
        for (int i = 0; i < 250; ++i)
            source->stored << QString::number(i);
        Grid g("g", 1, 1);
        g.setSource(source);
        for (int p = 1; p < c.pagesFetched; ++p)
            g.fetchMore();
        const int rowsBefore = g.rows();
        const QString moved = c.from > 0 ? source->stored.takeAt(c.from - 1) : "new";
        if (c.to > 0)
            source->stored.insert(c.to - 1, moved);
        const int read = source->pagesRead;
        g.moveRow(c.from, c.to, {moved});
        EXPECT_EQ(source->pagesRead, read) << "nothing read by the move";
        if (c.pagesFetched == 1) {
            EXPECT_EQ(g.rows(), rowsBefore) << "the rows handed to the view stay";
        }
        for (int r = 1; r < g.rows(); ++r)
            ASSERT_EQ(g.textMatrix(r, 0), source->stored[r - 1]) << r;
        EXPECT_EQ(source->pagesRead, read + c.rereads);
        while (g.canFetchMore())
            g.fetchMore();
        ASSERT_EQ(g.rows() - 1, source->stored.size());
        for (int r = 1; r < g.rows(); ++r)
            ASSERT_EQ(g.textMatrix(r, 0), source->stored[r - 1]) << r;
        EXPECT_EQ(g.total(), source->stored.size());
    }
}

TEST(ThaiOrder, APickListSortsAsItsNamesCompare) {
    // Leading vowels, case, numbers by value, spaces around, and two rows of
    // one name, which keep their order.
    const std::vector<ui::PickRow> rows{{"1", "ไทยวัฒนา"}, {"2", " กรุงเทพ"}, {"3", "เกษตร"},
                                        {"4", "beta"},    {"5", "Alpha"},   {"6", "ข่าวสด"},
                                        {"7", "item 10"}, {"8", "item 9"},  {"9", "กรุงเทพ"},
                                        {"10", "โลก"},    {"11", "ALPHA"},  {"12", ""}};
    const auto sorted = ui::thaiSorted(rows);
    ASSERT_EQ(sorted.size(), rows.size());
    const ui::ThaiOrder order;
    for (std::size_t i = 1; i < sorted.size(); ++i)
        EXPECT_FALSE(order(sorted[i].description, sorted[i - 1].description))
            << sorted[i - 1].description.toStdString() << " before "
            << sorted[i].description.toStdString();
    const auto place = [&](const char* code) {
        return std::find_if(sorted.begin(), sorted.end(),
                            [&](const ui::PickRow& r) { return r.code == code; }) -
               sorted.begin();
    };
    EXPECT_LT(place("2"), place("9"));
    EXPECT_LT(place("5"), place("11"));
    EXPECT_LT(place("8"), place("7"));
    EXPECT_LT(place("3"), place("6"));
}
