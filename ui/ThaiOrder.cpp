#include "ui/ThaiOrder.h"

#include <algorithm>

namespace ui {

QCollator thaiCollator() {
    QCollator collator(QLocale(QLocale::Thai, QLocale::Thailand));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    return collator;
}

ThaiOrder::ThaiOrder() : collator_(thaiCollator()) {}

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
