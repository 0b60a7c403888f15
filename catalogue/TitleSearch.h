#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "data/Row.h"
#include "ui/PickList.h"
#include "ui/RowSource.h"

namespace data {
class Database;
}

namespace catalogue {

// Column positions of the title query: the title master with its publisher's
// name (null when the code has no publisher row).
namespace titlequery {
constexpr int pointer = 0, vorlen_name = 1, compare_name = 2, old_name = 3, shot_name = 4,
              First_year_printed = 5, issn = 6, number_per_volume = 7, volume_per_year = 8,
              language_code = 9, magtype_code = 10, Publisher_code = 11, publisher_name = 12;
}
// Column positions of the subscription query: the subscription's codes with
// its agent's name (null when the code has no publisher row).
namespace subscriptionquery {
constexpr int copy_per_year = 0, price_per_year = 1, exchange_rate = 2, begin_period = 3,
              end_period = 4, order_date = 5, department_code = 6, Receive_Code = 7,
              currency_code = 8, Publisher_code = 9, Publisher_Name = 10, status_code = 11,
              bind_type_code = 12, bind_color_code = 13;
}

// Finding stored titles by name and reading one back with its codes.
class TitleSearch {
  public:
    explicit TitleSearch(data::Database& db) : db_(db) {}

    // Titles whose name contains the text literally (% and _ included), as rows
    // of (key, name); an empty text lists every title.
    std::vector<ui::PickRow> byName(const QString& part) const;
    // The same titles as rows of (key, name), read a page at a time.
    std::shared_ptr<ui::RowSource> namesLike(const QString& part) const;
    // Whether a stored title bears this name: both trimmed, letters compared
    // without regard to case.
    bool nameTaken(const QString& typed) const;

    std::optional<data::Row> title(const QString& key) const;
    std::optional<data::Row> subscription(const QString& key) const;
    // The code of the title's first subject kind.
    std::optional<QString> kind(const QString& key) const;

  private:
    data::Database& db_;
};

}  // namespace catalogue
