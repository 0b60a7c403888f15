#include "issues/IssueList.h"

#include <algorithm>
#include <tuple>

#include "data/DateText.h"
#include "data/SortableDate.h"
#include "ui/Controls.h"
#include "ui/Grid.h"

namespace issues {

namespace {

constexpr int kBlankRows = 14;

// The register's list order: dated issues latest first, then the undated.
bool listedBefore(const ListedIssue& a, const ListedIssue& b) {
    const int dayA = data::sortableDay(a.row.daily);
    const int dayB = data::sortableDay(b.row.daily);
    return std::make_tuple(dayA == 0, -dayA, a.rowid) < std::make_tuple(dayB == 0, -dayB, b.rowid);
}

}  // namespace

void IssueList::setHeadings() {
    const int widths[] = {950, 1200, 600, 700, 5000};
    const QString headings[] = {QStringLiteral("เลขทะเบียน"), QStringLiteral("ประจำเดือน"),
                                QStringLiteral("ปีที่"), QStringLiteral("เล่มที่"),
                                QStringLiteral("คำอธิบาย")};
    for (int c = 0; c < 5; ++c) {
        grid_.setColWidth(c, widths[c]);
        grid_.setTextMatrix(0, c, headings[c]);
    }
    grid_.setColAlignment(4, ui::Grid::Align::LeftTop);
}

bool IssueList::show(std::vector<ListedIssue> issues) {
    if (issues.empty())
        return false;
    issues_ = std::move(issues);
    draw();
    return true;
}

void IssueList::put(const ListedIssue& issue) {
    std::erase_if(issues_, [&](const ListedIssue& listed) { return listed.rowid == issue.rowid; });
    issues_.insert(std::upper_bound(issues_.begin(), issues_.end(), issue, listedBefore), issue);
    draw();
}

bool IssueList::remove(const QString& magno) {
    auto first = issues_.end();
    for (auto it = issues_.begin(); it != issues_.end(); ++it)
        if (it->row.magno.trimmed() == magno.trimmed() &&
            (first == issues_.end() || it->rowid < first->rowid))
            first = it;
    if (first == issues_.end())
        return false;
    issues_.erase(first);
    if (issues_.empty())
        clear();
    else
        draw();
    return true;
}

void IssueList::clear() {
    issues_.clear();
    grid_.setDataRows(std::vector<QStringList>(kBlankRows - 1));
    latest_.setCaption({});
}

void IssueList::draw() {
    std::vector<QStringList> rows;
    rows.reserve(issues_.size());
    // The entry fields Text2 to Text7 follow these columns.
    for (const ListedIssue& listed : issues_) {
        const IssueRow& i = listed.row;
        rows.push_back({i.magno, data::reformatDate(i.daily), i.yearno, i.issueno,
                        i.descriptionitem, data::reformatDate(i.receivedate)});
    }
    grid_.setDataRows(std::move(rows));
    latest_.setCaption(QStringLiteral("   Magno= ") + grid_.textMatrix(1, 0) +
                       QStringLiteral("   Daily=  ") + grid_.textMatrix(1, 1) +
                       QStringLiteral("  :  ") + grid_.textMatrix(1, 4));
}

}  // namespace issues
