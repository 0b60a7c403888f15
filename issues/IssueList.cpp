#include "issues/IssueList.h"

#include "issues/IssueSource.h"
#include "ui/Controls.h"
#include "ui/Grid.h"

namespace issues {

namespace {
constexpr int kBlankRows = 14;
}

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

IssueList::Shown IssueList::show(std::shared_ptr<ui::RowSource> issues) {
    if (!grid_.setSource(std::move(issues)))
        return Shown::Failed;
    if (empty()) {
        clear();
        return Shown::None;
    }
    nameLatest();
    return Shown::Issues;
}

void IssueList::put(const ListedIssue& issue, int place, bool joins) {
    grid_.moveRow(joins ? -1 : grid_.row(), place + 1, IssueSource::cells(issue));
    nameLatest();
}

void IssueList::remove(int place) {
    grid_.moveRow(place + 1, -1, {});
    if (empty())
        clear();
    else
        nameLatest();
}

bool IssueList::inStep(int stored, int change) const {
    return grid_.counted() && grid_.total() + change == stored;
}

void IssueList::clear() {
    grid_.setDataRows(std::vector<QStringList>(kBlankRows - 1));
    latest_.setCaption({});
}

bool IssueList::empty() const {
    return !grid_.paged() || grid_.rows() < 2;
}

void IssueList::nameLatest() {
    latest_.setCaption(QStringLiteral("   Magno= ") + grid_.textMatrix(1, 0) +
                       QStringLiteral("   Daily=  ") + grid_.textMatrix(1, 1) +
                       QStringLiteral("  :  ") + grid_.textMatrix(1, 4));
}

}  // namespace issues
