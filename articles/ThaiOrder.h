#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace articles {

// Thai dictionary order (leading vowels are passed over as a dictionary does),
// Latin names after the Thai ones in their own alphabet order.
bool thaiBefore(const QString& a, const QString& b);

template <typename T>
void sortThai(std::vector<T>& rows, const std::function<QString(const T&)>& key) {
    std::stable_sort(rows.begin(), rows.end(),
                     [&key](const T& a, const T& b) { return thaiBefore(key(a), key(b)); });
}

}  // namespace articles
