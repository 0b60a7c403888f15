#include "format/TitleKeys.h"

namespace format {

namespace {

// A key of one character and one to seven digits: the group of its first
// character and number of digits, and its number. False for any other key.
bool placeOf(const QString& key, quint32& group, quint32& number) {
    const qsizetype digits = key.size() - 1;
    if (digits < 1 || digits > 7)
        return false;
    number = 0;
    for (qsizetype i = 1; i < key.size(); ++i) {
        const char16_t c = key.at(i).unicode();
        if (c < u'0' || c > u'9')
            return false;
        number = number * 10 + quint32(c - u'0');
    }
    group = quint32(key.at(0).unicode()) << 3 | quint32(digits);
    return true;
}

}  // namespace

void TitleKeys::insert(const QString& key) {
    quint32 group = 0, number = 0;
    if (!placeOf(key, group, number)) {
        others_.insert(key);
        return;
    }
    std::vector<quint64>& bits = bits_[group];
    if (bits.size() <= number / 64)
        bits.resize(number / 64 + 1);
    bits[number / 64] |= quint64(1) << (number % 64);
}

bool TitleKeys::contains(const QString& key) const {
    quint32 group = 0, number = 0;
    if (!placeOf(key, group, number))
        return others_.contains(key);
    const auto bits = bits_.constFind(group);
    return bits != bits_.constEnd() && number / 64 < bits->size() &&
           ((*bits)[number / 64] >> (number % 64) & 1) != 0;
}

}  // namespace format
