#include "titlelist/TitleListPrint.h"

#include "late/LateCsv.h"
#include "ui/TablePrint.h"

namespace titlelist {

namespace {

QStringList headings() {
    return {QStringLiteral("ชื่อวารสาร/สิ่งพิมพ์"), QStringLiteral("ISSN"),
            QStringLiteral("กำหนดออก"),       QStringLiteral("สำนักพิมพ์"),
            QStringLiteral("คณะ/หน่วยงาน"),    QStringLiteral("ระยะเวลาบอกรับ"),
            QStringLiteral("ฉบับที่มี")};
}

QStringList texts(const TitleLine& l) {
    return {l.name, l.issn, l.frequency, l.publisher, l.faculty, l.period, l.holdings};
}

}  // namespace

QByteArray titleListCsv(const std::vector<TitleLine>& lines) {
    QByteArray csv = "\xEF\xBB\xBF";
    csv += late::csvLine(QStringList{QStringLiteral("รหัส")} + headings());
    for (const TitleLine& l : lines)
        csv += late::csvLine(QStringList{l.pointer} + texts(l));
    return csv;
}

void printTitleList(ui::PageSurface& surface, const std::vector<TitleLine>& lines,
                    const QString& scope, QDate today) {
    ui::PrintedTable table{QStringLiteral("รายชื่อวารสารและสิ่งพิมพ์"),
                           scope,
                           headings(),
                           {0, 0.21, 0.30, 0.37, 0.50, 0.62, 0.735, 1},
                           {}};
    table.rows.reserve(lines.size());
    for (const TitleLine& l : lines)
        table.rows.push_back(texts(l));
    ui::TablePrint(surface).print(table, today);
}

}  // namespace titlelist
