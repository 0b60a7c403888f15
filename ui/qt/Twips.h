#pragma once

#include <QRect>
#include <QSize>

namespace ui::qt {

// Window geometry is given in twips (1440 to the inch); pixels follow the
// screen's logical resolution so windows keep their proportions.
int twips(int t);
QSize twipsSize(int width, int height);
QRect twipsRect(int left, int top, int width, int height);

}  // namespace ui::qt
