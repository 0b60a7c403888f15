#include "titlelist/TitleListPrint.h"

#include "late/LateCsv.h"
#include "titlelist/TitleListRecords.h"

namespace titlelist {

namespace {

QStringList headings() {
    return {QStringLiteral("ชื่อวารสาร/สิ่งพิมพ์"), QStringLiteral("ISSN"),
            QStringLiteral("กำหนดออก"),       QStringLiteral("สำนักพิมพ์"),
            QStringLiteral("คณะ/หน่วยงาน"),    QStringLiteral("ระยะเวลาบอกรับ"),
            QStringLiteral("ฉบับที่มี")};
}

}  // namespace

bool writeTitleListCsv(QIODevice& out, const TitleRows& rows) {
    bool written = out.write("\xEF\xBB\xBF") == 3 &&
                   out.write(late::csvLine(QStringList{QStringLiteral("รหัส")} + headings())) >= 0;
    rows([&](const QStringList& cells) {
        if (written)
            written = out.write(late::csvLine(cells.mid(0, col::kColumns))) >= 0;
    });
    return written;
}

void printTitleList(ui::PageSurface& surface, const TitleRows& rows, const QString& scope,
                    QDate today) {
    ui::PrintedTable table{QStringLiteral("รายชื่อวารสารและสิ่งพิมพ์"),
                           scope,
                           headings(),
                           {0, 0.21, 0.30, 0.37, 0.50, 0.62, 0.735, 1},
                           {}};
    ui::TablePrint(surface).print(table, today, [&rows](const ui::EachRow& each) {
        rows([&](const QStringList& cells) { each(cells.mid(col::name, col::kColumns - 1)); });
    });
}

}  // namespace titlelist
