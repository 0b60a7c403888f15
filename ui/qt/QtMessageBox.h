#pragma once

#include <QPointer>
#include <QWidget>

#include "ui/Services.h"

namespace ui::qt {

// Modal message boxes with Thai buttons and the icon of each style.
class QtMessageBox : public MessageBox {
  public:
    int show(const QString& text, const QString& caption, int style) override;
};

}  // namespace ui::qt
