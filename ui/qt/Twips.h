#pragma once

#include <QRect>
#include <QSize>
#include <QWidget>

namespace ui::qt {

// Window geometry is given in twips (1440 to the inch); pixels follow the
// screen's logical resolution so windows keep their proportions.
int twips(int t);
QSize twipsSize(int width, int height);
QRect twipsRect(int left, int top, int width, int height);

// A new widget of kind W on `parent`, at a place given in twips.
template <typename W>
W* place(QWidget* parent, int left, int top, int width, int height) {
    auto* w = new W(parent);
    w->setGeometry(twipsRect(left, top, width, height));
    return w;
}

}  // namespace ui::qt
