#include "issues/IssueDeleteQuestion.h"

#include <QString>

#include "ui/Services.h"

namespace issues {

bool IssueDeleteQuestion::confirmed(int articles) const {
    const QString caption = QStringLiteral(" ยืนยันการลบข้อมูล");
    if (articles > 0 && messages_.show(QStringLiteral("ฉบับนี้มีบทความที่ทำดัชนีไว้ %1 รายการ"
                                                      " ถ้าลบฉบับนี้ บทความเหล่านั้นจะถูกลบด้วย")
                                           .arg(articles),
                                       caption, ui::msg::kQuestion) != ui::msg::kOk)
        return false;
    return messages_.show(QStringLiteral("ต้องการลบข้อมูลวารสารเลขทะเบียนนี้หรือไม่"), caption,
                          ui::msg::kQuestion) == ui::msg::kOk;
}

}  // namespace issues
