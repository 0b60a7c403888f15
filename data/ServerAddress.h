#pragma once

#include <QString>

namespace data {

// A PostgreSQL address (postgresql://...) as libpq reads it.

// Whether libpq can read the address. Its own message for one it cannot read
// quotes the address, password and all, so callers say why in their words.
bool serverAddressReadable(const QString& uri);

// Whether the address carries a password: after the user name, or as the
// `password` parameter (its name percent-encoded or not).
bool serverAddressHoldsPassword(const QString& uri);

// The address as it may be shown: the password left out in each of those
// forms, or only the scheme when what remains would still hold one.
QString serverAddressWithoutPassword(const QString& uri);

}  // namespace data
