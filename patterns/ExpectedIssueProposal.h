#pragma once

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "patterns/ClaimLadder.h"
#include "patterns/ExpectedIssues.h"
#include "patterns/PublicationPattern.h"

namespace data {
class Database;
}
namespace ui {
class Grid;
class MessageBox;
}  // namespace ui

namespace patterns {

// What the registration window proposes for one issue: its date, year
// number, issue number and description, as the entry fields hold them.
struct ProposedFields {
    QString daily, yearno, issueno, description;
};

// The expected issues of one subscription, read when the registration
// window needs them: the next one to propose after New, the one a scanned
// add-on names, the ones a registration skips.
class ExpectedIssueProposal {
  public:
    // Reads the subscription's pattern and registered issues; a title without
    // a pattern proposes nothing.
    ExpectedIssueProposal(data::Database& db, const QString& pointer, const QString& departmentCode,
                          QDate today);

    bool hasPattern() const { return pattern_.has_value(); }
    const std::optional<PublicationPattern>& pattern() const { return pattern_; }
    const std::vector<ExpectedIssue>& issues() const { return issues_; }
    const std::vector<RegisteredNumbers>& registered() const { return registered_; }
    // A registration of the subscription saved since it was read counts as
    // read too: its expected issues are worked out again without a read.
    void addRegistered(const RegisteredNumbers& numbers);

    std::optional<ProposedFields> next() const;
    // The expected issue whose number is the add-on's.
    std::optional<ProposedFields> withNumber(const QString& addOn) const;

    // Before a new registration is written: when the numbers typed are not
    // the next expected issue, asks whether the issues skipped are missing
    // (OK) or this one came out of order (Cancel). The issues to mark missing
    // once the registration is saved.
    std::vector<PredictedIssue> askAboutSkipped(ui::MessageBox& box, const QString& yearno,
                                                const QString& issueno) const;
    void markMissing(const std::vector<PredictedIssue>& issues);

    // The list beside the registered issues: the late and coming ones, the
    // received ones last, with their status and the claims sent for each.
    void showIn(ui::Grid& grid) const;
    // The same list's headings, and its rows.
    static void setHeadings(ui::Grid& grid);
    std::vector<QStringList> listRows() const;
    static constexpr int kListColumns = 5;

  private:
    ProposedFields fields(const ExpectedIssue& issue) const;

    data::Database& db_;
    QString pointer_, departmentCode_;
    QDate today_;
    std::optional<PublicationPattern> pattern_;
    Era era_ = Era::Buddhist;
    std::vector<RegisteredNumbers> registered_;
    std::vector<IssueMark> marks_;
    std::vector<ExpectedIssue> issues_;
    QHash<QString, ClaimState> claims_;
};

}  // namespace patterns
