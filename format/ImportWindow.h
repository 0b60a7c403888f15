#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

#include "format/AccessImport.h"
#include "format/ImportReport.h"
#include "ui/Services.h"

namespace format {

// Brings the old program's Access file into this desk: the clerk picks the
// file, sees what it holds and the rows to look at before anything is
// written, imports it (and may stop while it goes in, leaving the store as
// it was), and ends with the summary and the report file.
class ImportWindow {
  public:
    enum class Stage { NoFile, Inspected, Imported };

    explicit ImportWindow(ui::Services& services) : services_(services) {}

    static QString caption() { return QStringLiteral("นำเข้าข้อมูลจากโปรแกรมเดิม"); }

    // The clerk picked this file: it is read whole, nothing written. False
    // when it will not do (the clerk was told why).
    bool chooseFile(const QString& path, const ImportProgress& progress = {});
    // Writes the file into the store in one transaction; false when refused
    // or stopped (the clerk was told, and the store is as it was).
    bool importFile(const ImportProgress& progress = {});

    Stage stage() const { return stage_; }
    bool canImport() const { return stage_ == Stage::Inspected; }
    QString file() const { return file_; }
    // What the file holds, or what came in; empty before a file is picked.
    const ImportReport& report() const { return report_; }
    QString summary() const;
    // The report file written beside the database after the import.
    QString reportPath() const { return reportPath_; }

  private:
    void tell(const QString& text, int style);

    ui::Services& services_;
    Stage stage_ = Stage::NoFile;
    QString file_;
    ImportReport report_;
    QString reportPath_;
};

}  // namespace format
