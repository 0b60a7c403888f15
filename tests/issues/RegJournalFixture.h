#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "issues/reg_journal.h"
#include "tests/issues/IssueFixture.h"
#include "tests/support/TempDatabase.h"
#include "ui/Fakes.h"

namespace issues_test {

// The registration window on a fresh database, with a fake message box and a
// fixed day (15/03/2008).
class RegJournalFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        w = std::make_unique<issues::reg_journal>(services);
        ASSERT_TRUE(w->Form_Load());
    }

    data::Database& db() { return temp.db(); }
    void search(const QString& text) {
        w->Text1.setText(text);
        w->Command1_Click();
    }
    void pickTitle(int row) { w->show_journal.click(row, 0); }
    void pickIssue(int row) { w->show_item.click(row, 0); }
    QStringList column(const ui::Grid& grid, int col) const {
        QStringList out;
        for (int r = 1; r < grid.rows(); ++r)
            out << grid.textMatrix(r, col);
        return out;
    }

    testing_support::TempDatabase temp;
    ui::FakeMessageBox box;
    ui::FixedClock clock{QDate(2008, 3, 15)};
    ui::RecordingOpener opener;
    QString newdealer;
    ui::Services services{temp.path(), box, clock, opener, newdealer};
    std::unique_ptr<issues::reg_journal> w;
};

}  // namespace issues_test
