#include "articles/ThaiOrder.h"

#include <QCollator>
#include <QLocale>

namespace articles {

bool thaiBefore(const QString& a, const QString& b) {
    static const QCollator collator = [] {
        QCollator c{QLocale(QLocale::Thai, QLocale::Thailand)};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(true);
        return c;
    }();
    return collator.compare(a, b) < 0;
}

}  // namespace articles
