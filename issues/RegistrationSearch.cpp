#include "issues/RegistrationSearch.h"

#include "data/Barcode.h"
#include "ui/Services.h"

namespace issues {

RegistrationSearch::Found RegistrationSearch::find(const QString& text) const {
    const QString caption = QStringLiteral("ข้อผิดพลาด");
    Found found;
    if (text.trimmed().isEmpty()) {
        messages_.show(QStringLiteral("กรุณาพิมพ์รายชื่อวารสารที่ต้องการลงทะเบียน"), caption,
                       ui::msg::kStop);
        found.nothingTyped = true;
        return found;
    }
    const data::Barcode code = data::readBarcode(text);
    if (code.kind == data::Barcode::Kind::BadCheck) {
        messages_.show(QStringLiteral("รหัสแท่งไม่ถูกต้อง (เลขตรวจสอบไม่ตรง) กรุณาสแกนอีกครั้ง"), caption,
                       ui::msg::kStop);
        return found;
    }
    const TitleFinder finder(db_);
    if (code.kind == data::Barcode::Kind::Serial) {
        found.titles = finder.withCover(code.issn);
        found.scannedAddOn = code.addOn;
    } else {
        found.titles = finder.matching(text);
    }
    if (found.titles->firstPage().empty()) {
        found.titles.reset();
        messages_.show(QStringLiteral("ไม่พบรายชื่อวารสารนี้"), QStringLiteral("ไม่พบข้อมูล"),
                       ui::msg::kStop);
    }
    return found;
}

}  // namespace issues
