#include "exchange/ImportReport.h"

#include "exchange/MarcImport.h"

namespace exchange {

QStringList importReport(const ImportPlan& plan) {
    QStringList lines;
    for (const ImportedTitle& t : plan.titles)
        lines << QStringLiteral("เพิ่ม: %1%2 (%3)")
                     .arg(t.values.name,
                          t.values.issn.isEmpty() ? QString()
                                                  : QStringLiteral(" ISSN ") + t.values.issn,
                          t.newspaper ? QStringLiteral("หนังสือพิมพ์") : QStringLiteral("วารสาร"));
    for (const SkippedTitle& s : plan.skipped)
        lines << (s.existingKey.isEmpty()
                      ? QStringLiteral("ข้าม: %1 ซ้ำกับระเบียนก่อนหน้าในแฟ้ม").arg(s.name)
                      : QStringLiteral("ข้าม: %1 มีอยู่แล้วเป็นเลขทะเบียน %2").arg(s.name, s.existingKey));
    lines << QStringLiteral(
                 "วารสารที่จะเพิ่ม %1 รายการ ข้ามเพราะซ้ำ %2 รายการ "
                 "ข้ามระเบียนที่ไม่ใช่วารสาร (หนังสือ ฯลฯ) %3 รายการ")
                 .arg(plan.titles.size())
                 .arg(plan.skipped.size())
                 .arg(plan.otherRecords);
    if (!plan.titles.empty())
        lines << subscriptionNeeded();
    return lines;
}

QString subscriptionNeeded() {
    return QStringLiteral(
        "วารสารที่นำเข้ายังไม่มีคณะ/หน่วยงานที่บอกรับ ต้องเลือกคณะ/หน่วยงานที่บอกรับในหน้าจอ"
        " เพิ่ม/แก้ไข ข้อมูลวารสาร ก่อนจึงจะลงทะเบียนวารสารได้");
}

}  // namespace exchange
