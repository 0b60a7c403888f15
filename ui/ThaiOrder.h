#pragma once

#include <QCollator>
#include <vector>

#include "ui/PickList.h"

namespace ui {

// Names in Thai dictionary order: a leading vowel (เ แ โ ใ ไ) sorts under the
// consonant that follows it, as the clerk looks a name up, not by code point.
class ThaiOrder {
  public:
    ThaiOrder();
    bool operator()(const QString& a, const QString& b) const;

  private:
    QCollator collator_;
};

// The rows of a pick list ordered by their descriptions; rows of one name keep
// their order.
std::vector<PickRow> thaiSorted(std::vector<PickRow> rows);

}  // namespace ui
