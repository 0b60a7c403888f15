#include "titlelist/TitleListWindowView.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

#include "ui/qt/SaveFileDialog.h"
#include "ui/qt/Twips.h"

namespace titlelist {

using ui::qt::place;

TitleListWindowView::TitleListWindowView(ui::Services& services, TitleListFilter start,
                                         QWidget* parent)
    : FormView(parent),
      logic_(std::make_unique<TitleListWindow>(services, std::move(start))),
      binder_(*logic_) {
    TitleListWindow& f = *logic_;
    setObjectName(QStringLiteral("TitleList"));
    setWindowTitle(f.caption());
    setFixedSize(ui::qt::twipsSize(14400, 7800));
    binder_.bind(f.scopeLabel, place<QLabel>(this, 240, 200, 1200, 330));
    binder_.bind(f.scopeList, place<QComboBox>(this, 1500, 170, 2800, 360));
    binder_.bind(f.codeList, place<QComboBox>(this, 4440, 170, 4200, 360));
    binder_.bind(f.showButton, place<QPushButton>(this, 8820, 110, 1800, 480));
    binder_.bind(f.titleGrid, place<QTableView>(this, 240, 780, 13920, 5880));
    binder_.bind(f.countLabel, place<QLabel>(this, 240, 6840, 3600, 360));
    f.askCsvPath = [this](const QString& proposed) {
        return ui::qt::askSaveFile(this, QStringLiteral("บันทึกรายการเป็น CSV"), proposed,
                                   QStringLiteral("ไฟล์ CSV"), QStringLiteral("csv"));
    };
    binder_.bind(f.printButton, place<QPushButton>(this, 8160, 6780, 1380, 480));
    binder_.bind(f.pdfButton, place<QPushButton>(this, 9660, 6780, 1620, 480));
    binder_.bind(f.csvButton, place<QPushButton>(this, 11400, 6780, 1500, 480));
    binder_.bind(f.exitButton, place<QPushButton>(this, 13020, 6780, 1140, 480));
    f.onUnload = [this] { closeWindow(); };
}

TitleListWindowView::~TitleListWindowView() = default;

bool TitleListWindowView::load() {
    return logic_->Form_Load();
}

}  // namespace titlelist
