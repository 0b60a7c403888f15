#pragma once

#include <vector>

#include "ui/PickList.h"

namespace data {
class Database;
}

namespace catalogue {

// The nine code tables that feed the title window's pick lists.
enum class CodeTable {
    typemag,
    magtype,
    maglang,
    department,
    receives,
    currmony,
    statustype,
    bindcolor,
    bindtype
};

// Rows of (code, Thai description) in the table's stored order.
std::vector<ui::PickRow> readCodeTable(data::Database& db, CodeTable table);
// Whether the table holds the code (both trimmed); an empty code is in none.
bool codeExists(data::Database& db, CodeTable table, const QString& code);

}  // namespace catalogue
