#pragma once

#include <QPainter>
#include <memory>

#include "ui/PageSurface.h"

class QPrinter;

namespace ui::qt {

// A page surface drawing on a QPrinter: the default printer or a PDF file.
// Positions are twips from the paper's corner, whatever the printer's
// resolution. The page is a Legal sheet (8.5 x 14 inches), tall enough for
// 32 lines at 16 point in the Thai font that prints; shorter paper gets the
// whole page reduced to fit. Raises PrintError when the printer refuses the
// job.
class PainterSurface : public PageSurface {
  public:
    static constexpr double kPageWidth = 12240, kPageHeight = 20160;

    explicit PainterSurface(std::unique_ptr<QPrinter> printer);
    ~PainterSurface() override;

    double textHeight(const QString& text) override;
    double textWidth(const QString& text) override;
    void newPage() override;
    void endDoc() override;

  protected:
    void draw(const QString& text) override;

  private:
    QFont currentFont() const;
    double toDevice(double twips) const { return twips * scale_; }

    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    double scale_;  // device units per twip, before any reduction
};

}  // namespace ui::qt
