#include "issues/IssueDelete.h"

#include "issues/IssueList.h"
#include "issues/IssueRegister.h"
#include "ui/Services.h"

namespace issues {

IssueDelete::Result IssueDelete::remove(const QString& magno, const QString& listedPointer,
                                        const IssueList& list) const {
    Result result;
    IssueRegister issues(db_);
    const std::optional<ListedIssue> stored = issues.listedIssue(magno);
    if (stored && stored->row.pointer.trimmed() == listedPointer.trimmed() && !list.empty())
        result.place = issues.placeOf(*stored);
    result.deleted = issues.deleteIssue(magno);
    if (result.place && !list.inStep(issues.issueCount(listedPointer), -1))
        result.place.reset();
    const QString caption = QStringLiteral("ผลการลบข้อมูล");
    if (result.deleted)
        messages_.show(QStringLiteral("ทำการลบข้อมูลเรียบร้อยแล้ว"), caption, ui::msg::kInformation);
    else if (!magno.trimmed().isEmpty())
        messages_.show(QStringLiteral("ไม่พบฉบับเลขทะเบียน %1 ในทะเบียนแล้ว อาจถูกลบจากเครื่องอื่น")
                           .arg(magno.trimmed()),
                       caption, ui::msg::kStop);
    return result;
}

}  // namespace issues
