#include "articles/IndexCardWindowView.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

#include "ui/qt/Twips.h"

namespace articles {

using ui::qt::place;

IndexCardWindowView::IndexCardWindowView(ui::Services& services, QWidget* parent)
    : FormView(parent), logic_(std::make_unique<IndexCardWindow>(services)), binder_(*logic_) {
    IndexCardWindow& f = *logic_;
    setObjectName(QStringLiteral("IndexCardWindow"));
    setWindowTitle(f.caption());
    setFixedSize(ui::qt::twipsSize(9600, 7800));
    binder_.bind(f.fromLabel, place<QLabel>(this, 120, 150, 1900, 330));
    binder_.bind(f.fromText, place<QLineEdit>(this, 2040, 120, 1400, 330));
    binder_.bind(f.toLabel, place<QLabel>(this, 3600, 150, 900, 330));
    binder_.bind(f.toText, place<QLineEdit>(this, 4500, 120, 1400, 330));
    binder_.bind(f.showButton, place<QPushButton>(this, 7980, 90, 1500, 400));
    binder_.bind(f.newOption, place<QRadioButton>(this, 120, 560, 2800, 330));
    binder_.bind(f.allOption, place<QRadioButton>(this, 3000, 560, 2000, 330));
    binder_.bind(f.cardList, place<QTableView>(this, 120, 1000, 9360, 4800));
    // The paper is a choice of its own, apart from which cards are shown.
    auto* paper = new QWidget(this);
    paper->setGeometry(ui::qt::twipsRect(120, 5900, 9360, 400));
    binder_.bind(f.a4Option, place<QRadioButton>(paper, 0, 30, 3600, 330));
    binder_.bind(f.cardStockOption, place<QRadioButton>(paper, 3800, 30, 3000, 330));
    binder_.bind(f.printButton, place<QPushButton>(this, 120, 6600, 2200, 480));
    binder_.bind(f.pdfButton, place<QPushButton>(this, 2440, 6600, 1700, 480));
    binder_.bind(f.reprintButton, place<QPushButton>(this, 4260, 6600, 2600, 480));
    binder_.bind(f.closeButton, place<QPushButton>(this, 7980, 6600, 1500, 480));
    f.onUnload = [this] { closeWindow(); };
}

IndexCardWindowView::~IndexCardWindowView() = default;

bool IndexCardWindowView::load() {
    return logic_->Form_Load();
}

}  // namespace articles
