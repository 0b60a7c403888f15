#pragma once

#include <QDate>
#include <QString>
#include <vector>

#include "patterns/ExpectedIssueProposal.h"
#include "patterns/ExpectedIssues.h"
#include "patterns/PublicationPattern.h"

namespace data {
class Database;
}

namespace holdings {

// Thai labels (ปีที่, ฉบับที่, ขาด, Buddhist years) or English ones (v., no.,
// wanting, Christian years), as a title's own language asks.
enum class Labels { Thai, English };

// What a desk holds of one subscription, in the order of the usual holdings
// display: the volumes as one compressed range with their years, then the
// issues wanting in it. With a pattern, every issue due by `today` counts;
// the range runs from the first volume with an issue received to the last
// volume with an issue due. Without one, the registered year and issue
// numbers where they are numbers, else a plain count.
QString holdingsStatement(const patterns::PublicationPattern& pattern,
                          const std::vector<patterns::ExpectedIssue>& issues, Labels labels);
QString holdingsStatement(const std::vector<patterns::RegisteredNumbers>& registered,
                          Labels labels);
// A subscription with a pattern as the desk holds it: the issues registered
// before the pattern's known issue (its older holdings, by their numbers),
// then the issues the pattern has made due.
QString holdingsStatement(const patterns::PublicationPattern& pattern,
                          const std::vector<patterns::ExpectedIssue>& issues,
                          const std::vector<patterns::RegisteredNumbers>& registered,
                          Labels labels);
// The statement of a subscription whose issues are read and worked out
// already: with its pattern as above, else by the registered numbers.
QString holdingsStatement(const patterns::ExpectedIssueProposal& expected, Labels labels);

// One subscription's statement and the faculty's name; `held` is false when
// nothing of it has come yet.
struct SubscriptionHoldings {
    QString faculty, statement;
    bool held = false;
};

// The statement of one subscription (title key and faculty) as stored.
class HoldingsStatement {
  public:
    explicit HoldingsStatement(const data::Database& db) : db_(db) {}

    QString of(const QString& pointer, const QString& departmentCode, QDate today) const;
    // Every subscription of the title, one per faculty, joined by " | " when
    // there are several.
    QString ofTitle(const QString& pointer, QDate today) const;
    // Every subscription of the title in faculty code order.
    std::vector<SubscriptionHoldings> subscriptions(const QString& pointer, QDate today) const;
    // The labels the title's language asks for.
    Labels labelsOf(const QString& pointer) const;

  private:
    const data::Database& db_;
};

}  // namespace holdings
