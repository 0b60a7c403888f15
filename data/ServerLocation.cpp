#include "data/ServerLocation.h"

namespace data {

bool isServerLocation(const QString& location) {
    return location.startsWith(QStringLiteral("postgresql://")) ||
           location.startsWith(QStringLiteral("postgres://"));
}

}  // namespace data
