#pragma once

#include "ui/Printing.h"

class QWidget;

namespace ui::qt {

// The system's default printer and PDF files through Qt; the PDF path is
// asked for in a file dialog.
class QtPrinting : public Printing {
  public:
    bool hasDefaultPrinter() override;
    std::unique_ptr<PageSurface> openDefaultPrinter() override;
    std::optional<QString> askPdfPath(const QString& proposedName) override;
    std::unique_ptr<PageSurface> openPdf(const QString& path) override;
};

}  // namespace ui::qt
