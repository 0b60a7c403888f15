#include "shell/ImportCommand.h"

#include <QDateTime>

#include "data/Database.h"
#include "data/DatabaseFile.h"
#include "data/DbError.h"
#include "format/AccessImport.h"
#include "format/ImportError.h"

namespace shell {

int importAccess(const QString& location, const QString& file, QTextStream& out) {
    try {
        data::prepareDatabase(location);
        data::Database store(location);
        const format::ImportReport report = format::AccessImport::run(file, store);
        out << QStringLiteral("นำเข้าข้อมูลจาก %1 แล้ว\n").arg(file) << report.summary() << u'\n';
        if (!report.doubts.empty()) {
            const QString path = format::reportPathFor(location, QDateTime::currentDateTime());
            report.writeCsv(path);
            out << QStringLiteral("รายการที่ควรตรวจอยู่ในแฟ้ม %1\n").arg(path);
        }
        return 0;
    } catch (const format::ImportError& e) {
        out << e.message() << u'\n';
    } catch (const data::DbError& e) {
        out << QStringLiteral("เปิดฐานข้อมูลไม่ได้\n") << e.thaiMessage() << u'\n';
    }
    return 2;
}

}  // namespace shell
