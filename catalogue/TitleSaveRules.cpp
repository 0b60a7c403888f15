#include "catalogue/TitleSaveRules.h"

#include "catalogue/CodeTables.h"
#include "catalogue/TitleSearch.h"
#include "publishers/DealerTable.h"

namespace catalogue {

void TitleSaveRules::check(const TitleValues& v, bool adding) const {
    if (adding && TitleSearch(db_).nameTaken(v.name))
        throw TitleRefused(QStringLiteral("พบวารสารรายชื่อนี้ในฐานข้อมูล ไม่สามารถทำการเพิ่มรายชื่อใหม่ได้"),
                           QStringLiteral("Text2"));
    const publishers::DealerTable dealers(db_);
    if (!dealers.nameOf(v.publisherCode))
        throw TitleRefused(QStringLiteral("ไม่พบผู้จัดพิมพ์ชื่อนี้ กรุณาเลือกจากรายการ"),
                           QStringLiteral("Text10"));
    if (!dealers.nameOf(v.agentCode.trimmed()))
        throw TitleRefused(QStringLiteral("ไม่พบตัวแทน/ร้านค้าชื่อนี้ กรุณาเลือกจากรายการ"),
                           QStringLiteral("Text14"));
    struct Chosen {
        CodeTable table;
        const QString& code;
        const char* field;
        const char16_t* label;
    };
    const Chosen chosen[] = {
        {CodeTable::typemag, v.typeCode, "dlbtypemag", u"ชนิด"},
        {CodeTable::maglang, v.languageCode, "dcblanguage", u"ภาษา"},
        {CodeTable::magtype, v.magtypeCode, "dcbmagtype", u"กำหนดออก"},
        {CodeTable::department, v.departmentCode, "dcbdepart", u"คณะ/หน่วยงานที่บอกรับ"},
        {CodeTable::currmony, v.currencyCode, "dcbcurren", u"สกุลเงิน"},
        {CodeTable::receives, v.receiveCode, "dcbrecei", u"สถานภาพการบอกรับ"},
        {CodeTable::statustype, v.statusCode, "dcbstatus", u"สถานภาพสมาชิก"},
        {CodeTable::bindtype, v.bindTypeCode, "dcbbindsta", u"สถานภาพวารสาร"},
        {CodeTable::bindcolor, v.bindColorCode, "dcbbindco", u"สีปก"},
    };
    for (const Chosen& c : chosen)
        if (!codeExists(db_, c.table, c.code)) {
            const QString label = QString::fromUtf16(c.label);
            throw TitleRefused(c.code.trimmed().isEmpty()
                                   ? QStringLiteral("กรุณาเลือก %1 จากรายการ").arg(label)
                                   : QStringLiteral("ไม่พบรหัส %1 ของ %2 ในตารางรหัสแล้ว กรุณาเลือกใหม่")
                                         .arg(c.code.trimmed(), label),
                               QString::fromLatin1(c.field));
        }
}

}  // namespace catalogue
