#pragma once

#include <QDate>
#include <QString>
#include <vector>

#include "patterns/ClaimRecords.h"
#include "ui/PickList.h"

namespace data {
class Database;
}

namespace late {

class LateList;

// One subscription whose next issue is overdue.
struct LateTitle {
    QString pointer, name, departmentCode, departmentName, agentCode, agentName, frequency;
    QString issn;
    QString lastIssue, lastReceived;  // empty when nothing has arrived yet
    QDate expected;
    int daysLate = 0;  // days since the expected date
    // The overdue issue's numbers for a title with a publication pattern;
    // for one without, a mark that today's rule predicted it.
    QString issue;
    bool predicted = false;
    // The overdue issue's year and issue numbers as a claim names them; the
    // numbers are 0 for a title without a pattern.
    int volume = 0, number = 0;
    QString yearno, issueno;
    // The claims sent for this issue so far.
    patterns::ClaimState claim;

    patterns::ClaimKey claimKey() const;
};

// Which titles the list takes: journals (keys I, J), newspapers (K, L) or both.
enum class Kind { Journals, Newspapers, Both };

struct LateFilter {
    Kind kind = Kind::Both;
    QString departmentCode;  // empty: every faculty
    QString agentCode;       // empty: every agent
};

// The late issues of a day, from the rows LateStore keeps (which see for
// what counts as late), brought up to that day first.
class LateRecords {
  public:
    explicit LateRecords(data::Database& db) : db_(db) {}

    // Most days late first, then by key and faculty, read from this store a
    // page at a time as they are shown.
    LateList list(const LateFilter& filter, QDate today) const;
    // The same with every row's texts.
    std::vector<LateTitle> late(const LateFilter& filter, QDate today) const;
    std::vector<ui::PickRow> departments() const;
    // The agents that some subscription is ordered from.
    std::vector<ui::PickRow> agents() const;
    // The agent's name and address lines, for the head of a claim.
    QStringList agentAddress(const QString& agentCode) const;

  private:
    data::Database& db_;
};

}  // namespace late
