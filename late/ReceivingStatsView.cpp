#include "late/ReceivingStatsView.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

#include "ui/qt/Twips.h"

namespace late {

using ui::qt::place;

ReceivingStatsView::ReceivingStatsView(ui::Services& services, QWidget* parent)
    : FormView(parent), logic_(std::make_unique<ReceivingStatsWindow>(services)), binder_(*logic_) {
    ReceivingStatsWindow& f = *logic_;
    setObjectName(QStringLiteral("ReceivingStats"));
    setWindowTitle(f.caption());
    setFixedSize(ui::qt::twipsSize(13500, 9600));

    binder_.bind(f.yearLabel, place<QLabel>(this, 240, 300, 900, 330));
    binder_.bind(f.yearText, place<QLineEdit>(this, 1200, 280, 900, 360));
    auto* frame = place<QGroupBox>(this, 2400, 60, 4200, 780);
    binder_.bind(f.groupFrame, frame);
    binder_.bind(f.byFacultyOption, place<QRadioButton>(frame, 180, 360, 2100, 330));
    binder_.bind(f.byKindOption, place<QRadioButton>(frame, 2400, 360, 1500, 330));
    binder_.bind(f.showButton, place<QPushButton>(this, 6840, 240, 1200, 480));
    report_ =
        std::make_unique<ui::qt::MonthChartReport>(this, f.statsGrid, 240, 960, 13020, 2700, 5040);
    binder_.bind(f.statsGrid, report_->table());
    binder_.bind(f.printButton, place<QPushButton>(this, 7500, 8940, 1200, 480));
    binder_.bind(f.pdfButton, place<QPushButton>(this, 8820, 8940, 1560, 480));
    binder_.bind(f.pngButton, place<QPushButton>(this, 10500, 8940, 1560, 480));
    binder_.bind(f.closeButton, place<QPushButton>(this, 12180, 8940, 1080, 480));

    f.onShown = [this] { drawChart(); };
    f.onOutput = [this](ReceivingStatsWindow::Output to) { output(to); };
    f.onUnload = [this] { closeWindow(); };
}

ReceivingStatsView::~ReceivingStatsView() = default;

bool ReceivingStatsView::load() {
    return logic_->Form_Load();
}

void ReceivingStatsView::drawChart() {
    std::vector<ui::qt::MonthBars> bars;
    for (const MonthCounts& row : logic_->shown())
        bars.push_back({row.group, row.months});
    report_->draw(QStringLiteral("จำนวนฉบับที่ได้รับ ปี ค.ศ. ") + logic_->yearText.text().trimmed(),
                  bars);
}

void ReceivingStatsView::output(ReceivingStatsWindow::Output to) {
    using Output = ReceivingStatsWindow::Output;
    if (to == Output::Printer) {
        report_->print();
        return;
    }
    const auto saved =
        report_->askAndSave(to == Output::Pdf, logic_->caption(),
                            QStringLiteral("receiving-") + logic_->yearText.text().trimmed());
    if (saved && saved->written)
        logic_->reportSaved(saved->path);
    else if (saved)
        logic_->reportUnsaved(saved->path);
}

}  // namespace late
