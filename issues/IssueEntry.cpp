#include "issues/IssueEntry.h"

#include "issues/SubscriptionList.h"
#include "patterns/ExpectedIssueProposal.h"
#include "ui/Grid.h"
#include "ui/TextBox.h"

namespace issues {

void IssueEntry::copyRow(const ui::Grid& grid) {
    const int r = grid.row();
    ui::TextBox* fields[] = {&magno_, &daily_, &yearno_, &issueno_, &description_, &received_};
    for (int c = 0; c < 6; ++c)
        fields[c]->setText(r >= 1 ? grid.textMatrix(r, c) : QString());
}

void IssueEntry::clear() {
    for (ui::TextBox* t : {&magno_, &daily_, &yearno_, &issueno_, &description_, &received_})
        t->setText({});
}

void IssueEntry::lock() {
    for (ui::TextBox* t : {&magno_, &daily_, &yearno_, &issueno_, &description_, &received_})
        t->setEnabled(false);
}

void IssueEntry::unlockTyped() {
    for (ui::TextBox* t : {&yearno_, &issueno_, &description_})
        t->setEnabled(true);
}

void IssueEntry::propose(const patterns::ProposedFields& f) {
    daily_.setText(f.daily);
    yearno_.setText(f.yearno);
    issueno_.setText(f.issueno);
    description_.setText(f.description);
}

IssueRow IssueEntry::issue(const Subscription& s) const {
    return {magno_.text(), s.department,   s.pointer,       received_.text(),
            daily_.text(), yearno_.text(), issueno_.text(), description_.text()};
}

IssueChanges IssueEntry::changes() const {
    return {received_.text(), daily_.text(), yearno_.text(), issueno_.text(), description_.text()};
}

}  // namespace issues
