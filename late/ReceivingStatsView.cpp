#include "late/ReceivingStatsView.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QValueAxis>
#include <numeric>

#include "ui/qt/SaveFileDialog.h"
#include "ui/qt/Twips.h"

namespace late {

using ui::qt::place;

ReceivingStatsView::ReceivingStatsView(ui::Services& services, QWidget* parent)
    : FormView(parent), logic_(std::make_unique<ReceivingStatsWindow>(services)), binder_(*logic_) {
    ReceivingStatsWindow& f = *logic_;
    setObjectName(QStringLiteral("ReceivingStats"));
    setWindowTitle(f.caption());
    setFixedSize(ui::qt::twipsSize(13500, 9600));

    binder_.bind(f.Label1, place<QLabel>(this, 240, 300, 900, 330));
    binder_.bind(f.Text1, place<QLineEdit>(this, 1200, 280, 900, 360));
    auto* frame = place<QGroupBox>(this, 2400, 60, 4200, 780);
    binder_.bind(f.Frame1, frame);
    binder_.bind(f.Option1, place<QRadioButton>(frame, 180, 360, 2100, 330));
    binder_.bind(f.Option2, place<QRadioButton>(frame, 2400, 360, 1500, 330));
    binder_.bind(f.Cmdshow, place<QPushButton>(this, 6840, 240, 1200, 480));
    table_ = place<QTableView>(this, 240, 960, 13020, 2700);
    binder_.bind(f.showstat, table_);
    chart_ = place<QChartView>(this, 240, 3780, 13020, 5040);
    chart_->setRenderHint(QPainter::Antialiasing);
    chart_->setFocusPolicy(Qt::NoFocus);  // a picture: Tab goes on to the buttons
    binder_.bind(f.Cmdprint, place<QPushButton>(this, 7500, 8940, 1200, 480));
    binder_.bind(f.Cmdpdf, place<QPushButton>(this, 8820, 8940, 1560, 480));
    binder_.bind(f.Cmdpng, place<QPushButton>(this, 10500, 8940, 1560, 480));
    binder_.bind(f.Cmdexit, place<QPushButton>(this, 12180, 8940, 1080, 480));

    f.onShown = [this] { drawChart(); };
    f.onOutput = [this](ReceivingStatsWindow::Output to) { output(to); };
    f.onUnload = [this] { closeWindow(); };
}

ReceivingStatsView::~ReceivingStatsView() = default;

bool ReceivingStatsView::load() {
    return logic_->Form_Load();
}

void ReceivingStatsView::drawChart() {
    auto* chart = new QChart;
    auto* series = new QBarSeries;
    int most = 0;
    for (const MonthCounts& row : logic_->shown()) {
        auto* set = new QBarSet(row.group);
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
    chart->setTitle(QStringLiteral("จำนวนฉบับที่ได้รับ ปี ค.ศ. ") + logic_->Text1.text().trimmed());
    chart->legend()->setAlignment(Qt::AlignRight);
    QChart* old = chart_->chart();
    chart_->setChart(chart);
    delete old;
}

// The table is drawn whole, row by row, however few of its rows the window
// has room for, and the chart below it; the two are scaled together to the
// page. Each column is as wide as its widest text; a group name wider than
// the room the chart leaves beside the numbers wraps onto more lines.
void ReceivingStatsView::paintReport(QPaintDevice& device) {
    const ui::Grid& grid = logic_->showstat;
    // Sized in pixels, the text keeps to the layout on a device of any
    // resolution: the painter's scale then grows text and cells alike.
    QFont plain = font();
    plain.setPixelSize(QFontInfo(font()).pixelSize());
    QFont bold = plain;
    bold.setBold(true);
    const QFontMetrics metrics(bold, &device);  // the widest a text gets
    const int pad = metrics.height() / 3;
    std::vector<int> widths(grid.cols(), 0);
    for (int r = 0; r < grid.rows(); ++r)
        for (int c = 0; c < grid.cols(); ++c)
            widths[c] =
                std::max(widths[c], metrics.horizontalAdvance(grid.textMatrix(r, c)) + 2 * pad);
    const int numbers = std::accumulate(widths.begin() + 1, widths.end(), 0);
    widths[0] = std::min(widths[0], std::max(table_->columnWidth(0), chart_->width() - numbers));
    const int flags = Qt::AlignVCenter | Qt::TextWordWrap;
    std::vector<int> heights;
    for (int r = 0; r < grid.rows(); ++r)
        heights.push_back(metrics
                              .boundingRect(QRect(0, 0, widths[0] - 2 * pad, 100000), flags,
                                            grid.textMatrix(r, 0))
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
    for (int r = 0; r < grid.rows(); ++r) {
        p.setFont(r == 0 || r == grid.rows() - 1 ? bold : plain);  // headings and the total
        int x = 0;
        for (int c = 0; c < grid.cols(); ++c) {
            const QRect cell(x, y, widths[c], heights[r]);
            p.drawRect(cell);
            p.drawText(cell.adjusted(pad, 0, -pad, 0),
                       flags | (c == 0 || r == 0 ? Qt::AlignLeft : Qt::AlignRight),
                       grid.textMatrix(r, c));
            x += widths[c];
        }
        y += heights[r];
    }
    p.translate(0, tableHeight + gap);
    chart_->render(&p, QRectF(QPointF(0, 0), chart_->size()));
}

bool ReceivingStatsView::savePdf(const QString& path) {
    QPdfWriter pdf(path);
    pdf.setPageOrientation(QPageLayout::Landscape);
    pdf.setResolution(150);
    QPainter test(&pdf);
    if (!test.isActive())
        return false;
    test.end();
    paintReport(pdf);
    return true;
}

bool ReceivingStatsView::savePng(const QString& path) {
    QImage image(std::max(table_->width(), chart_->width()) * 2,
                 (table_->height() + chart_->height()) * 2, QImage::Format_ARGB32);
    image.fill(Qt::white);
    paintReport(image);
    return image.save(path, "PNG");
}

void ReceivingStatsView::output(ReceivingStatsWindow::Output to) {
    using Output = ReceivingStatsWindow::Output;
    const QString year = logic_->Text1.text().trimmed();
    if (to == Output::Printer) {
        QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
        printer.setPageOrientation(QPageLayout::Landscape);
        paintReport(printer);
        return;
    }
    const bool pdf = to == Output::Pdf;
    const QString suffix = pdf ? QStringLiteral("pdf") : QStringLiteral("png");
    const auto path = ui::qt::askSaveFile(
        this, logic_->caption(), QStringLiteral("receiving-%1.%2").arg(year, suffix),
        pdf ? QStringLiteral("ไฟล์ PDF") : QStringLiteral("ไฟล์ภาพ PNG"), suffix);
    if (!path)
        return;
    if (pdf ? savePdf(*path) : savePng(*path))
        logic_->reportSaved(*path);
    else
        logic_->reportUnsaved(*path);
}

}  // namespace late
