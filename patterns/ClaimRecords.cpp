#include "patterns/ClaimRecords.h"

#include <stdexcept>

#include "data/Database.h"
#include "data/DatabaseFile.h"
#include "data/DateText.h"
#include "data/Schema.h"
#include "patterns/PatternRecords.h"

namespace patterns {

namespace {

namespace col = data::issue_claim;

const char* const kColumns =
    "SELECT pointer, department_code, volume, issue, expected_on, claim_count, first_claimed,"
    " last_claimed, agent_code, not_received_reason FROM issue_claim";

const char* const kKey =
    " WHERE pointer = ? AND department_code = ? AND volume = ? AND issue = ? AND expected_on = ?";

ClaimKey keyOf(const data::Row& row) {
    return {row.text(col::pointer), row.text(col::department_code), row.value(col::volume).toInt(),
            row.value(col::issue).toInt(),
            data::readDate(row.text(col::expected_on)).value_or(QDate())};
}

ClaimState stateOf(const data::Row& row) {
    return {row.value(col::claim_count).toInt(),
            data::readDate(row.text(col::first_claimed)).value_or(QDate()),
            data::readDate(row.text(col::last_claimed)).value_or(QDate()),
            row.text(col::agent_code), row.text(col::not_received_reason)};
}

QVariantList bound(const ClaimKey& key) {
    return {key.pointer.trimmed(), key.departmentCode.trimmed(), key.volume, key.issue,
            key.expected.isValid() ? data::writeDate(key.expected) : QString()};
}

ClaimState read(const data::Database& db, const ClaimKey& key) {
    const auto row = db.first((QByteArray(kColumns) + kKey).constData(), bound(key));
    return row ? stateOf(*row) : ClaimState{};
}

void write(data::Database& db, const ClaimKey& key, const ClaimState& state) {
    db.exec((QByteArray("DELETE FROM issue_claim") + kKey).constData(), bound(key));
    db.exec(
        "INSERT INTO issue_claim (pointer, department_code, volume, issue, expected_on,"
        " claim_count, first_claimed, last_claimed, agent_code, not_received_reason)"
        " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
        bound(key) + QVariantList{state.count, data::writeDate(state.first),
                                  data::writeDate(state.last), state.agentCode,
                                  state.notReceivedReason});
}

}  // namespace

QString ClaimKey::text() const {
    return QStringLiteral("%1|%2|%3|%4|%5")
        .arg(pointer.trimmed(), departmentCode.trimmed(), QString::number(volume),
             QString::number(issue), expected.isValid() ? data::writeDate(expected) : QString());
}

data::Database& ClaimRecords::writable() const {
    if (!writable_)
        throw std::logic_error("claim records opened for reading only");
    return *writable_;
}

QHash<QString, ClaimState> ClaimRecords::reached(const LateReach& reach) const {
    QHash<QString, ClaimState> out;
    const QByteArray sql = reach.scoped
                               ? QByteArray(kColumns) +
                                     " WHERE (pointer, department_code) IN"
                                     " (SELECT pointer, department_code FROM late_scope)"
                               : kColumns + QByteArray(" WHERE 1 = 1") + reach.within("pointer");
    db_.forEach(sql.constData(), reach.bound(),
                [&](data::Row&& row) { out.insert(keyOf(row).text(), stateOf(row)); });
    return out;
}

QHash<QString, ClaimState> ClaimRecords::ofSubscription(const QString& pointer,
                                                        const QString& departmentCode) const {
    QHash<QString, ClaimState> out;
    if (!data::hasTable(db_, "issue_claim"))
        return out;
    db_.forEach((QByteArray(kColumns) + " WHERE pointer = ? AND department_code = ?").constData(),
                {pointer.trimmed(), departmentCode.trimmed()},
                [&](data::Row&& row) { out.insert(keyOf(row).text(), stateOf(row)); });
    return out;
}

std::vector<SentClaim> ClaimRecords::claim(
    const std::vector<ClaimRequest>& requests, QDate today, int reclaimDays,
    const std::function<void(const std::vector<SentClaim>&)>& send) {
    data::Database& db = writable();
    data::Transaction tx(db);
    std::vector<SentClaim> sent;
    for (int i = 0; i < int(requests.size()); ++i) {
        const ClaimRequest& r = requests[std::size_t(i)];
        const ClaimState state = read(db, r.key);
        const ClaimStep step = nextClaim(state, today, reclaimDays);
        if (!step.offered)
            continue;
        sent.push_back({i, step});
        if (!step.counted)
            continue;
        write(db, r.key, afterClaim(state, step, today, r.agentCode));
        if (!r.key.expected.isValid())
            PatternRecords(db).writeMarks(r.key.pointer, r.key.departmentCode,
                                          {{r.key.volume, r.key.issue}}, IssueStatus::Claimed,
                                          today);
    }
    if (!sent.empty())
        send(sent);
    tx.commit();
    return sent;
}

bool ClaimRecords::markNotReceived(const ClaimKey& key, const QString& reason, QDate today) {
    data::Database& db = writable();
    data::Transaction tx(db);
    ClaimState state = read(db, key);
    if (!mayMarkNotReceived(state) || reason.trimmed().isEmpty())
        return false;
    state.notReceivedReason = reason.trimmed();
    write(db, key, state);
    if (!key.expected.isValid())
        PatternRecords(db).writeMarks(key.pointer, key.departmentCode, {{key.volume, key.issue}},
                                      IssueStatus::NotReceived, today);
    tx.commit();
    return true;
}

}  // namespace patterns
