#pragma once

#include <memory>

#include "late/ReceivingStatsWindow.h"
#include "ui/qt/Binder.h"
#include "ui/qt/FormView.h"

class QChartView;
class QPaintDevice;
class QTableView;

namespace late {

// The widgets of the receiving statistics: the table and its bar chart.
class ReceivingStatsView : public ui::qt::FormView {
    Q_OBJECT
  public:
    explicit ReceivingStatsView(ui::Services& services, QWidget* parent = nullptr);
    ~ReceivingStatsView() override;

    bool load() override;
    ReceivingStatsWindow& logic() { return *logic_; }
    QChartView* chartView() const { return chart_; }

    // Writes the table and the chart into a PDF page or a PNG image; false
    // when the file cannot be written.
    bool savePdf(const QString& path);
    bool savePng(const QString& path);

  private:
    void drawChart();
    void output(ReceivingStatsWindow::Output to);
    // Paints the caption, the table and the chart onto the device, scaled to fit.
    void paintReport(QPaintDevice& device);

    std::unique_ptr<ReceivingStatsWindow> logic_;
    ui::qt::Binder binder_;
    QTableView* table_ = nullptr;
    QChartView* chart_ = nullptr;
};

}  // namespace late
