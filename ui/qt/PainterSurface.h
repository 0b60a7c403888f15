#pragma once

#include <QPainter>
#include <memory>

#include "ui/PageSurface.h"

class QPrinter;

namespace ui::qt {

// A page surface drawing on a QPrinter: the default printer or a PDF file.
// Positions are twips from the paper's corner, whatever the printer's
// resolution. Raises PrintError when the printer refuses the job.
class PainterSurface : public PageSurface {
  public:
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
    double scale_;  // device units per twip
};

}  // namespace ui::qt
