#pragma once

#include <QString>
#include <vector>

#include "ui/PickList.h"

namespace data {
class Database;
}

namespace titlelist {

// Which subscriptions a list takes: all, one faculty, one kind (journals
// "J"/"I" or newspapers "K"/"L"), or one subject kind.
enum class Scope { All, Faculty, Kind, Subject };
inline constexpr char16_t kJournals[] = u"J", kNewspapers[] = u"K";

struct TitleListFilter {
    Scope scope = Scope::All;
    QString code;  // the faculty, kJournals/kNewspapers, or the subject kind
};

// The columns of a listed subscription (a title of several faculties once
// per faculty).
namespace col {
enum : int { pointer, name, issn, frequency, publisher, faculty, period, holdings, kColumns };
}

// The code lists a title list is chosen by, and the words that name it.
class TitleListRecords {
  public:
    explicit TitleListRecords(const data::Database& db) : db_(db) {}

    std::vector<ui::PickRow> faculties() const;
    std::vector<ui::PickRow> subjects() const;
    // The heading of a list: what it takes, in Thai.
    QString scopeName(const TitleListFilter& filter) const;

  private:
    const data::Database& db_;
};

}  // namespace titlelist
