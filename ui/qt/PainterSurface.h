#pragma once

#include <QPainter>
#include <memory>

#include "ui/PageSurface.h"

class QPrinter;

namespace ui::qt {

// A page surface drawing on a QPrinter: the default printer or a PDF file.
// Positions are twips from the corner of the printer's printable area, at real
// size whatever the printer's resolution; the layout asks how much of the
// page it may fill. Raises PrintError when the printer refuses the job.
class PainterSurface : public PageSurface {
  public:
    explicit PainterSurface(std::unique_ptr<QPrinter> printer);
    ~PainterSurface() override;

    double printableWidth() const override { return printable_.width(); }
    double printableHeight() const override { return printable_.height(); }
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
    double scale_;      // device units per twip
    QSizeF printable_;  // twips
};

}  // namespace ui::qt
