#include "articles/HeadingWindowView.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include "ui/qt/Twips.h"

namespace articles {

using ui::qt::place;

HeadingWindowView::HeadingWindowView(ui::Services& services, QWidget* parent)
    : FormView(parent), logic_(std::make_unique<HeadingWindow>(services)), binder_(*logic_) {
    HeadingWindow& f = *logic_;
    setObjectName(QStringLiteral("HeadingWindow"));
    setWindowTitle(f.caption());
    setFixedSize(ui::qt::twipsSize(10200, 7800));
    binder_.bind(f.headingList, place<QTableView>(this, 120, 120, 9960, 3600));
    binder_.bind(f.headingLabel, place<QLabel>(this, 120, 3900, 2000, 330));
    binder_.bind(f.headingText, place<QLineEdit>(this, 2200, 3870, 7880, 360));
    binder_.bind(f.thaiLabel, place<QLabel>(this, 120, 4350, 2000, 330));
    binder_.bind(f.thaiText, place<QLineEdit>(this, 2200, 4320, 7880, 360));
    binder_.bind(f.seeAlsoLabel, place<QLabel>(this, 120, 4800, 2000, 330));
    binder_.bind(f.seeAlsoPick, place<QComboBox>(this, 2200, 4770, 3600, 360));
    binder_.bind(f.addSeeAlsoButton, place<QPushButton>(this, 2200, 5220, 1200, 420));
    binder_.bind(f.removeSeeAlsoButton, place<QPushButton>(this, 3500, 5220, 1200, 420));
    binder_.bind(f.seeAlsoRows, place<QTableView>(this, 6000, 4770, 4080, 1800));
    binder_.bind(f.newButton, place<QPushButton>(this, 3600, 7140, 1500, 480));
    binder_.bind(f.saveButton, place<QPushButton>(this, 5200, 7140, 1500, 480));
    binder_.bind(f.deleteButton, place<QPushButton>(this, 6800, 7140, 1500, 480));
    binder_.bind(f.closeButton, place<QPushButton>(this, 8400, 7140, 1680, 480));
    f.onUnload = [this] { closeWindow(); };
}

HeadingWindowView::~HeadingWindowView() = default;

bool HeadingWindowView::load() {
    return logic_->Form_Load();
}

}  // namespace articles
