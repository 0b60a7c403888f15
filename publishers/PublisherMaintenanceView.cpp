#include "publishers/PublisherMaintenanceView.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include "ui/qt/Twips.h"

namespace publishers {

using ui::qt::place;

PublisherMaintenanceView::PublisherMaintenanceView(ui::Services& services, QWidget* parent)
    : FormView(parent), logic_(std::make_unique<PublisherMaintenance>(services)), binder_(*logic_) {
    PublisherMaintenance& f = *logic_;
    setObjectName(QStringLiteral("PublisherMaintenance"));
    setWindowTitle(f.caption());
    setFixedSize(
        ui::qt::twipsSize(PublisherMaintenance::kClientWidth, PublisherMaintenance::kClientHeight));

    binder_.bind(f.Label1, place<QLabel>(this, 240, 180, 2100, 360));
    auto* search = place<QLineEdit>(this, 2400, 180, 4800, 360);
    binder_.bind(f.Text1, search);
    auto* find = place<QPushButton>(this, 7320, 120, 1440, 480);
    binder_.bind(f.Cmdfind, find);
    auto* grid = place<QTableView>(this, 240, 720, 8520, 3240);
    binder_.bind(f.showdealer, grid);
    binder_.bind(f.Label2, place<QLabel>(this, 240, 4140, 2100, 360));
    binder_.bind(f.Text2, place<QLineEdit>(this, 2400, 4140, 1200, 360));
    binder_.bind(f.Label3, place<QLabel>(this, 240, 4620, 2100, 360));
    auto* name = place<QLineEdit>(this, 2400, 4620, 6360, 360);
    binder_.bind(f.Text3, name);
    auto* save = place<QPushButton>(this, 2400, 5400, 1440, 480);
    auto* remove = place<QPushButton>(this, 3960, 5400, 1200, 480);
    auto* add = place<QPushButton>(this, 5280, 5400, 1920, 480);
    auto* exit = place<QPushButton>(this, 7560, 5400, 1200, 480);
    binder_.bind(f.Cmdsave, save);
    binder_.bind(f.Cmddel, remove);
    binder_.bind(f.Cmdadd, add);
    binder_.bind(f.Cmdexit, exit);

    setTabOrder(search, find);
    setTabOrder(find, grid);
    setTabOrder(grid, name);
    setTabOrder(name, save);
    setTabOrder(save, remove);
    setTabOrder(remove, add);
    setTabOrder(add, exit);

    f.onUnload = [this] { closeWindow(); };
}

PublisherMaintenanceView::~PublisherMaintenanceView() = default;

bool PublisherMaintenanceView::load() {
    return logic_->Form_Load();
}

}  // namespace publishers
