#include "articles/AuthorWindowView.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

#include "ui/qt/Twips.h"

namespace articles {

using ui::qt::place;

AuthorWindowView::AuthorWindowView(ui::Services& services, QWidget* parent)
    : FormView(parent), logic_(std::make_unique<AuthorWindow>(services)), binder_(*logic_) {
    AuthorWindow& f = *logic_;
    setObjectName(QStringLiteral("AuthorWindow"));
    setWindowTitle(f.caption());
    setFixedSize(ui::qt::twipsSize(9000, 7800));
    binder_.bind(f.searchText, place<QLineEdit>(this, 120, 120, 6900, 330));
    binder_.bind(f.findButton, place<QPushButton>(this, 7140, 90, 1740, 400));
    binder_.bind(f.authorList, place<QTableView>(this, 120, 600, 8760, 4200));
    binder_.bind(f.nameText, place<QLineEdit>(this, 120, 4950, 5400, 330));
    binder_.bind(f.personOption, place<QRadioButton>(this, 5640, 4950, 1200, 330));
    binder_.bind(f.corporateOption, place<QRadioButton>(this, 6900, 4950, 1500, 330));
    binder_.bind(f.correctButton, place<QPushButton>(this, 120, 5460, 2100, 440));
    binder_.bind(f.deleteButton, place<QPushButton>(this, 2340, 5460, 2100, 440));
    binder_.bind(f.keepButton, place<QPushButton>(this, 120, 6060, 2800, 440));
    binder_.bind(f.mergeButton, place<QPushButton>(this, 3040, 6060, 3200, 440));
    binder_.bind(f.keptLabel, place<QLabel>(this, 120, 6600, 8760, 330));
    binder_.bind(f.closeButton, place<QPushButton>(this, 7380, 7200, 1500, 440));
    f.onUnload = [this] { closeWindow(); };
}

AuthorWindowView::~AuthorWindowView() = default;

bool AuthorWindowView::load() {
    return logic_->Form_Load();
}

}  // namespace articles
