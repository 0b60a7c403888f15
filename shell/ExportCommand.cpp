#include "shell/ExportCommand.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "format/CsvExport.h"
#include "format/ImportError.h"

namespace shell {

int exportCsv(const QString& location, const QString& folder, QTextStream& out) {
    try {
        data::Database store(location);
        for (const format::ExportedTable& t : format::exportCsv(store, folder))
            out << QStringLiteral("%1: %2 แถว\n").arg(t.file, QString::number(t.rows));
        return 0;
    } catch (const format::ImportError& e) {
        out << e.message() << u'\n';
    } catch (const data::DbError& e) {
        out << QStringLiteral("อ่านฐานข้อมูลไม่ได้\n") << e.thaiMessage() << u'\n';
    }
    return 2;
}

}  // namespace shell
