#include "data/LikePattern.h"

#include <sqlite3.h>

#include <QList>

#include "data/DbError.h"
#include "data/FieldLimits.h"

namespace data {

QString containsPattern(const QString& text) {
    // No stored name is longer, and neither store would look for it alike.
    if (text.toUcs4().size() > kLongText)
        throw DbError(
            SQLITE_TOOBIG, QStringLiteral("a search of %1 characters").arg(text.toUcs4().size()),
            QStringLiteral("ข้อความที่ค้นหายาวเกิน %1 ตัวอักษร กรุณาพิมพ์ให้สั้นลงแล้วค้นหาอีกครั้ง").arg(kLongText));
    QString escaped = text;
    escaped.replace(u'\\', QStringLiteral("\\\\"));
    escaped.replace(u'%', QStringLiteral("\\%"));
    escaped.replace(u'_', QStringLiteral("\\_"));
    return u'%' + escaped + u'%';
}

}  // namespace data
