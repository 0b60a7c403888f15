#include "search/SearchJournalView.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include "ui/qt/Twips.h"

namespace search {

SearchJournalView::SearchJournalView(ui::Services& services, QWidget* parent)
    : FormView(parent), logic_(std::make_unique<SearchJournal>(services)), binder_(*logic_) {
    SearchJournal& f = *logic_;
    setWindowTitle(f.caption());
    setFixedSize(ui::qt::twipsSize(14760, 7680));

    auto* frame = ui::qt::place<QGroupBox>(this, 120, 60, 14520, 840);
    binder_.bind(f.findFrame, frame);
    auto* findEdit = ui::qt::place<QLineEdit>(frame, 240, 360, 10800, 360);
    binder_.bind(f.findText, findEdit);
    auto* findPush = ui::qt::place<QPushButton>(frame, 11280, 300, 1500, 420);
    binder_.bind(f.findButton, findPush);

    auto* grid = ui::qt::place<QTableView>(this, 120, 1020, 14520, 5520);
    binder_.bind(f.resultList, grid);
    // Every row is one line: laying out thousands of Thai rows one by one
    // would cost more than the search.
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    binder_.bind(f.countLabel, ui::qt::place<QLabel>(this, 120, 6660, 14520, 330));

    auto* held = ui::qt::place<QLabel>(this, 120, 7080, 7680, 480);
    held->setWordWrap(true);
    binder_.bind(f.holdingsLabel, held);

    QPushButton* buttons[3];
    ui::CommandButton* models[] = {&f.titleButton, &f.registerButton, &f.exitButton};
    const int lefts[] = {9600, 11280, 12960};
    for (int i = 0; i < 3; ++i) {
        buttons[i] = ui::qt::place<QPushButton>(this, lefts[i], 7080, 1560, 480);
        binder_.bind(*models[i], buttons[i]);
    }
    binder_.bind(f.patternButton, ui::qt::place<QPushButton>(this, 7920, 7080, 1560, 480));
    QWidget* order[] = {findEdit, findPush, grid, buttons[0], buttons[1], buttons[2]};
    for (int i = 0; i + 1 < int(std::size(order)); ++i)
        setTabOrder(order[i], order[i + 1]);

    f.onUnload = [this] { closeWindow(); };
}

SearchJournalView::~SearchJournalView() = default;

bool SearchJournalView::load() {
    return logic_->Form_Load();
}

}  // namespace search
