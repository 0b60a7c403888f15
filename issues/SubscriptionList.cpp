#include "issues/SubscriptionList.h"

#include "issues/TitleFinder.h"
#include "issues/TitleMatchSource.h"
#include "ui/Grid.h"

namespace issues {

namespace {

using namespace matchCol;
constexpr int kBlankRows = 14;

}  // namespace

void SubscriptionList::setHeadings() {
    grid_.setColWidth(name, 3500);
    grid_.setColWidth(department, 6000);
    grid_.setTextMatrix(0, name, QStringLiteral("ชื่อวาสาร"));
    grid_.setTextMatrix(0, department, QStringLiteral("คณะที่บอกรับ"));
}

void SubscriptionList::show(const std::vector<TitleMatch>& found) {
    std::vector<QStringList> rows;
    rows.reserve(found.size());
    for (const TitleMatch& m : found)
        rows.push_back({m.name, m.departmentName, m.pointer, m.departmentCode});
    grid_.setDataRows(std::move(rows));
}

bool SubscriptionList::show(std::shared_ptr<TitleMatchSource> found) {
    return grid_.setSource(std::move(found));
}

bool SubscriptionList::single() const {
    return grid_.counted() && grid_.total() == 1;
}

void SubscriptionList::clear() {
    grid_.setDataRows(std::vector<QStringList>(kBlankRows - 1));
}

Subscription SubscriptionList::at(int row) const {
    return {grid_.textMatrix(row, pointer), grid_.textMatrix(row, departmentCode),
            grid_.textMatrix(row, name)};
}

}  // namespace issues
