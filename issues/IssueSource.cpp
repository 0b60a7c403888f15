#include "issues/IssueSource.h"

#include "data/DateText.h"

namespace issues {

QStringList IssueSource::cells(const ListedIssue& issue) {
    // The entry fields Text2 to Text7 follow these columns.
    const IssueRow& i = issue.row;
    return {i.magno,   data::reformatDate(i.daily), i.yearno,
            i.issueno, i.descriptionitem,           data::reformatDate(i.receivedate)};
}

std::vector<QStringList> IssueSource::rows(int offset, int limit) const {
    std::vector<QStringList> out;
    for (const ListedIssue& issue : register_.listedIssuesOf(pointer_, offset, limit))
        out.push_back(cells(issue));
    return out;
}

}  // namespace issues
