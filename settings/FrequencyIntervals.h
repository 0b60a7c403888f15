#pragma once

#include <QString>
#include <optional>

namespace data {
class Database;
}

namespace settings {

// How often a frequency's issues come, in days, and how many days more an
// issue may take before it counts as late.
struct Interval {
    int days = 0;
    int grace = 0;
};

// The expected interval of each frequency code. A code without one (an
// irregular title) is never expected.
class FrequencyIntervals {
  public:
    enum class Outcome { Done, Invalid, Missing };

    explicit FrequencyIntervals(data::Database& db) : db_(db) {}

    std::optional<Interval> of(const QString& code) const;
    // Stores the interval, or removes it when none, in one transaction that
    // finds the frequency code still there. Invalid when the days are not
    // positive or the grace is negative.
    Outcome set(const QString& code, const std::optional<Interval>& interval);

  private:
    data::Database& db_;
};

}  // namespace settings
