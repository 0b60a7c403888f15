#pragma once

#include <QString>
#include <array>
#include <vector>

namespace data {
class Database;
}

namespace articles {

// Articles indexed and cards printed in each month of one year, for one
// group (a faculty or a kind of periodical).
struct IndexingCounts {
    QString group;
    std::array<int, 12> articles{};
    std::array<int, 12> cards{};
};

enum class IndexingGroup { Faculty, Kind };

// Counts the work of the index by the day an article was indexed and the day
// each of its cards was printed. The group of an article is that of the
// registered issue it belongs to (the first faculty when several registered it).
class IndexingStats {
  public:
    explicit IndexingStats(const data::Database& db) : db_(db) {}

    // One row per group with work that year, in code order; a faculty code
    // without its row is shown as the code.
    std::vector<IndexingCounts> byMonth(int year, IndexingGroup grouping) const;

  private:
    const data::Database& db_;
};

}  // namespace articles
