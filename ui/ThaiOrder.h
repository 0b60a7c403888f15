#pragma once

#include <QCollator>
#include <vector>

#include "ui/PickList.h"

namespace ui {

// The collator of Thai dictionary order, without case, numbers by value.
QCollator thaiCollator();

// Names in Thai dictionary order: a leading vowel (เ แ โ ใ ไ) sorts under the
// consonant that follows it, as the clerk looks a name up, not by code point.
class ThaiOrder {
  public:
    ThaiOrder();
    bool operator()(const QString& a, const QString& b) const;

  private:
    QCollator collator_;
};

// The places of `names` in Thai order, as ThaiOrder compares them, names
// alike in the order given. Each name's collation key is made once, so a
// list of thousands sorts without comparing the names afresh each time.
std::vector<std::size_t> thaiOrder(const std::vector<QString>& names);

// The rows of a pick list ordered by their descriptions; rows of one name keep
// their order.
std::vector<PickRow> thaiSorted(std::vector<PickRow> rows);

}  // namespace ui
