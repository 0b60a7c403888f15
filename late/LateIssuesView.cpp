#include "late/LateIssuesView.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

#include "ui/qt/SaveFileDialog.h"
#include "ui/qt/Twips.h"

namespace late {

using ui::qt::place;

LateIssuesView::LateIssuesView(ui::Services& services, QWidget* parent)
    : FormView(parent), logic_(std::make_unique<LateIssues>(services)), binder_(*logic_) {
    LateIssues& f = *logic_;
    setObjectName(QStringLiteral("LateIssues"));
    setWindowTitle(f.caption());
    setFixedSize(ui::qt::twipsSize(13500, 8460));

    auto* frame = place<QGroupBox>(this, 240, 60, 4500, 900);
    binder_.bind(f.kindFrame, frame);
    binder_.bind(f.journalsOption, place<QRadioButton>(frame, 180, 400, 1200, 330));
    binder_.bind(f.newspapersOption, place<QRadioButton>(frame, 1440, 400, 1560, 330));
    binder_.bind(f.allKindsOption, place<QRadioButton>(frame, 3060, 400, 1300, 330));
    binder_.bind(f.facultyLabel, place<QLabel>(this, 4980, 180, 1500, 330));
    binder_.bind(f.facultyFilter, place<QComboBox>(this, 6540, 150, 3600, 360));
    binder_.bind(f.agentLabel, place<QLabel>(this, 4980, 620, 1500, 330));
    binder_.bind(f.agentFilter, place<QComboBox>(this, 6540, 590, 3600, 360));
    binder_.bind(f.showButton, place<QPushButton>(this, 10440, 360, 1800, 480));

    binder_.bind(f.lateList, place<QTableView>(this, 240, 1140, 13020, 5520));
    binder_.bind(f.countLabel, place<QLabel>(this, 240, 6840, 3600, 360));
    f.askCsvPath = [this](const QString& proposed) {
        return ui::qt::askSaveFile(this, QStringLiteral("บันทึกรายการคงค้างเป็น CSV"), proposed,
                                   QStringLiteral("ไฟล์ CSV"), QStringLiteral("csv"));
    };
    binder_.bind(f.registerButton, place<QPushButton>(this, 3960, 6780, 2400, 480));
    binder_.bind(f.claimButton, place<QPushButton>(this, 6480, 6780, 1620, 480));
    binder_.bind(f.claimPdfButton, place<QPushButton>(this, 8220, 6780, 1860, 480));
    binder_.bind(f.csvButton, place<QPushButton>(this, 10200, 6780, 1740, 480));
    binder_.bind(f.closeButton, place<QPushButton>(this, 12060, 6780, 1200, 480));

    auto* scope = place<QGroupBox>(this, 240, 7320, 4500, 900);
    binder_.bind(f.claimToFrame, scope);
    binder_.bind(f.chosenAgentOption, place<QRadioButton>(scope, 180, 400, 2000, 330));
    binder_.bind(f.everyAgentOption, place<QRadioButton>(scope, 2300, 400, 2000, 330));
    binder_.bind(f.reasonLabel, place<QLabel>(this, 4980, 7740, 1560, 330));
    binder_.bind(f.reasonText, place<QLineEdit>(this, 6540, 7710, 3600, 360));
    binder_.bind(f.notReceivedButton, place<QPushButton>(this, 10260, 7650, 2000, 480));

    f.onUnload = [this] { closeWindow(); };
}

LateIssuesView::~LateIssuesView() = default;

bool LateIssuesView::load() {
    return logic_->Form_Load();
}

}  // namespace late
