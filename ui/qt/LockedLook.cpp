#include "ui/qt/LockedLook.h"

#include <QPalette>
#include <QWidget>

#include "ui/Control.h"

namespace ui::qt {

namespace {

const QColor kLockedText(32, 32, 32);
const QColor kLockedMark(96, 96, 96);

}  // namespace

QColor fromBgr(int bgr) {
    return QColor(bgr & 0xff, (bgr >> 8) & 0xff, (bgr >> 16) & 0xff);
}

void lockedLook(QWidget* w) {
    QPalette pal = w->palette();
    const QColor locked = fromBgr(kLockedColor);
    for (auto role : {QPalette::Base, QPalette::Button, QPalette::AlternateBase})
        pal.setColor(QPalette::Disabled, role, locked);
    for (auto role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
        pal.setColor(QPalette::Disabled, role, kLockedText);
    // A chosen row of a locked list stays visible and readable.
    pal.setColor(QPalette::Disabled, QPalette::Highlight, kLockedMark);
    pal.setColor(QPalette::Disabled, QPalette::HighlightedText, Qt::white);
    w->setPalette(pal);
}

void paintBase(QWidget* w, int bgr) {
    QPalette pal = w->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive})
        pal.setColor(group, QPalette::Base, fromBgr(bgr));
    w->setPalette(pal);
}

}  // namespace ui::qt
