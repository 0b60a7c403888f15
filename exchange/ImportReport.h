#pragma once

#include <QStringList>

namespace exchange {

struct ImportPlan;

// What an import will do, in Thai: a line per title added or skipped and the
// count of books and other records left out.
QStringList importReport(const ImportPlan& plan);
// A record names no faculty, so an added title cannot be registered until
// its subscription is entered; said with the plan and after the import.
QString subscriptionNeeded();

}  // namespace exchange
