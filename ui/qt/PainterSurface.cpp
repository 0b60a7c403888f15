#include "ui/qt/PainterSurface.h"

#include <QFontMetricsF>
#include <QPrinter>

namespace ui::qt {

namespace {
const QString kRefused = QStringLiteral("เครื่องพิมพ์ไม่รับงานพิมพ์ กรุณาตรวจสอบเครื่องพิมพ์แล้วลองใหม่");
}

PainterSurface::PainterSurface(std::unique_ptr<QPrinter> printer)
    : printer_(std::move(printer)), scale_(printer_->resolution() / 1440.0) {
    // Without full-page mode the painter's origin is the printable area's corner.
    printer_->setFullPage(false);
    const QRectF area = printer_->pageRect(QPrinter::Inch);
    printable_ = QSizeF(area.width() * 1440, area.height() * 1440);
    if (!painter_.begin(printer_.get()))
        throw PrintError(kRefused);
}

PainterSurface::~PainterSurface() {
    if (painter_.isActive()) {
        printer_->abort();
        painter_.end();
    }
}

QFont PainterSurface::currentFont() const {
    QFont font(fontName);
    font.setPointSizeF(fontSize);
    font.setBold(fontBold);
    font.setUnderline(fontUnderline);
    return font;
}

double PainterSurface::textHeight(const QString&) {
    return QFontMetricsF(currentFont(), printer_.get()).height() / scale_;
}

double PainterSurface::textWidth(const QString& text) {
    return QFontMetricsF(currentFont(), printer_.get()).horizontalAdvance(text) / scale_;
}

void PainterSurface::draw(const QString& text) {
    const QFont font = currentFont();
    painter_.setFont(font);
    const double ascent = QFontMetricsF(font, printer_.get()).ascent();
    painter_.drawText(QPointF(toDevice(currentX), toDevice(currentY) + ascent), text);
}

void PainterSurface::newPage() {
    if (!printer_->newPage())
        throw PrintError(kRefused);
    currentX = 0;
    currentY = 0;
}

void PainterSurface::endDoc() {
    if (!painter_.end())
        throw PrintError(kRefused);
}

}  // namespace ui::qt
