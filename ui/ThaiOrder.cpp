#include "ui/ThaiOrder.h"

#include <algorithm>

namespace ui {

ThaiOrder::ThaiOrder() : collator_(QLocale(QLocale::Thai, QLocale::Thailand)) {
    collator_.setCaseSensitivity(Qt::CaseInsensitive);
    collator_.setNumericMode(true);
}

bool ThaiOrder::operator()(const QString& a, const QString& b) const {
    return collator_.compare(a.trimmed(), b.trimmed()) < 0;
}

std::vector<PickRow> thaiSorted(std::vector<PickRow> rows) {
    const ThaiOrder order;
    std::stable_sort(rows.begin(), rows.end(), [&order](const PickRow& a, const PickRow& b) {
        return order(a.description, b.description);
    });
    return rows;
}

}  // namespace ui
