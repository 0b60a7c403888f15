#include "issues/SavedRow.h"

#include "issues/IssueList.h"
#include "ui/Grid.h"

namespace issues {

std::optional<SavedRow::Place> SavedRow::find(data::Database& db, const QString& magno, bool added,
                                              const QString& entryPointer,
                                              const QString& listedPointer) const {
    const IssueRegister issues(db);
    const std::optional<ListedIssue> stored = issues.listedIssue(magno);
    if (!stored)
        return std::nullopt;
    const bool inPlace =
        added || (grid_.row() > 0 && grid_.textMatrix(grid_.row(), 0).trimmed() == magno.trimmed());
    if (stored->row.pointer.trimmed() != entryPointer.trimmed() ||
        listedPointer.trimmed() != entryPointer.trimmed() || !inPlace || list_.empty())
        return std::nullopt;
    const IssueRegister::Standing standing = issues.standingOf(*stored);
    if (!list_.inStep(standing.issues, added ? 1 : 0))
        return std::nullopt;
    return Place{*stored, standing.before};
}

}  // namespace issues
