#include "ui/qt/QtPrinting.h"

#include <QApplication>
#include <QPrinter>
#include <QPrinterInfo>

#include "ui/qt/PainterSurface.h"
#include "ui/qt/SaveFileDialog.h"

namespace ui::qt {

bool QtPrinting::hasDefaultPrinter() {
    return !QPrinterInfo::defaultPrinter().isNull();
}

std::unique_ptr<PageSurface> QtPrinting::openDefaultPrinter() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        throw PrintError(QStringLiteral("ไม่พบเครื่องพิมพ์"));
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setPageSize(QPageSize(QPageSize::A4));
    return std::make_unique<PainterSurface>(std::move(printer));
}

std::optional<QString> QtPrinting::askPdfPath(const QString& proposedName) {
    return askSaveFile(QApplication::activeWindow(), QStringLiteral("บันทึกเป็นไฟล์ PDF"), proposedName,
                       QStringLiteral("ไฟล์ PDF"), QStringLiteral("pdf"));
}

std::unique_ptr<PageSurface> QtPrinting::openPdf(const QString& path) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setResolution(1440);
    // The margins a desk printer cannot reach, so the file prints as it shows.
    printer->setPageMargins(QMarginsF(6.35, 6.35, 6.35, 6.35), QPageLayout::Millimeter);
    try {
        return std::make_unique<PainterSurface>(std::move(printer));
    } catch (const PrintError&) {
        throw PrintError(QStringLiteral("ไม่สามารถบันทึกไฟล์ ") + path +
                         QStringLiteral(" ได้ กรุณาเลือกที่เก็บไฟล์อื่น"));
    }
}

}  // namespace ui::qt
