#pragma once

#include <QString>
#include <QTextStream>

namespace shell {

// periodicals --import-access FILE: the old program's Access file into the
// configured store, the summary on `out` and the rows to look at in a CSV
// file beside the database. 0 when imported, 2 when refused (nothing changed).
int importAccess(const QString& location, const QString& file, QTextStream& out);

}  // namespace shell
