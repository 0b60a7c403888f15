#include "data/DateText.h"

#include <QStringView>

namespace data {

namespace {

bool allDigits(QStringView s) {
    for (QChar c : s)
        if (c < u'0' || c > u'9')
            return false;
    return !s.isEmpty();
}

}  // namespace

// Read without building parts: long lists read two dates a row.
std::optional<QDate> readDate(const QString& text) {
    const QStringView date = QStringView(text).trimmed();
    const qsizetype first = date.indexOf(u'/');
    const qsizetype second = first < 0 ? -1 : date.indexOf(u'/', first + 1);
    if (second < 0 || date.indexOf(u'/', second + 1) >= 0)
        return std::nullopt;
    const QStringView d = date.first(first), m = date.sliced(first + 1, second - first - 1),
                      y = date.sliced(second + 1);
    if (!allDigits(d) || !allDigits(m) || !allDigits(y) || d.size() > 2 || m.size() > 2 ||
        y.size() != 4)
        return std::nullopt;
    const QDate day(y.toInt(), m.toInt(), d.toInt());
    if (!day.isValid())
        return std::nullopt;
    return day;
}

QString writeDate(const QDate& date) {
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

QString reformatDate(const QString& text) {
    const auto date = readDate(text);
    return date ? writeDate(*date) : text;
}

}  // namespace data
