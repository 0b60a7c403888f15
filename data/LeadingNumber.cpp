#include "data/LeadingNumber.h"

#include <limits>

namespace data {

qint64 leadingNumber(const QString& text) {
    return leadingNumber(QStringView(text));
}

qint64 leadingNumber(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == u' ')
        ++i;
    qint64 value = 0;
    constexpr qint64 kMax = std::numeric_limits<qint64>::max();
    for (; i < text.size() && text.at(i) >= u'0' && text.at(i) <= u'9'; ++i) {
        const int digit = text.at(i).unicode() - u'0';
        if (value > (kMax - digit) / 10)
            return kMax;
        value = value * 10 + digit;
    }
    return value;
}

}  // namespace data
