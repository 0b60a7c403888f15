#include "ui/PageSurface.h"

namespace ui {

namespace {

// Whether a cut before position i would split a character from its marks
// (Thai vowels and tones above and below) or a surrogate pair.
bool insideCluster(const QString& text, qsizetype i) {
    return i > 0 && i < text.size() && (text.at(i).isMark() || text.at(i).isLowSurrogate());
}

}  // namespace

QString PageSurface::elided(const QString& text, double room) {
    if (textWidth(text) <= room)
        return text;
    QString shown;
    qsizetype keep = text.size();
    do {
        --keep;
        while (insideCluster(text, keep))
            --keep;
        shown = text.left(keep).trimmed() + QStringLiteral("…");
    } while (keep > 0 && textWidth(shown) > room);
    return shown;
}

void PageSurface::print(const QString& text) {
    draw(text);
    currentX = 0;
    currentY += textHeight(text);
}

double RecordingSurface::textHeight(const QString&) {
    return fontSize * 20;
}

double RecordingSurface::textWidth(const QString& text) {
    return fontSize * 20 * 0.5 * static_cast<double>(text.size());
}

void RecordingSurface::draw(const QString& text) {
    printed.push_back(
        {page, currentX, currentY, text, fontName, fontSize, fontBold, fontUnderline});
}

}  // namespace ui
