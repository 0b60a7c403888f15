#include "issues/IssueSave.h"

#include "ui/Services.h"

namespace issues {

namespace {

const QString kResultCaption = QStringLiteral("ผลการบันทึก");

}  // namespace

bool IssueSave::complete(ui::MessageBox& messages, const QString& magno, bool adding,
                         const QString& pointer) {
    QString problem;
    if (magno.trimmed().isEmpty())
        problem = QStringLiteral("ไม่มีเลขทะเบียน กรุณากด ยกเลิก แล้วเริ่มลงทะเบียนใหม่");
    else if (adding && pointer.trimmed().isEmpty())
        problem = QStringLiteral("ยังไม่ได้เลือกรายชื่อวารสาร กรุณาเลือกรายชื่อวารสารก่อนลงทะเบียน");
    if (problem.isEmpty())
        return true;
    messages.show(problem, QStringLiteral("ข้อมูลไม่ครบ"), ui::msg::kStop);
    return false;
}

IssueSave::Result IssueSave::add(const IssueRow& issue, const QString& titleName) {
    QString stored;
    try {
        stored = IssueRegister(db_).addIssue(issue);
    } catch (const RegisterChanged& e) {
        return changed(e.change(), issue.magno, titleName);
    } catch (const CounterExhausted& e) {
        messages_.show(QStringLiteral("ตัวนับเลขทะเบียน \"%1\" ไม่ใช่ตัวเลขหรือถึงเลขสูงสุดแล้ว"
                                      " จึงออกเลขทะเบียนใหม่ไม่ได้ ฉบับนี้ยังไม่ได้บันทึก")
                           .arg(e.counter()),
                       kResultCaption, ui::msg::kStop);
        return {Outcome::Refused, {}};
    }
    if (stored != issue.magno)
        messages_.show(QStringLiteral("เลขทะเบียน %1 ถูกใช้ไปแล้ว ฉบับนี้บันทึกเป็นเลขทะเบียน %2")
                           .arg(issue.magno, stored),
                       kResultCaption, ui::msg::kInformation);
    return saved(stored, QStringLiteral("บันทึกข้อมูลลงทะเบียนวารสารเรียบร้อยแล้ว"));
}

IssueSave::Result IssueSave::correct(const QString& magno, const IssueChanges& changes,
                                     const QString& titleName) {
    bool updated = false;
    try {
        updated = IssueRegister(db_).updateIssue(magno, changes);
    } catch (const RegisterChanged& e) {
        return changed(e.change(), magno, titleName);
    }
    if (!updated)
        return changed(RegisterChanged::What::IssueGone, magno, titleName);
    return saved(magno, QStringLiteral("บันทึกข้อมูลที่ทำการแก้ไขแล้ว"));
}

IssueSave::Result IssueSave::saved(const QString& magno, const QString& message) {
    messages_.show(message, kResultCaption, ui::msg::kInformation);
    return {Outcome::Saved, magno};
}

IssueSave::Result IssueSave::changed(RegisterChanged::What what, const QString& magno,
                                     const QString& titleName) {
    const QString name = titleName.trimmed();
    QString text;
    switch (what) {
        case RegisterChanged::What::TitleGone:
            text = QStringLiteral("รายชื่อวารสาร \"%1\" ถูกลบไปแล้วจากเครื่องอื่น").arg(name);
            break;
        case RegisterChanged::What::SubscriptionGone:
            text = QStringLiteral("การบอกรับ \"%1\" ของคณะ/หน่วยงานนี้ถูกลบไปแล้วจากเครื่องอื่น").arg(name);
            break;
        case RegisterChanged::What::IssueGone:
            text = QStringLiteral("ฉบับเลขทะเบียน %1 ถูกลบไปแล้วจากเครื่องอื่น").arg(magno.trimmed());
            break;
    }
    messages_.show(text + QStringLiteral(" รายการนี้จึงยังไม่ได้บันทึก"), kResultCaption, ui::msg::kStop);
    return {Outcome::Changed, {}};
}

}  // namespace issues
