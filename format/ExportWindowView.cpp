#include "format/ExportWindowView.h"

#include "ui/qt/OpenFileDialog.h"

namespace format {

bool ExportWindowView::load() {
    if (const auto folder = ui::qt::askFolder(parentWidget(), ExportWindow::caption()))
        logic_.exportTo(*folder);
    return false;
}

}  // namespace format
