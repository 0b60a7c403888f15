#pragma once

#include <QStringList>

namespace exchange {

struct ImportPlan;

// What an import will do, in Thai: a line per title added or skipped and the
// count of books and other records left out.
QStringList importReport(const ImportPlan& plan);

}  // namespace exchange
