#pragma once

#include <QString>
#include <memory>
#include <optional>

#include "ui/PageSurface.h"

namespace ui {

// Where a window's printed list goes: the default printer, or a PDF file the
// user names. Opening raises PrintError when the printer or file refuses.
class Printing {
  public:
    virtual ~Printing() = default;

    virtual bool hasDefaultPrinter() = 0;
    virtual std::unique_ptr<PageSurface> openDefaultPrinter() = 0;
    // The file the user chose to save into, starting from the proposed file
    // name; none when the user cancelled.
    virtual std::optional<QString> askPdfPath(const QString& proposedName) = 0;
    virtual std::unique_ptr<PageSurface> openPdf(const QString& path) = 0;
};

}  // namespace ui
