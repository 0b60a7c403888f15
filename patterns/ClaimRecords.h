#pragma once

#include <QDate>
#include <QHash>
#include <QString>
#include <functional>
#include <vector>

#include "patterns/ClaimLadder.h"
#include "patterns/LateReach.h"

namespace data {
class Database;
}

namespace patterns {

// One overdue issue of a subscription: by its numbers when its title has a
// pattern, else by the date it was due (numbers 0).
struct ClaimKey {
    QString pointer, departmentCode;
    int volume = 0, issue = 0;
    QDate expected;
    QString text() const;
};

// An issue to claim from an agent.
struct ClaimRequest {
    ClaimKey key;
    QString agentCode;
};

// An issue a letter names, with which claim it is.
struct SentClaim {
    int request = 0;  // position in the requests
    ClaimStep step;
};

// The claims sent for overdue issues (the table issue_claim).
class ClaimRecords {
  public:
    explicit ClaimRecords(data::Database& db) : db_(db), writable_(&db) {}
    explicit ClaimRecords(const data::Database& db) : db_(db) {}

    // The claims of the subscriptions reached, by ClaimKey::text().
    QHash<QString, ClaimState> reached(const LateReach& reach) const;
    // The claims of one subscription's issues, by ClaimKey::text().
    QHash<QString, ClaimState> ofSubscription(const QString& pointer,
                                              const QString& departmentCode) const;

    // Claims the issues the ladder offers today, in one transaction that
    // reads each issue's claims again: `send` prints the letters of those
    // that remain and the claims are kept only when it returns. An issue of a
    // pattern is marked claimed too.
    std::vector<SentClaim> claim(const std::vector<ClaimRequest>& requests, QDate today,
                                 int reclaimDays,
                                 const std::function<void(const std::vector<SentClaim>&)>& send);
    // Gives up an issue whose final claim went unanswered; false when the
    // ladder does not allow it (any longer).
    bool markNotReceived(const ClaimKey& key, const QString& reason, QDate today);

  private:
    data::Database& writable() const;

    const data::Database& db_;
    data::Database* writable_ = nullptr;
};

}  // namespace patterns
