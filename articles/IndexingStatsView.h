#pragma once

#include <memory>

#include "articles/IndexingStatsWindow.h"
#include "ui/qt/Binder.h"
#include "ui/qt/FormView.h"
#include "ui/qt/MonthChartReport.h"

namespace articles {

// The widgets of the indexing statistics: the table and its bar chart.
class IndexingStatsView : public ui::qt::FormView {
    Q_OBJECT
  public:
    explicit IndexingStatsView(ui::Services& services, QWidget* parent = nullptr);
    ~IndexingStatsView() override;

    bool load() override;
    IndexingStatsWindow& logic() { return *logic_; }
    ui::qt::MonthChartReport& report() { return *report_; }

  private:
    void drawChart();
    void output(IndexingStatsWindow::Output to);

    std::unique_ptr<IndexingStatsWindow> logic_;
    ui::qt::Binder binder_;
    std::unique_ptr<ui::qt::MonthChartReport> report_;
};

}  // namespace articles
