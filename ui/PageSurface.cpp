#include "ui/PageSurface.h"

namespace ui {

void PageSurface::print(const QString& text) {
    draw(text);
    currentX = 0;
    currentY += textHeight(text);
}

double RecordingSurface::textHeight(const QString&) {
    return fontSize * 20;
}

double RecordingSurface::textWidth(const QString& text) {
    return fontSize * 20 * 0.5 * text.size();
}

void RecordingSurface::draw(const QString& text) {
    printed.push_back(
        {page, currentX, currentY, text, fontName, fontSize, fontBold, fontUnderline});
}

}  // namespace ui
