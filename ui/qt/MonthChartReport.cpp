#include "ui/qt/MonthChartReport.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QList>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTableView>
#include <QValueAxis>
#include <algorithm>
#include <numeric>

#include "ui/Grid.h"
#include "ui/qt/SaveFileDialog.h"
#include "ui/qt/Twips.h"

namespace ui::qt {

ChartScale chartScale(int most) {
    most = std::max(most, 1);
    for (int power = 1;; power *= 10)
        for (int factor : {1, 2, 5}) {
            const int step = factor * power;
            if ((most + step - 1) / step <= 8)
                return {(most + step - 1) / step * step, step};
        }
}

MonthChartReport::MonthChartReport(QWidget* parent, const ui::Grid& grid, int left, int tableTop,
                                   int width, int tableHeight, int chartHeight)
    : parent_(parent),
      grid_(grid),
      table_(place<QTableView>(parent, left, tableTop, width, tableHeight)),
      chart_(place<QChartView>(parent, left, tableTop + tableHeight + 120, width, chartHeight)) {
    chart_->setRenderHint(QPainter::Antialiasing);
    chart_->setFocusPolicy(Qt::NoFocus);  // a picture: Tab goes on to the buttons
}

void MonthChartReport::draw(const QString& title, const std::vector<MonthBars>& bars) {
    auto* chart = new QChart;
    auto* series = new QBarSeries;
    int most = 0;
    for (const MonthBars& row : bars) {
        auto* set = new QBarSet(row.name);
        for (int n : row.months) {
            *set << n;
            most = std::max(most, n);
        }
        series->append(set);
    }
    chart->addSeries(series);
    QStringList months;
    for (int m = 1; m <= 12; ++m)
        months << QLocale(QLocale::Thai).monthName(m, QLocale::ShortFormat);
    auto* x = new QBarCategoryAxis;
    x->append(months);
    chart->addAxis(x, Qt::AlignBottom);
    series->attachAxis(x);
    auto* y = new QValueAxis;
    const ChartScale scale = chartScale(most);
    y->setRange(0, scale.top);
    y->setTickCount(scale.top / scale.step + 1);
    y->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(y);
    chart->setTitle(title);
    chart->legend()->setAlignment(Qt::AlignRight);
    QChart* old = chart_->chart();
    chart_->setChart(chart);
    delete old;
}

// The table is drawn whole, however few of its rows the window has room
// for. Each column is as wide as its widest text; a first column wider than
// the room the chart leaves beside the numbers wraps onto more lines.
void MonthChartReport::paint(QPaintDevice& device) {
    // Sized in pixels, the text keeps to the layout on a device of any
    // resolution: the painter's scale then grows text and cells alike.
    QFont plain = parent_->font();
    plain.setPixelSize(QFontInfo(parent_->font()).pixelSize());
    QFont bold = plain;
    bold.setBold(true);
    const QFontMetrics metrics(bold, &device);  // the widest a text gets
    const int pad = metrics.height() / 3;
    QList<int> widths(grid_.cols(), 0);
    for (int r = 0; r < grid_.rows(); ++r)
        for (int c = 0; c < grid_.cols(); ++c)
            widths[c] =
                std::max(widths[c], metrics.horizontalAdvance(grid_.textMatrix(r, c)) + 2 * pad);
    const int numbers = std::accumulate(widths.begin() + 1, widths.end(), 0);
    widths[0] = std::min(widths[0], std::max(table_->columnWidth(0), chart_->width() - numbers));
    const int flags = Qt::AlignVCenter | Qt::TextWordWrap;
    QList<int> heights;
    heights.reserve(grid_.rows());
    for (int r = 0; r < grid_.rows(); ++r)
        heights.push_back(metrics
                              .boundingRect(QRect(0, 0, widths[0] - 2 * pad, 100000), flags,
                                            grid_.textMatrix(r, 0))
                              .height() +
                          pad);
    const int tableWidth = widths[0] + numbers;
    const int tableHeight = std::accumulate(heights.begin(), heights.end(), 0);
    const int gap = metrics.height();
    const int width = std::max(tableWidth, chart_->width());
    const int height = tableHeight + gap + chart_->height();
    QPainter p(&device);
    const double scale = std::min(double(device.width()) / width, double(device.height()) / height);
    p.scale(scale, scale);
    int y = 0;
    for (int r = 0; r < grid_.rows(); ++r) {
        p.setFont(r == 0 || r == grid_.rows() - 1 ? bold : plain);  // headings and the total
        int x = 0;
        for (int c = 0; c < grid_.cols(); ++c) {
            const QRect cell(x, y, widths[c], heights[r]);
            p.drawRect(cell);
            p.drawText(cell.adjusted(pad, 0, -pad, 0),
                       flags | (c == 0 || r == 0 ? Qt::AlignLeft : Qt::AlignRight),
                       grid_.textMatrix(r, c));
            x += widths[c];
        }
        y += heights[r];
    }
    p.translate(0, tableHeight + gap);
    chart_->render(&p, QRectF(QPointF(0, 0), chart_->size()));
}

void MonthChartReport::print() {
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    paint(printer);
}

bool MonthChartReport::savePdf(const QString& path) {
    QPdfWriter pdf(path);
    pdf.setPageOrientation(QPageLayout::Landscape);
    pdf.setResolution(150);
    QPainter test(&pdf);
    if (!test.isActive())
        return false;
    test.end();
    paint(pdf);
    return true;
}

bool MonthChartReport::savePng(const QString& path) {
    QImage image(std::max(table_->width(), chart_->width()) * 2,
                 (table_->height() + chart_->height()) * 2, QImage::Format_ARGB32);
    image.fill(Qt::white);
    paint(image);
    return image.save(path, "PNG");
}

std::optional<MonthChartReport::Saved> MonthChartReport::askAndSave(bool pdf,
                                                                    const QString& caption,
                                                                    const QString& proposedStem) {
    const QString suffix = pdf ? QStringLiteral("pdf") : QStringLiteral("png");
    const auto path =
        askSaveFile(parent_, caption, proposedStem + u'.' + suffix,
                    pdf ? QStringLiteral("ไฟล์ PDF") : QStringLiteral("ไฟล์ภาพ PNG"), suffix);
    if (!path)
        return std::nullopt;
    return Saved{*path, pdf ? savePdf(*path) : savePng(*path)};
}

}  // namespace ui::qt
