#include "shell/WindowList.h"

#include "catalogue/NewJournalView.h"
#include "issues/reg_journalView.h"
#include "publishers/AdddealerView.h"
#include "renewal/expdateView.h"
#include "search/SearchJournalView.h"
#include "shell/MainWindow.h"

namespace shell {

void registerWindows(MainWindow& main) {
    main.registerWindow(
        "NewJournal", [](ui::Services& s) { return new catalogue::NewJournalView(s); },
        MainWindow::Placement::Child);
    main.registerWindow(
        "expdate", [](ui::Services& s) { return new renewal::expdateView(s); },
        MainWindow::Placement::Child);
    main.registerWindow(
        "reg_journal", [](ui::Services& s) { return new issues::reg_journalView(s); },
        MainWindow::Placement::Child);
    main.registerWindow(
        "SearchJournal", [](ui::Services& s) { return new search::SearchJournalView(s); },
        MainWindow::Placement::Child);
    main.registerWindow(
        "Adddealer", [](ui::Services& s) { return new publishers::AdddealerView(s); },
        MainWindow::Placement::TopLevel);
}

}  // namespace shell
