#pragma once

#include <QByteArray>
#include <QDate>
#include <QStringList>
#include <functional>
#include <vector>

#include "late/LateRecords.h"

namespace data {
class Database;
}

namespace late {

// Who sends a claim: the unit, the desk under it and the address.
struct ClaimSender {
    QString unitName, deskName, address;
};
// The sender as the settings hold it: the desk's own address when it has
// one, else the unit's.
ClaimSender claimSender(const data::Database& db);

// One issue on a letter and which claim it is (1, 2 or the final 3).
struct ClaimLine {
    LateTitle title;
    int number = 1;
};

// The letter to one agent.
struct ClaimLetter {
    QString agentCode, agentName;
    QStringList agentAddress;
    std::vector<ClaimLine> lines;
};

// Claims the overdue issues of these rows that the ladder offers today, one
// letter per agent in the order the agents first come. Everything happens in
// one transaction that reads each issue's claims again: `write` makes the
// letters (printer, PDF or CSV) and the claims are kept only when it returns
// without throwing. Returns the letters made; none when nothing was offered.
std::vector<ClaimLetter> sendClaims(
    data::Database& db, const std::vector<LateTitle>& titles, QDate today,
    const std::function<void(const std::vector<ClaimLetter>&)>& write);

// The letters as CSV, one row per claimed issue under its agent.
QByteArray claimsCsv(const std::vector<ClaimLetter>& letters);

}  // namespace late
