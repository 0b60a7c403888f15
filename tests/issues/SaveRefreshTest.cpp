#include <functional>

#include "tests/issues/RegJournalFixture.h"

using namespace issues_test;

namespace {

// A title with a long register: dated issues, several on one day (which the
// register's order keeps apart) and a few undated ones.
class SaveRefreshTest : public RegJournalFixture {
  protected:
    static constexpr int kIssues = 240;

    // The register written afresh and the title picked in a new window.
    void openTitle() {
        for (const char* table : {"tranfile", "vorlen", "vorlen1"})
            temp.clear(table);
        addTitle(db(), "J000001", QStringLiteral("วารสารสถิติ"));
        addTitle(db(), "J000002", QStringLiteral("วารสารอื่น"));
        data::Transaction tx(db());
        for (int i = 0; i < kIssues; ++i) {
            const QString daily = i % 40 == 7 ? QString()
                                              : QStringLiteral("%1/%2/%3")
                                                    .arg(1 + i % 3)
                                                    .arg(1 + (i / 3) % 12)
                                                    .arg(1990 + i / 36);
            addIssue(db(), QString::number(1000 + i), "J000001", daily,
                     QStringLiteral("d%1").arg(i));
        }
        addIssue(db(), "5000", "J000002", "01/01/2000");
        tx.commit();
        setCounter(db(), "9000");
        w = std::make_unique<issues::reg_journal>(services);
        ASSERT_TRUE(w->Form_Load());
        search(QStringLiteral("สถิติ"));
        pickTitle(1);
        readToEnd(*w);
    }

    // The list is read a page at a time: every page is asked for, as a clerk
    // scrolling to the end would.
    static void readToEnd(issues::reg_journal& window) {
        while (window.show_item.canFetchMore())
            window.show_item.fetchMore();
    }

    // The issues list and the latest-issue line as the window shows them.
    static QStringList shown(issues::reg_journal& window) {
        readToEnd(window);
        QStringList cells{window.Label1.caption()};
        for (int r = 1; r < window.show_item.rows(); ++r)
            for (int c = 0; c < window.show_item.cols(); ++c)
                cells << window.show_item.textMatrix(r, c);
        return cells;
    }

    // The row that shows this number; -1 when none does.
    int rowOf(const QString& magno) const {
        for (int r = 1; r < w->show_item.rows(); ++r)
            if (w->show_item.textMatrix(r, 0) == magno)
                return r;
        return -1;
    }
};

TEST_F(SaveRefreshTest, ASaveRereadsOnlyItsRowAndLeavesTheListAsAFreshReadShowsIt) {
    struct Case {
        const char* what;
        std::function<void(issues::reg_journal&)> act;
        int rowsAfter;
    };
    const auto pickAndEdit = [this](issues::reg_journal& w, const QString& magno) {
        pickIssue(rowOf(magno));
        w.Command3_Click();
    };
    const Case cases[] = {
        {"new issue among others of its day",
         [](issues::reg_journal& w) {
             w.Command2_Click();
             w.Command9_Click();
             w.MonthView1.clickDate(QDate(1992, 5, 2));
             w.Text4.typeText("3");
             w.Command7_Click();
         },
         kIssues + 1},
        {"new latest issue",
         [](issues::reg_journal& w) {
             w.Command2_Click();
             w.Command9_Click();
             w.MonthView1.clickDate(QDate(2008, 3, 1));
             w.Command7_Click();
         },
         kIssues + 1},
        {"corrected date moves the issue down",
         [&](issues::reg_journal& w) {
             pickAndEdit(w, "1230");
             w.Command9_Click();
             w.MonthView1.clickDate(QDate(1991, 2, 3));
             w.Command7_Click();
         },
         kIssues},
        {"corrected date moves an undated issue up",
         [&](issues::reg_journal& w) {
             pickAndEdit(w, "1047");
             w.Command9_Click();
             w.MonthView1.clickDate(QDate(1995, 1, 1));
             w.Text6.setText(QStringLiteral("แก้แล้ว"));
             w.Command7_Click();
         },
         kIssues},
        {"removed latest issue",
         [&](issues::reg_journal& w) {
             pickIssue(1);
             w.Command6_Click();
         },
         kIssues - 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        openTitle();
        // Another desk corrects an issue the save does not touch: the list
        // shows it as read before until the title is picked again.
        const QString untouched = "1100";
        const QString before = w->show_item.textMatrix(rowOf(untouched), 4);
        db().exec("UPDATE tranfile SET descriptionitem = 'elsewhere' WHERE magno = ?", {untouched});
        box.clear();
        c.act(*w);
        ASSERT_FALSE(w->Command7.enabled()) << box.last().text.toStdString();
        EXPECT_EQ(w->show_item.rows() - 1, c.rowsAfter);
        EXPECT_EQ(w->show_item.textMatrix(rowOf(untouched), 4), before);
        db().exec("UPDATE tranfile SET descriptionitem = ? WHERE magno = ?", {before, untouched});

        issues::reg_journal fresh(services);
        ASSERT_TRUE(fresh.Form_Load());
        fresh.Text1.setText(QStringLiteral("สถิติ"));
        fresh.Command1_Click();
        fresh.show_journal.click(1, 0);
        EXPECT_EQ(shown(*w), shown(fresh));
        EXPECT_EQ(w->Command2.enabled(), fresh.Command2.enabled());
    }
}

}  // namespace
