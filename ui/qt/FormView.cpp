#include "ui/qt/FormView.h"

#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QPushButton>

namespace ui::qt {

void FormView::closeWindow() {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->close();
    else
        close();
}

void FormView::useWindowKeys() {
    // Outside a dialog a push button ignores Enter unless it is auto-default.
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(true);
    escapeCloses_ = true;
}

void FormView::keyPressEvent(QKeyEvent* event) {
    if (escapeCloses_ && event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        closeWindow();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace ui::qt
