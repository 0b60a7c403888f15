#include "format/ImportReport.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include "data/Database.h"
#include "data/DatabaseFile.h"
#include "format/Csv.h"

namespace format {

qint64 ImportReport::rowsRead() const {
    qint64 total = 0;
    for (const TableRows& t : tables)
        total += t.read;
    return total;
}

QString ImportReport::summary() const {
    QStringList lines;
    for (const TableRows& t : tables)
        lines << QStringLiteral("%1: %2 แถว").arg(t.table).arg(t.read);
    lines << QStringLiteral("รวม %1 แถว นำเข้าทุกแถว").arg(rowsRead());
    lines << (doubts.empty()
                  ? QStringLiteral("ไม่มีแถวที่ควรตรวจ")
                  : QStringLiteral("แถวที่ควรตรวจ %1 รายการ (นำเข้าตามที่เก็บไว้)").arg(doubts.size()));
    return lines.join(u'\n');
}

void ImportReport::writeCsv(const QString& path) const {
    CsvFile csv(path);
    csv.writeLine({QStringLiteral("ตาราง"), QStringLiteral("แถวที่"), QStringLiteral("รหัส"),
                   QStringLiteral("คอลัมน์"), QStringLiteral("ค่า"), QStringLiteral("เหตุผล")});
    for (const DoubtfulRow& d : doubts)
        csv.writeLine({d.table, d.row ? QString::number(d.row) : QString(), d.key, d.column,
                       d.value, d.reason});
    csv.close();
}

QString reportPathFor(const QString& databaseLocation, const QDateTime& when) {
    const QString file =
        data::isPostgresLocation(databaseLocation) ? data::defaultDatabasePath() : databaseLocation;
    const QDir folder = QFileInfo(file).absoluteDir();
    QDir().mkpath(folder.path());
    return folder.filePath(QStringLiteral("import-report-%1.csv")
                               .arg(when.toString(QStringLiteral("yyyyMMdd-HHmmss"))));
}

}  // namespace format
