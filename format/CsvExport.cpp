#include "format/CsvExport.h"

#include <QDir>

#include "data/Database.h"
#include "data/Schema.h"
#include "format/Csv.h"
#include "format/ImportError.h"

namespace format {

std::vector<ExportedTable> exportCsv(data::Database& store, const QString& folder) {
    if (!QDir().mkpath(folder))
        throw ImportError(QStringLiteral("สร้างโฟลเดอร์ %1 ไม่ได้").arg(folder));
    const QDir dir(folder);
    std::vector<ExportedTable> written;
    data::Transaction snapshot(store);
    for (const QString& table : data::tableNames()) {
        const QStringList columns = data::columnNames(table);
        ExportedTable done{table, dir.filePath(table + QStringLiteral(".csv")), 0};
        CsvFile csv(done.file);
        csv.writeLine(columns);
        const QByteArray select = QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid")
                                      .arg(columns.join(QStringLiteral(", ")), table)
                                      .toUtf8();
        store.forEach(select.constData(), {}, [&](data::Row&& row) {
            QStringList fields;
            fields.reserve(row.size());
            for (int c = 0; c < row.size(); ++c)
                fields << row.text(c);
            csv.writeLine(fields);
            ++done.rows;
        });
        csv.close();
        written.push_back(done);
    }
    return written;
}

}  // namespace format
