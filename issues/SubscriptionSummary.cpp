#include "issues/SubscriptionSummary.h"

#include "holdings/HoldingsStatement.h"
#include "issues/SubscriptionList.h"
#include "patterns/ExpectedIssueProposal.h"
#include "ui/Controls.h"
#include "ui/Grid.h"

namespace issues {

void SubscriptionSummary::show(data::Database& db, const Subscription& s, QDate today) {
    clear();
    patterns::ExpectedIssueProposal(db, s.pointer, s.department, today).showIn(expected_);
    holdings_.setCaption(QStringLiteral("ฉบับที่มี: ") +
                         holdings::HoldingsStatement(db).of(s.pointer, s.department, today));
}

void SubscriptionSummary::clear() {
    expected_.setDataRows({});
    holdings_.setCaption({});
}

}  // namespace issues
