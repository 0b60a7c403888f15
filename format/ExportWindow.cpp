#include "format/ExportWindow.h"

#include <QStringList>

#include "data/Database.h"
#include "data/DbError.h"
#include "format/CsvExport.h"
#include "format/ImportError.h"

namespace format {

bool ExportWindow::exportTo(const QString& folder) {
    try {
        data::Database store(services_.databasePath);
        QStringList lines;
        for (const ExportedTable& t : exportCsv(store, folder))
            lines << QStringLiteral("%1: %2 แถว").arg(t.table).arg(t.rows);
        services_.messages.show(
            QStringLiteral("ส่งออกข้อมูลไว้ที่ %1 แล้ว\n\n%2").arg(folder, lines.join(u'\n')), caption(),
            ui::msg::kInformation);
        return true;
    } catch (const ImportError& e) {
        services_.messages.show(e.message(), caption(), ui::msg::kStop);
    } catch (const data::DbError& e) {
        services_.messages.show(QStringLiteral("อ่านฐานข้อมูลไม่ได้\n%1").arg(e.thaiMessage()),
                                caption(), ui::msg::kStop);
    }
    return false;
}

}  // namespace format
