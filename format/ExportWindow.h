#pragma once

#include <QString>

#include "ui/Services.h"

namespace format {

// Writes every table of the desk into a folder the clerk picks, one CSV
// file each, and says what was written.
class ExportWindow {
  public:
    explicit ExportWindow(ui::Services& services) : services_(services) {}

    static QString caption() { return QStringLiteral("ส่งออกข้อมูลทั้งหมดเป็นไฟล์ CSV"); }
    // False when nothing could be written (the clerk was told why).
    bool exportTo(const QString& folder);

  private:
    ui::Services& services_;
};

}  // namespace format
