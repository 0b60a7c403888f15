#include "data/DateText.h"

#include <QStringList>

namespace data {

namespace {

bool allDigits(const QString& s) {
    for (QChar c : s)
        if (c < u'0' || c > u'9')
            return false;
    return !s.isEmpty();
}

}  // namespace

std::optional<QDate> readDate(const QString& text) {
    const QStringList parts = text.trimmed().split(u'/');
    if (parts.size() != 3)
        return std::nullopt;
    const QString &d = parts[0], &m = parts[1], &y = parts[2];
    if (!allDigits(d) || !allDigits(m) || !allDigits(y) || d.size() > 2 || m.size() > 2 ||
        y.size() != 4)
        return std::nullopt;
    const QDate date(y.toInt(), m.toInt(), d.toInt());
    if (!date.isValid())
        return std::nullopt;
    return date;
}

QString writeDate(const QDate& date) {
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

QString reformatDate(const QString& text) {
    const auto date = readDate(text);
    return date ? writeDate(*date) : text;
}

}  // namespace data
