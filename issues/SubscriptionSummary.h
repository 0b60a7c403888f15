#pragma once

#include <QDate>
#include <QStringList>
#include <optional>
#include <vector>

#include "holdings/HoldingsStatement.h"
#include "patterns/ExpectedIssueProposal.h"

namespace data {
class Database;
}
namespace ui {
class Grid;
class Label;
}  // namespace ui

namespace issues {

struct Subscription;

// Beside the issues of the subscription listed: the issues still expected of
// it (for a title with a publication pattern) and what the desk holds. What
// was read is kept: New proposes from it, and a new issue saved joins it
// without a read.
class SubscriptionSummary {
  public:
    SubscriptionSummary(ui::Grid& expected, ui::Label& holdings)
        : expected_(expected), holdings_(holdings) {}

    // Reads the subscription afresh; blank when the read fails (raised).
    void show(data::Database& db, const Subscription& subscription, QDate today);
    // A new issue of the subscription shown was saved with these numbers.
    void added(const patterns::RegisteredNumbers& numbers);
    void clear();
    // The subscription's expected issues as last read; none when blank.
    const patterns::ExpectedIssueProposal* expected() const { return read_ ? &*read_ : nullptr; }

  private:
    void paint();

    ui::Grid& expected_;
    ui::Label& holdings_;
    std::optional<patterns::ExpectedIssueProposal> read_;
    holdings::Labels labels_ = holdings::Labels::Thai;
    // The list's rows as shown, so that a list that did not change is not
    // told again.
    std::optional<std::vector<QStringList>> shown_;
};

}  // namespace issues
