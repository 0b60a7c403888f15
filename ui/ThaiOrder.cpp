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
    // A list of thousands of agents is sorted on keys made once for each
    // name, not by comparing the names afresh each time.
    const QCollator collator = thaiCollator();
    std::vector<QCollatorSortKey> keys;
    keys.reserve(rows.size());
    for (const PickRow& row : rows)
        keys.push_back(collator.sortKey(row.description.trimmed()));
    std::vector<std::size_t> order(rows.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return keys[a].compare(keys[b]) < 0; });
    std::vector<PickRow> sorted;
    sorted.reserve(rows.size());
    for (std::size_t i : order)
        sorted.push_back(std::move(rows[i]));
    return sorted;
}

}  // namespace ui
