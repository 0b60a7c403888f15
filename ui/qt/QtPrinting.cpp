#include "ui/qt/QtPrinting.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLocale>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

#include "ui/qt/PainterSurface.h"

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
    // Qt's own dialog, so that every caption in it can be Thai.
    QFileDialog dialog(QApplication::activeWindow(), QStringLiteral("บันทึกเป็นไฟล์ PDF"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setLocale(QLocale(QLocale::Thai, QLocale::Thailand));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("บันทึกใน:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("ชื่อไฟล์:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("ชนิดไฟล์:"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("บันทึก"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("ยกเลิก"));
    dialog.setNameFilter(QStringLiteral("ไฟล์ PDF (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    // Never the folder the program happened to start from.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    dialog.setDirectory(!documents.isEmpty() && QDir(documents).exists() ? documents
                                                                         : QDir::homePath());
    dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    QString path = dialog.selectedFiles().constFirst();
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    return path;
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
