#include "patterns/PatternProposalWindowView.h"

#include <QLabel>
#include <QPushButton>
#include <QTableView>

#include "ui/qt/Twips.h"

namespace patterns {

using ui::qt::place;

PatternProposalWindowView::PatternProposalWindowView(ui::Services& services, QWidget* parent)
    : FormView(parent),
      logic_(std::make_unique<PatternProposalWindow>(services)),
      binder_(*logic_) {
    PatternProposalWindow& f = *logic_;
    setObjectName(QStringLiteral("PatternProposals"));
    setWindowTitle(f.caption());
    setFixedSize(ui::qt::twipsSize(11700, 7200));
    binder_.bind(f.proposalGrid, place<QTableView>(this, 240, 180, 11220, 6000));
    binder_.bind(f.countLabel, place<QLabel>(this, 240, 6420, 4000, 360));
    binder_.bind(f.acceptButton, place<QPushButton>(this, 5700, 6360, 1900, 480));
    binder_.bind(f.acceptAllButton, place<QPushButton>(this, 7720, 6360, 1900, 480));
    binder_.bind(f.closeButton, place<QPushButton>(this, 9740, 6360, 1720, 480));
    f.onUnload = [this] { closeWindow(); };
}

PatternProposalWindowView::~PatternProposalWindowView() = default;

bool PatternProposalWindowView::load() {
    return logic_->Form_Load();
}

}  // namespace patterns
