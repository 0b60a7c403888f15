#include "format/ImportWindow.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "format/ImportError.h"

namespace format {

void ImportWindow::tell(const QString& text, int style) {
    services_.messages.show(text, caption(), style);
}

bool ImportWindow::chooseFile(const QString& path, const ImportProgress& progress) {
    stage_ = Stage::NoFile;
    file_ = path;
    report_ = {};
    try {
        report_ = AccessImport::inspect(path, progress);
    } catch (const ImportError& e) {
        tell(e.message(), ui::msg::kStop);
        return false;
    }
    stage_ = Stage::Inspected;
    return true;
}

bool ImportWindow::importFile(const ImportProgress& progress) {
    if (!canImport())
        return false;
    try {
        data::Database store(services_.databasePath);
        report_ = AccessImport::run(file_, store, progress);
    } catch (const ImportError& e) {
        tell(e.message(), ui::msg::kStop);
        return false;
    } catch (const data::DbError& e) {
        tell(QStringLiteral("เปิดฐานข้อมูลไม่ได้\n%1").arg(e.thaiMessage()), ui::msg::kStop);
        return false;
    }
    stage_ = Stage::Imported;
    QString where;
    if (!report_.doubts.empty()) {
        reportPath_ = reportPathFor(services_.databasePath, QDateTime::currentDateTime());
        try {
            report_.writeCsv(reportPath_);
            where = QStringLiteral("\n\nรายการที่ควรตรวจอยู่ในแฟ้ม %1").arg(reportPath_);
        } catch (const ImportError& e) {
            reportPath_.clear();
            where = QStringLiteral("\n\n") + e.message();
        }
    }
    tell(QStringLiteral("นำเข้าข้อมูลเรียบร้อยแล้ว\n\n") + summary() + where, ui::msg::kInformation);
    return true;
}

QString ImportWindow::summary() const {
    if (stage_ == Stage::NoFile)
        return {};
    const QString version =
        QStringLiteral("แฟ้ม %1 (Access, Jet %2)\n").arg(file_, QString::number(report_.jetVersion));
    return version + report_.summary();
}

}  // namespace format
