#include "articles/ThaiOrder.h"

#include "ui/ThaiOrder.h"

namespace articles {

bool thaiBefore(const QString& a, const QString& b) {
    static const QCollator collator = ui::thaiCollator();
    return collator.compare(a, b) < 0;
}

}  // namespace articles
