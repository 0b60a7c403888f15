#pragma once

#include <QString>
#include <QTextStream>

namespace shell {

// periodicals --export-csv FOLDER: every table of the configured store as
// CSV files in the folder, a line per file on `out`. 0 when written.
int exportCsv(const QString& location, const QString& folder, QTextStream& out);

}  // namespace shell
