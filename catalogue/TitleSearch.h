#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "data/Row.h"
#include "ui/PickList.h"

namespace data {
class Database;
}

namespace catalogue {

// Column positions of the title query: the title master with the descriptions
// of its language and frequency and its publisher's code and name.
namespace titlequery {
constexpr int pointer = 0, vorlen_name = 1, compare_name = 2, old_name = 3, shot_name = 4,
              First_year_printed = 5, issn = 6, number_per_volume = 7, volume_per_year = 8,
              langdesth = 9, magtype_thai_des = 10, Publisher_code = 11, publisher_name = 12;
}
// Column positions of the subscription query: the subscription with the
// descriptions of its seven codes and its agent's code and name.
namespace subscriptionquery {
constexpr int copy_per_year = 0, price_per_year = 1, exchange_rate = 2, begin_period = 3,
              end_period = 4, order_date = 5, department_thai_des = 6, receivestatusdes = 7,
              Currency_Thai_Des = 8, Publisher_code = 9, Publisher_Name = 10,
              status_thai_descrition = 11, bindtype_des = 12, bindcolor_desth = 13;
}

// Finding stored titles by name and reading one back with its descriptions.
// The title and subscription queries are inner joins: a row whose codes do not
// all have their code-table rows is not found.
class TitleSearch {
  public:
    explicit TitleSearch(data::Database& db) : db_(db) {}

    // Titles whose name contains the text literally (% and _ included), as rows
    // of (key, name); an empty text lists every title.
    std::vector<ui::PickRow> byName(const QString& part) const;
    // Whether a stored title bears this name: both trimmed, letters compared
    // without regard to case.
    bool nameTaken(const QString& typed) const;

    std::optional<data::Row> title(const QString& key) const;
    std::optional<data::Row> subscription(const QString& key) const;
    // The Thai description of the title's first subject kind.
    std::optional<QString> kind(const QString& key) const;

  private:
    data::Database& db_;
};

}  // namespace catalogue
