#include "catalogue/DeleteQuestion.h"

#include "catalogue/TitleRecords.h"
#include "ui/Services.h"

namespace catalogue {

bool DeleteQuestion::confirmed(const QString& key, const QString& name) {
    const QString caption = QStringLiteral("ลบข้อมูล");
    const TitleRecords::Holdings held = TitleRecords(db_).holdings(key);
    const QString question =
        QStringLiteral("ต้องการลบข้อมูลหรือไม่\n%1 %2\nการบอกรับ %3 รายการ ฉบับที่ลงทะเบียนแล้ว %4 ฉบับ")
            .arg(key, name, QString::number(held.subscriptions), QString::number(held.issues));
    if (messages_.show(question, caption, ui::msg::kConfirm) != ui::msg::kOk)
        return false;
    if (held.issues == 0)
        return true;
    return messages_.show(QStringLiteral("วารสาร %1 มีฉบับที่ลงทะเบียนแล้ว %2 ฉบับ ซึ่งจะยังอยู่ในทะเบียน"
                                         "และสถิติการรับ แต่ไม่มีรายชื่อวารสารแล้ว\nยืนยันการลบอีกครั้งหรือไม่")
                              .arg(key, QString::number(held.issues)),
                          caption, ui::msg::kConfirm) == ui::msg::kOk;
}

}  // namespace catalogue
