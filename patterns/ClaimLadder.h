#pragma once

#include <QDate>
#include <QString>

namespace patterns {

// The claims of one overdue issue so far.
struct ClaimState {
    int count = 0;
    QDate first, last;
    QString agentCode;
    // Set once the desk gave the issue up after its final claim.
    QString notReceivedReason;
};

// The third claim is the last one sent.
constexpr int kFinalClaim = 3;

// What a letter made today does for an issue: whether it is on it, which
// claim it is, and whether it counts (a letter printed again the same day
// repeats the claim without counting it once more).
struct ClaimStep {
    bool offered = false;
    int number = 0;
    bool counted = false;
};

ClaimStep nextClaim(const ClaimState& state, QDate today, int reclaimDays);
// The state after the step was sent.
ClaimState afterClaim(ClaimState state, const ClaimStep& step, QDate today,
                      const QString& agentCode);
// Only an issue whose final claim went unanswered may be given up.
bool mayMarkNotReceived(const ClaimState& state);
// "ทวงถามครั้งแรก", "ทวงถามครั้งที่สอง", "ทวงถามครั้งสุดท้าย".
QString claimWording(int number);
// What the lists show beside an issue's status; empty when never claimed.
QString claimHistory(const ClaimState& state);

}  // namespace patterns
