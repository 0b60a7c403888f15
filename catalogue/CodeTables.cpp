#include "catalogue/CodeTables.h"

#include "data/Database.h"
#include "data/Schema.h"

namespace catalogue {

namespace {

const char* statement(CodeTable table) {
    switch (table) {
        case CodeTable::typemag:
            return "SELECT * FROM typemag ORDER BY rowid";
        case CodeTable::magtype:
            return "SELECT * FROM magtype ORDER BY rowid";
        case CodeTable::maglang:
            return "SELECT * FROM maglang ORDER BY rowid";
        case CodeTable::department:
            return "SELECT * FROM department ORDER BY rowid";
        case CodeTable::receives:
            return "SELECT * FROM receives ORDER BY rowid";
        case CodeTable::currmony:
            return "SELECT * FROM currmony ORDER BY rowid";
        case CodeTable::statustype:
            return "SELECT * FROM statustype ORDER BY rowid";
        case CodeTable::bindcolor:
            return "SELECT * FROM bindcolor ORDER BY rowid";
        case CodeTable::bindtype:
            return "SELECT * FROM bindtype ORDER BY rowid";
    }
    return nullptr;
}

}  // namespace

std::vector<ui::PickRow> readCodeTable(data::Database& db, CodeTable table) {
    std::vector<ui::PickRow> rows;
    for (const data::Row& row : db.query(statement(table)))
        rows.push_back({row.text(data::codetable::code), row.text(data::codetable::description)});
    return rows;
}

}  // namespace catalogue
