#pragma once

#include <QColor>

class QWidget;

namespace ui::qt {

// A colour as the windows store it (0x00BBGGRR).
QColor fromBgr(int bgr);

// Every locked field looks the same in every window: dark text on the locked
// grey, whatever colour the field has while it is open for entry.
void lockedLook(QWidget* w);
// The field's background while it is open for entry.
void paintBase(QWidget* w, int bgr);

}  // namespace ui::qt
