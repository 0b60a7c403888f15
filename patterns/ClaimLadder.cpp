#include "patterns/ClaimLadder.h"

#include "data/DateText.h"

namespace patterns {

ClaimStep nextClaim(const ClaimState& state, QDate today, int reclaimDays) {
    if (!state.notReceivedReason.isEmpty())
        return {};
    if (state.count > 0 && state.last == today)
        return {true, state.count, false};
    if (state.count >= kFinalClaim)
        return {};
    if (state.count > 0 && state.last.isValid() && today < state.last.addDays(reclaimDays))
        return {};
    return {true, state.count + 1, true};
}

ClaimState afterClaim(ClaimState state, const ClaimStep& step, QDate today,
                      const QString& agentCode) {
    if (!step.offered || !step.counted)
        return state;
    state.count = step.number;
    if (!state.first.isValid())
        state.first = today;
    state.last = today;
    state.agentCode = agentCode.trimmed();
    return state;
}

bool mayMarkNotReceived(const ClaimState& state) {
    return state.count >= kFinalClaim && state.notReceivedReason.isEmpty();
}

QString claimWording(int number) {
    if (number >= kFinalClaim)
        return QStringLiteral("ทวงถามครั้งสุดท้าย");
    return number == 2 ? QStringLiteral("ทวงถามครั้งที่สอง") : QStringLiteral("ทวงถามครั้งแรก");
}

QString claimHistory(const ClaimState& state) {
    if (state.count == 0)
        return {};
    QString text = state.count == 1
                       ? QStringLiteral("ทวงถาม 1 ครั้ง %1").arg(data::writeDate(state.last))
                       : QStringLiteral("ทวงถาม %1 ครั้ง %2 - %3")
                             .arg(state.count)
                             .arg(data::writeDate(state.first), data::writeDate(state.last));
    if (!state.notReceivedReason.isEmpty())
        text += QStringLiteral(" ไม่ได้รับ: ") + state.notReceivedReason;
    return text;
}

}  // namespace patterns
