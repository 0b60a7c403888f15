#include "settings/CodeTableWindowView.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include "ui/qt/Twips.h"

namespace settings {

using ui::qt::place;

CodeTableWindowView::CodeTableWindowView(std::unique_ptr<CodeTableWindow> logic, QWidget* parent)
    : FormView(parent), logic_(std::move(logic)), binder_(*logic_) {
    CodeTableWindow& f = *logic_;
    setObjectName(QStringLiteral("CodeTableWindow"));
    setWindowTitle(f.caption());
    // Without a table list the rest moves up into its place.
    const int up = f.tableList.visible() ? 0 : 480;
    // The unit's name and address take two lines, the frequencies' interval one.
    const int height = f.unitFrame.visible()      ? CodeTableWindow::kClientHeight
                       : f.intervalText.visible() ? 6600
                                                  : 5520;
    setFixedSize(ui::qt::twipsSize(CodeTableWindow::kClientWidth, height - up));

    binder_.bind(f.tableLabel, place<QLabel>(this, 240, 180, 900, 360));
    binder_.bind(f.tableList, place<QComboBox>(this, 1300, 180, 4200, 360));
    binder_.bind(f.codeList, place<QTableView>(this, 240, 660 - up, 7920, 3000));
    binder_.bind(f.codeLabel, place<QLabel>(this, 240, 3840 - up, 1000, 360));
    auto* code = place<QLineEdit>(this, 1300, 3840 - up, 1500, 360);
    binder_.bind(f.codeText, code);
    binder_.bind(f.descriptionLabel, place<QLabel>(this, 240, 4320 - up, 1000, 360));
    auto* description = place<QLineEdit>(this, 1300, 4320 - up, 6860, 360);
    binder_.bind(f.descriptionText, description);
    binder_.bind(f.addButton, place<QPushButton>(this, 1300, 4860 - up, 1200, 480));
    binder_.bind(f.saveButton, place<QPushButton>(this, 2600, 4860 - up, 2100, 480));
    binder_.bind(f.deleteButton, place<QPushButton>(this, 4800, 4860 - up, 1200, 480));
    binder_.bind(f.exitButton, place<QPushButton>(this, 6960, 4860 - up, 1200, 480));

    // The frequencies' interval sits where the unit name would be.
    binder_.bind(f.intervalLabel, place<QLabel>(this, 240, 5460 - up, 1300, 360));
    binder_.bind(f.intervalText, place<QLineEdit>(this, 1600, 5460 - up, 800, 360));
    binder_.bind(f.graceLabel, place<QLabel>(this, 2600, 5460 - up, 1300, 360));
    binder_.bind(f.graceText, place<QLineEdit>(this, 3960, 5460 - up, 800, 360));
    binder_.bind(f.intervalButton, place<QPushButton>(this, 5400, 5400 - up, 2760, 480));

    auto* frame = place<QGroupBox>(this, 240, 5460 - up, 7920, 2880);
    binder_.bind(f.unitFrame, frame);
    binder_.bind(f.unitNameText, place<QLineEdit>(frame, 180, 420, 5160, 360));
    binder_.bind(f.addressLabel, place<QLabel>(frame, 180, 900, 700, 360));
    binder_.bind(f.addressText, place<QLineEdit>(frame, 900, 900, 6840, 360));
    binder_.bind(f.claimDeskLabel, place<QLabel>(frame, 180, 1380, 1500, 360));
    binder_.bind(f.claimDeskText, place<QLineEdit>(frame, 1740, 1380, 6000, 360));
    binder_.bind(f.deskAddressLabel, place<QLabel>(frame, 180, 1860, 1500, 360));
    binder_.bind(f.deskAddressText, place<QLineEdit>(frame, 1740, 1860, 6000, 360));
    binder_.bind(f.claimAgainLabel, place<QLabel>(frame, 180, 2340, 2400, 360));
    binder_.bind(f.claimAgainText, place<QLineEdit>(frame, 2640, 2340, 800, 360));
    binder_.bind(f.unitButton, place<QPushButton>(frame, 5460, 360, 2280, 480));
    setTabOrder(code, description);

    f.onUnload = [this] { closeWindow(); };
}

CodeTableWindowView::~CodeTableWindowView() = default;

bool CodeTableWindowView::load() {
    return logic_->Form_Load();
}

}  // namespace settings
