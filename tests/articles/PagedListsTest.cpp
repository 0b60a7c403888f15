#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "articles/ArticleSearch.h"
#include "articles/ArticleSearchSource.h"
#include "articles/ArticleSearchWindow.h"
#include "articles/AuthorSource.h"
#include "articles/HeadingSource.h"
#include "articles/HeadingWindow.h"
#include "settings/CodeTableSource.h"
#include "settings/CodeTableWindow.h"
#include "tests/articles/ArticleFixture.h"
#include "ui/Fakes.h"
#include "ui/ThaiOrder.h"

namespace {

using Rows = std::vector<QStringList>;
using Before = std::function<bool(const QString&, const QString&)>;
using settings::CodeKind;

// Names whose Thai order is not their code order (leading vowels, Latin after
// Thai, case aside); no digits, tone marks or vowels written first past the
// first letter, whose places a dictionary and the lists' order may set apart.
const char* const kNames[] = {"ไพร ใจงาม",  "กมล ใจดี", "เกษม สุขใจ",  "ขจร ชาญ",  "Adams, Ann",
                              "brown, Bob", "แสง ทอง", "โสภณ ใจกล้า", "คณิต ดี",    "Zed, Zoe",
                              "ใจ ภักดี",     "ชนม ใจ",  "ธนา มานะ",   "Clark, Cy"};
const char* const kWords[] = {"ลม", "กลอน", "ปลา", "ทะเล", "นก", "ดาว", "มด"};

struct Shelf : articles_testing::Shelf {
    Shelf() {
        journal("J1", "วารสารศึกษา");
        for (int n = 1; n <= 12; ++n)
            issue(QString::number(n), "J1", QStringLiteral("01/%1/2024").arg(n, 2, 10, QChar(u'0')),
                  "1", QString::number(n));
        // One author an article, so that a citation begins with its own key;
        // some authors write several.
        for (int i = 0; i < 40; ++i)
            article(QString::number(i % 12 + 1),
                    QStringLiteral("%1%2").arg(QString::fromUtf8(kWords[i % 7]),
                                               QString::fromUtf8(kWords[i / 7 % 7])),
                    {{QString::fromUtf8(kNames[i % 14]), i % 14 == 9}},
                    {QString::fromUtf8(kWords[i % 5]), QString::fromUtf8(kNames[i % 4])}, "1-9",
                    QStringLiteral("การศึกษาค้นคว้า"));
        articles::HeadingRecords(temp.db()).save({0, "Agriculture", QStringLiteral("เกษตร"), {}});
        temp.db().exec("DELETE FROM bindcolor");
        for (int i = 0; i < 30; ++i)
            temp.db().exec("INSERT INTO bindcolor VALUES (?, ?)",
                           {QString::number(90 - i * 7 % 60),
                            QString::fromUtf8(kNames[i % 14]) + QString::fromUtf8(kWords[i % 7])});
    }
};

Rows readAll(const ui::RowSource& source) {
    Rows rows;
    ui::forEachRow(source, [&](const QStringList& r) { rows.push_back(r); });
    return rows;
}

struct Listed {
    const char* what;
    std::function<std::shared_ptr<ui::RowSource>(Shelf&)> make;
    int rows;                                     // how many the list has
    std::vector<std::pair<int, Before>> columns;  // each sortable one with its order
};

std::vector<Listed> lists() {
    const Before thai = ui::ThaiOrder();
    const Before number = [](const QString& a, const QString& b) { return a.toInt() < b.toInt(); };
    const Before text = [](const QString& a, const QString& b) { return a < b; };
    // A heading without a Thai form after those with one.
    const Before thaiFirst = [thai](const QString& a, const QString& b) {
        return !a.isEmpty() && (b.isEmpty() || thai(a, b));
    };
    const Before kind = [](const QString& a, const QString& b) {
        return a == articles::AuthorSource::kPerson && b == articles::AuthorSource::kCorporate;
    };
    return {
        {"articles of a word",
         [](Shelf& s) { return s.search(QStringLiteral("การศึกษา"), {}); },
         40,
         {{articles::found::citation, thai}, {articles::found::magno, number}}},
        {"articles of an author",
         [](Shelf& s) { return s.search({}, QStringLiteral("ใจ")); },
         6 * 3,
         {{articles::found::citation, thai}, {articles::found::magno, number}}},
        {"headings",
         [](Shelf& s) { return std::make_shared<articles::HeadingSource>(s.temp.db()); },
         5 + 4 + 1,
         {{articles::headingColumn::heading, thai}, {articles::headingColumn::thai, thaiFirst}}},
        {"every author",
         [](Shelf& s) { return std::make_shared<articles::AuthorSource>(s.temp.db(), QString()); },
         14,
         {{articles::authorColumn::name, thai},
          {articles::authorColumn::kind, kind},
          {articles::authorColumn::articles, number}}},
        {"a code table",
         [](Shelf& s) {
             return std::make_shared<settings::CodeTableSource>(s.temp.db(), CodeKind::bindcolor);
         },
         30,
         {{settings::codeColumn::code, text}, {settings::codeColumn::description, thai}}},
        {"the frequencies with their intervals",
         [](Shelf& s) {
             return std::make_shared<settings::CodeTableSource>(s.temp.db(), CodeKind::magtype);
         },
         -1,
         {{settings::codeColumn::days, number}, {settings::codeColumn::grace, number}}},
    };
}

TEST(PagedLists, EveryOrderReadsPageAfterPageTheRowsOfItsExactCount) {
    Shelf s;
    for (const Listed& l : lists()) {
        const std::shared_ptr<ui::RowSource> source = l.make(s);
        std::vector<ui::ListOrder> orders{{}};
        for (const auto& c : l.columns)
            orders.insert(orders.end(), {{c.first, false}, {c.first, true}});
        for (const ui::ListOrder& order : orders) {
            source->setOrder(order);
            const Rows whole = source->rows(0, 1000);
            if (l.rows >= 0) {
                EXPECT_EQ(int(whole.size()), l.rows) << l.what;
            }
            EXPECT_EQ(source->count(), int(whole.size())) << l.what;
            Rows paged;
            for (int offset = 0;; offset += 7) {
                const Rows page = source->rows(offset, 7);
                paged.insert(paged.end(), page.begin(), page.end());
                if (page.size() < 7)
                    break;
            }
            EXPECT_EQ(paged, whole) << l.what << " by " << order.column;
        }
    }
}

TEST(PagedLists, EachSortableColumnListsTheRowsOfAFullReadInItsOrder) {
    Shelf s;
    const auto sorted = [](Rows rows) {
        std::sort(rows.begin(), rows.end());
        return rows;
    };
    for (const Listed& l : lists()) {
        const std::shared_ptr<ui::RowSource> source = l.make(s);
        const Rows whole = sorted(readAll(*source));
        for (const auto& [column, before] : l.columns)
            for (const bool descending : {false, true}) {
                source->setOrder({column, descending});
                const Rows rows = readAll(*source);
                EXPECT_EQ(sorted(rows), whole) << l.what << " by " << column;
                for (std::size_t r = 1; r < rows.size(); ++r) {
                    const QString &a = rows[r - 1][column], &b = rows[r][column];
                    EXPECT_FALSE(descending ? before(a, b) : before(b, a))
                        << l.what << " by " << column << (descending ? " falling" : "") << ", row "
                        << r << ": " << a.toStdString() << " then " << b.toStdString();
                }
            }
    }
}

// A result longer than a page is painted before it is counted: until then
// the label says how many rows are shown, at least.
TEST(PagedLists, TheArticlesFoundAreCountedAfterTheirFirstPageIsShown) {
    Shelf s;
    for (int i = 0; i < 80; ++i)
        s.article("1", QStringLiteral("ดาวเคราะห์"), {{QStringLiteral("นภา ใจดี")}}, {"ดาว"}, {},
                  QStringLiteral("การศึกษาดาว"));
    ui::FakeMessageBox messages;
    ui::FixedClock clock{QDate(2026, 12, 10)};
    ui::RecordingOpener opener;
    QString newdealer;
    ui::Services services{s.temp.path(), messages, clock, opener, newdealer};
    articles::ArticleSearchWindow w(services);
    ASSERT_TRUE(w.Form_Load());
    std::function<void()> afterPaint;
    w.resultList.countLater = [&](std::function<void()> step) { afterPaint = std::move(step); };
    const struct {
        const char* words;
        QString before, after;
    } cases[] = {
        {"การศึกษา", QStringLiteral("พบ 100 รายการขึ้นไป"), QStringLiteral("พบ 120 รายการ")},
        {"ดาวเคราะห์", QStringLiteral("พบ 80 รายการ"), QStringLiteral("พบ 80 รายการ")},
        {"ไม่มีคำนี้", QStringLiteral("ไม่พบบทความที่ค้นหา"), QStringLiteral("ไม่พบบทความที่ค้นหา")},
    };
    for (const auto& c : cases) {
        afterPaint = nullptr;
        w.wordsText.setText(QString::fromUtf8(c.words));
        w.findButton.click();
        EXPECT_EQ(w.countLabel.caption(), c.before) << c.words;
        if (afterPaint)
            afterPaint();
        EXPECT_EQ(w.countLabel.caption(), c.after) << c.words;
    }
}

// A list longer than a page, sorted, with only its first page read: the
// window's own change puts its row in place among the pages, and the rows
// read on to the end are those a fresh read lists.
TEST(PagedLists, AWindowsChangeBetweenPagesTakesItsPlaceInTheRowsReadOn) {
    Shelf s;
    for (int i = 0; i < 150; ++i) {
        s.temp.db().exec("INSERT INTO heading VALUES (?, ?, '')",
                         {1000 + i, QStringLiteral("หัวเรื่อง %1").arg(i * 37 % 150)});
        s.temp.db().exec("INSERT INTO bindcolor VALUES (?, ?)",
                         {QString::number(200 + i), QStringLiteral("สี %1").arg(i * 53 % 150)});
    }
    ui::FakeMessageBox messages;
    ui::FixedClock clock{QDate(2026, 12, 10)};
    ui::RecordingOpener opener;
    QString newdealer;
    ui::Services services{s.temp.path(), messages, clock, opener, newdealer};
    articles::HeadingWindow headings(services);
    settings::CodeTableWindow codes(services, QStringLiteral("สีปก"), {CodeKind::bindcolor});
    ASSERT_TRUE(headings.Form_Load());
    ASSERT_TRUE(codes.Form_Load());
    const auto chooseHeading = [&](const QString& text) {
        for (int r = 1; r < headings.headingList.rows(); ++r)
            if (headings.headingList.textMatrix(r, 0) == text)
                headings.headingList.click(r, 0);
    };
    const auto saveHeading = [&](const QString& text) {
        headings.headingText.setText(text);
        headings.saveButton.click();
    };
    const auto saveCode = [&](void (settings::CodeTableWindow::*button)(), const QString& code,
                              const QString& description) {
        codes.codeText.setText(code);
        codes.descriptionText.setText(description);
        messages.queue(ui::msg::kOk);
        (codes.*button)();
    };
    const struct {
        const char* what;
        bool heading;  // else a code
        std::function<void()> change;
        QString current;  // the first cell of the row current after it; empty: any
    } cases[] = {
        {"a heading added past the rows read", true,
         [&] {
             headings.newButton.click();
             saveHeading(QStringLiteral("ฮูก"));
         },
         QStringLiteral("ฮูก")},
        {"a heading of the first page corrected to a place past it", true,
         [&] {
             chooseHeading(QStringLiteral("หัวเรื่อง 0"));
             saveHeading(QStringLiteral("ฮา"));
         },
         QStringLiteral("ฮา")},
        {"a heading deleted from the first page",
         true,
         [&] {
             chooseHeading(QStringLiteral("หัวเรื่อง 10"));
             messages.queue(ui::msg::kOk);
             headings.deleteButton.click();
         },
         {}},
        {"a code added", false,
         [&] { saveCode(&settings::CodeTableWindow::addButton_Click, "999", QStringLiteral("ก")); },
         "999"},
        {"a description changed to a place past the rows read", false,
         [&] {
             saveCode(&settings::CodeTableWindow::saveButton_Click, "200", QStringLiteral("ฮ"));
         },
         "200"},
        {"a code deleted",
         false,
         [&] { saveCode(&settings::CodeTableWindow::deleteButton_Click, "201", {}); },
         {}},
    };
    for (const auto& c : cases) {
        ui::Grid& grid = c.heading ? headings.headingList : codes.codeList;
        const int sortBy =
            c.heading ? articles::headingColumn::heading : int(settings::codeColumn::description);
        // Listed again from its first page.
        do
            grid.clickHeading(sortBy);
        while (grid.order() != ui::ListOrder{sortBy, false});
        ASSERT_TRUE(grid.canFetchMore()) << c.what << ": only the first page is read";
        messages.clear();
        c.change();
        ASSERT_FALSE(messages.shown().empty()) << c.what;
        EXPECT_NE(messages.last().style, ui::msg::kStop)
            << c.what << ": " << messages.last().text.toStdString();
        if (!c.current.isEmpty()) {
            EXPECT_EQ(grid.textMatrix(grid.row(), 0), c.current) << c.what;
        }
        std::shared_ptr<ui::RowSource> fresh;
        if (c.heading)
            fresh = std::make_shared<articles::HeadingSource>(s.temp.db());
        else
            fresh = std::make_shared<settings::CodeTableSource>(s.temp.db(), CodeKind::bindcolor);
        fresh->setOrder(grid.order());
        Rows paged;
        while (grid.canFetchMore())
            grid.fetchMore();
        for (int r = 1; r < grid.rows(); ++r) {
            QStringList cells;
            for (int col = 0; col < grid.cols(); ++col)
                cells << grid.textMatrix(r, col);
            paged.push_back(cells);
        }
        Rows expected;
        for (QStringList r : readAll(*fresh)) {
            r.resize(grid.cols());
            expected.push_back(r);
        }
        EXPECT_EQ(paged, expected) << c.what;
        EXPECT_EQ(grid.total(), int(expected.size())) << c.what;
    }
}

}  // namespace
