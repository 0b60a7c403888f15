#pragma once

#include "format/ExportWindow.h"
#include "ui/qt/FormView.h"

namespace format {

// The CSV export has no window of its own: the folder dialog, then the
// message saying what was written.
class ExportWindowView : public ui::qt::FormView {
    Q_OBJECT
  public:
    explicit ExportWindowView(ui::Services& services, QWidget* parent = nullptr)
        : FormView(parent), logic_(services) {}

    // Never shown: false once the folder was asked and the files written.
    bool load() override;

  private:
    ExportWindow logic_;
};

}  // namespace format
