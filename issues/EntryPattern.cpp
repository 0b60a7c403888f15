#include "issues/EntryPattern.h"

#include "issues/IssueEntry.h"
#include "issues/SubscriptionList.h"
#include "patterns/ExpectedIssueProposal.h"
#include "patterns/PatternRecords.h"

namespace issues {

bool EntryPattern::propose(const QString& addOn) const {
    if (!expected_)
        return false;
    const std::optional<patterns::ProposedFields> proposed =
        addOn.isEmpty() ? expected_->next() : expected_->withNumber(addOn);
    if (!proposed)
        return false;
    fields_.propose(*proposed);
    return true;
}

void EntryPattern::askAboutSkipped(ui::MessageBox& messages) {
    if (!expected_)
        return;
    const IssueRow typed = fields_.issue(subscription_);
    skipped_ = expected_->askAboutSkipped(messages, typed.yearno, typed.issueno);
}

void EntryPattern::markSkipped(data::Database& db, QDate today) const {
    if (!skipped_.empty())
        patterns::PatternRecords(db).mark(subscription_.pointer.trimmed(),
                                          subscription_.department.trimmed(), skipped_,
                                          patterns::IssueStatus::Missing, today);
}

}  // namespace issues
