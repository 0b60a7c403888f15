#include "issues/SubscriptionSummary.h"

#include "issues/SubscriptionList.h"
#include "ui/Controls.h"
#include "ui/Grid.h"

namespace issues {

void SubscriptionSummary::show(data::Database& db, const Subscription& s, QDate today) {
    try {
        read_.emplace(db, s.pointer, s.department, today);
        labels_ = holdings::HoldingsStatement(db).labelsOf(s.pointer);
    } catch (...) {
        // Nothing of the title before stays beside another.
        clear();
        throw;
    }
    paint();
}

void SubscriptionSummary::added(const patterns::RegisteredNumbers& numbers) {
    if (!read_)
        return;
    read_->addRegistered(numbers);
    paint();
}

void SubscriptionSummary::paint() {
    std::vector<QStringList> rows = read_->listRows();
    if (shown_ != rows) {
        patterns::ExpectedIssueProposal::setHeadings(expected_);
        expected_.setDataRows(rows);
        shown_ = std::move(rows);
    }
    holdings_.setCaption(QStringLiteral("ฉบับที่มี: ") + holdings::holdingsStatement(*read_, labels_));
}

void SubscriptionSummary::clear() {
    read_.reset();
    shown_.reset();
    expected_.setDataRows({});
    holdings_.setCaption({});
}

}  // namespace issues
