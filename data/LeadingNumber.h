#pragma once

#include <QString>

namespace data {

// The number a text starts with: leading spaces skipped, then decimal digits up
// to the first other character; 0 when there are none. Saturates instead of
// overflowing.
qint64 leadingNumber(const QString& text);
qint64 leadingNumber(QStringView text);

}  // namespace data
