#pragma once

#include <memory>

#include "late/ReceivingStatsWindow.h"
#include "ui/qt/Binder.h"
#include "ui/qt/FormView.h"
#include "ui/qt/MonthChartReport.h"

class QChartView;

namespace late {

// The widgets of the receiving statistics: the table and its bar chart.
class ReceivingStatsView : public ui::qt::FormView {
    Q_OBJECT
  public:
    explicit ReceivingStatsView(ui::Services& services, QWidget* parent = nullptr);
    ~ReceivingStatsView() override;

    bool load() override;
    ReceivingStatsWindow& logic() { return *logic_; }
    QChartView* chartView() const { return report_->chartView(); }

    // Writes the table and the chart into a PDF page or a PNG image; false
    // when the file cannot be written.
    bool savePdf(const QString& path) { return report_->savePdf(path); }
    bool savePng(const QString& path) { return report_->savePng(path); }

  private:
    void drawChart();
    void output(ReceivingStatsWindow::Output to);

    std::unique_ptr<ReceivingStatsWindow> logic_;
    ui::qt::Binder binder_;
    std::unique_ptr<ui::qt::MonthChartReport> report_;
};

}  // namespace late
