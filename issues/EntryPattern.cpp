#include "issues/EntryPattern.h"

#include "issues/IssueEntry.h"
#include "issues/SubscriptionList.h"
#include "patterns/ExpectedIssueProposal.h"

namespace issues {

bool EntryPattern::propose(data::Database& db, const QString& addOn) const {
    const patterns::ExpectedIssueProposal expected(db, subscription_.pointer,
                                                   subscription_.department, today_);
    const std::optional<patterns::ProposedFields> proposed =
        addOn.isEmpty() ? expected.next() : expected.withNumber(addOn);
    if (!proposed)
        return false;
    fields_.propose(*proposed);
    return true;
}

void EntryPattern::askAboutSkipped(data::Database& db, ui::MessageBox& messages) {
    const IssueRow typed = fields_.issue(subscription_);
    skipped_ =
        patterns::ExpectedIssueProposal(db, subscription_.pointer, subscription_.department, today_)
            .askAboutSkipped(messages, typed.yearno, typed.issueno);
}

void EntryPattern::markSkipped(data::Database& db) const {
    patterns::ExpectedIssueProposal(db, subscription_.pointer, subscription_.department, today_)
        .markMissing(skipped_);
}

}  // namespace issues
