#pragma once

#include <QStringList>

#include "ui/PageSurface.h"

namespace ui {

// The text in lines no wider than `room` in the surface's current font,
// broken where Thai and other scripts may break a line, and inside a word
// only when the word alone is too wide; a letter keeps its marks.
QStringList wrappedLines(PageSurface& surface, const QString& text, double room);

}  // namespace ui
