#pragma once

#include <QString>
#include <array>
#include <optional>
#include <vector>

class QChartView;
class QPaintDevice;
class QTableView;
class QWidget;

namespace ui {
class Grid;
}

namespace ui::qt {

// One bar set of the chart: a count for each month of the year.
struct MonthBars {
    QString name;
    std::array<int, 12> months{};
};

// The value axis: from 0 to `top` in ticks of `step`, a round step (1, 2 or
// 5 times a power of ten) with no more than eight of them.
struct ChartScale {
    int top;
    int step;
};
ChartScale chartScale(int most);

// A year's table by month and its bar chart below it, the part the
// statistics windows share: the chart is redrawn from the bars given, and the
// two print, or save as one PDF page or PNG image, scaled together.
class MonthChartReport {
  public:
    // The table (bound to `grid` by the window) and the chart, placed in
    // twips on the parent.
    MonthChartReport(QWidget* parent, const ui::Grid& grid, int left, int tableTop, int width,
                     int tableHeight, int chartHeight);

    QTableView* table() const { return table_; }
    QChartView* chartView() const { return chart_; }

    void draw(const QString& title, const std::vector<MonthBars>& bars);
    void print();
    // False when the file cannot be written.
    bool savePdf(const QString& path);
    bool savePng(const QString& path);

    struct Saved {
        QString path;
        bool written;
    };
    // Asks for the file (PDF or PNG) and saves; nothing when the user cancels.
    std::optional<Saved> askAndSave(bool pdf, const QString& caption, const QString& proposedStem);

  private:
    // Paints the table, row by row, and the chart onto the device, scaled to fit.
    void paint(QPaintDevice& device);

    QWidget* parent_;
    const ui::Grid& grid_;
    QTableView* table_;
    QChartView* chart_;
};

}  // namespace ui::qt
