#pragma once

#include <QDate>
#include <QHash>
#include <QString>
#include <functional>
#include <utility>
#include <vector>

#include "late/LateRecords.h"
#include "ui/RowSource.h"

namespace data {
class Database;
}

namespace late {

// The columns of the late list, in the order shown.
namespace column {
enum Column : int {
    pointer,
    name,
    department,
    agent,
    frequency,
    lastIssue,
    lastReceived,
    expected,
    daysLate,
    overdueIssue,
    claims,
    count
};
}  // namespace column

// One overdue issue as the list keeps it: numbers and small code numbers
// only, so that a list of a million issues stays small. Its texts are read
// from the store when it is shown.
struct LateEntry {
    qint64 subscription = 0;  // the subscription's row
    qint32 expected = 0;      // the day it was due, as a Julian day
    qint32 volume = 0;        // a patterned issue's numbers; 0 without a pattern
    qint32 issue = 0;
    qint32 lastIssue = 0;                              // == issue unless combined
    qint32 order = 0;                                  // its place by key, then faculty
    quint16 department = 0, agent = 0, frequency = 0;  // into the list's codes
    quint8 claims = 0;                                 // claims sent for it
    bool predicted = false;
};

// The codes the entries point into, each trimmed, with its name.
struct LateCodes {
    std::vector<std::pair<QString, QString>> departments, agents, frequencies;
};

// The late issues of a moment as a row source: the count is exact, the
// order is kept on the entries' numbers, and the texts of a row (key, name,
// latest issue) are read from the store only for the rows asked for.
class LateList : public ui::RowSource {
  public:
    LateList() = default;
    LateList(const data::Database& db, QDate today, LateCodes codes, std::vector<LateEntry> entries,
             QHash<QString, patterns::ClaimState> claims);

    int size() const { return int(entries_.size()); }
    bool empty() const { return entries_.empty(); }
    const LateEntry& entry(int row) const;
    const QString& agentCode(const LateEntry& e) const { return codes_.agents.at(e.agent).first; }
    // The row as the window, the claim and the CSV show it.
    LateTitle title(int row) const;
    // Every row in order, its texts read a page at a time.
    void forEach(const std::function<void(const LateTitle&)>& each) const;
    // The cells of a row in the columns shown.
    QStringList cells(const LateTitle& t) const;

    // Sorts by a column; rows equal in it stay most days late first, then by
    // key and faculty.
    void sortBy(int column, bool descending);

    int count() const override { return size(); }
    std::vector<QStringList> rows(int offset, int limit) const override;
    bool sortable(int column) const override { return column >= 0 && column < column::count; }
    bool descendingFirst(int column) const override { return column == column::daysLate; }

  private:
    struct Texts {
        QString pointer, name, departmentCode, agentCode, magtypeCode, issn, lastIssue,
            lastReceived;
    };
    // The texts of these subscriptions, by row.
    QHash<qint64, Texts> readTexts(const std::vector<qint64>& subscriptions) const;
    LateTitle titleOf(const LateEntry& e, const Texts& texts) const;
    // The titles of the rows from `from`, at most `limit`, in order.
    std::vector<LateTitle> titles(int from, int limit) const;
    // Each subscription's place when sorted by a column of its texts.
    QHash<qint64, int> textRanks(int column) const;
    // The order asked for (a heading click sets it) is put into effect when
    // rows are next read, where a failure to read the texts it needs is
    // shown by the reader's guard.
    void keepOrder() const;

    const data::Database* db_ = nullptr;
    QDate today_;
    LateCodes codes_;
    mutable std::vector<LateEntry> entries_;
    mutable ui::ListOrder sorted_;
    QHash<QString, patterns::ClaimState> claims_;
};

}  // namespace late
