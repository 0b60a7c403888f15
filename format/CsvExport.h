#pragma once

#include <QString>
#include <vector>

namespace data {
class Database;
}

namespace format {

struct ExportedTable {
    QString table;
    QString file;
    qint64 rows = 0;
};

// Writes every table of the store into the folder, one CSV file each
// (table name and .csv), UTF-8 with BOM, the column names in the first line
// and the columns in this program's order. The rows are read in one
// transaction, so the files agree with each other. Raises ImportError when
// the folder or a file cannot be written.
std::vector<ExportedTable> exportCsv(data::Database& store, const QString& folder);

}  // namespace format
