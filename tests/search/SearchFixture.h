#pragma once

#include <gtest/gtest.h>

#include "data/Database.h"
#include "search/SearchJournal.h"
#include "tests/support/TempDatabase.h"
#include "ui/Fakes.h"

namespace testing_support {

// One title as the tests store it; codes refer to the first-run rows.
struct StoredTitle {
    QString pointer{}, name{}, issn{};
    QString publisherCode = QStringLiteral("4");
    QString agentCode = QStringLiteral("2");
    QString compareName{}, oldName{}, shortName{};
    QString endPeriod = QStringLiteral("31/12/2026");
};

inline void storeTitle(data::Database& db, const StoredTitle& t) {
    db.exec(
        "INSERT INTO vorlen1 (pointer, vorlen_name, compare_name, old_name, shot_name, issn,"
        " publisher_code) VALUES (?, ?, ?, ?, ?, ?, ?)",
        {t.pointer, t.name, t.compareName, t.oldName, t.shortName, t.issn, t.publisherCode});
    db.exec(
        "INSERT INTO vorlen (pointer, department_code, Receive_Code, end_period,"
        " publisher_code) VALUES (?, '02', '1', ?, ?)",
        {t.pointer, t.endPeriod, t.agentCode});
}

// The search window loaded on a fresh database, with fake services.
struct SearchWindow {
    TempDatabase temp;
    ui::FakeMessageBox messages;
    ui::FixedClock clock{QDate(2026, 3, 5)};
    ui::RecordingOpener opener;
    QString newdealer;
    ui::Services services{temp.path(), messages, clock, opener, newdealer};
    search::SearchJournal w{services};

    SearchWindow() { EXPECT_TRUE(w.Form_Load()); }

    // Types the text and Enter, as the clerk or a scanner does.
    void search(const QString& text) {
        w.findText.setText(text);
        w.findText.typeKey(ui::key::kEnter);
    }
    // The keys in the result grid, top to bottom.
    QStringList keys() const {
        QStringList out;
        for (int r = 1; r < w.resultList.rows(); ++r)
            if (!w.resultList.textMatrix(r, search::Key).isEmpty())
                out << w.resultList.textMatrix(r, search::Key);
        return out;
    }
};

}  // namespace testing_support
