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

std::vector<std::size_t> thaiOrder(const std::vector<QString>& names) {
    const QCollator collator = thaiCollator();
    std::vector<QCollatorSortKey> keys;
    keys.reserve(names.size());
    for (const QString& name : names)
        keys.push_back(collator.sortKey(name.trimmed()));
    std::vector<std::size_t> order(names.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return keys[a].compare(keys[b]) < 0; });
    return order;
}

std::vector<PickRow> thaiSorted(std::vector<PickRow> rows) {
    std::vector<QString> names;
    names.reserve(rows.size());
    for (const PickRow& row : rows)
        names.push_back(row.description);
    std::vector<PickRow> sorted;
    sorted.reserve(rows.size());
    for (std::size_t i : thaiOrder(names))
        sorted.push_back(std::move(rows[i]));
    return sorted;
}

}  // namespace ui
