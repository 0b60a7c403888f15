#include "ui/qt/FormView.h"

#include <QMdiSubWindow>

namespace ui::qt {

void FormView::closeWindow() {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->close();
    else
        close();
}

}  // namespace ui::qt
