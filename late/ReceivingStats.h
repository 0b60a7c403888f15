#pragma once

#include <QString>
#include <array>
#include <vector>

namespace data {
class Database;
}

namespace late {

// Issues received in each month of one year, for one group (a faculty or a
// kind of periodical).
struct MonthCounts {
    QString group;
    std::array<int, 12> months{};
    int total() const;
};

enum class Grouping { Faculty, Kind };

// Counts the registered issues by the month of their received date. An issue
// whose received date cannot be read is not counted.
class ReceivingStats {
  public:
    explicit ReceivingStats(const data::Database& db) : db_(db) {}

    // One row per group with issues that year, in code order; a faculty code
    // without its row is shown as the code.
    std::vector<MonthCounts> byMonth(int year, Grouping grouping) const;

  private:
    const data::Database& db_;
};

}  // namespace late
