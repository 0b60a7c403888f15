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

const char* existence(CodeTable table) {
    switch (table) {
        case CodeTable::typemag:
            return "SELECT 1 FROM typemag WHERE trim(Type_Code) = trim(?) LIMIT 1";
        case CodeTable::magtype:
            return "SELECT 1 FROM magtype WHERE trim(MagType_Code) = trim(?) LIMIT 1";
        case CodeTable::maglang:
            return "SELECT 1 FROM maglang WHERE trim(Language_Code) = trim(?) LIMIT 1";
        case CodeTable::department:
            return "SELECT 1 FROM department WHERE trim(Department_Code) = trim(?) LIMIT 1";
        case CodeTable::receives:
            return "SELECT 1 FROM receives WHERE trim(receivestatus) = trim(?) LIMIT 1";
        case CodeTable::currmony:
            return "SELECT 1 FROM currmony WHERE trim(Currency_Code) = trim(?) LIMIT 1";
        case CodeTable::statustype:
            return "SELECT 1 FROM statustype WHERE trim(status_Code) = trim(?) LIMIT 1";
        case CodeTable::bindcolor:
            return "SELECT 1 FROM bindcolor WHERE trim(BindType_Code) = trim(?) LIMIT 1";
        case CodeTable::bindtype:
            return "SELECT 1 FROM bindtype WHERE trim(BindType_Code) = trim(?) LIMIT 1";
    }
    return nullptr;
}

}  // namespace

bool codeExists(data::Database& db, CodeTable table, const QString& code) {
    return !code.trimmed().isEmpty() && db.first(existence(table), {code}).has_value();
}

std::vector<ui::PickRow> readCodeTable(data::Database& db, CodeTable table) {
    std::vector<ui::PickRow> rows;
    for (const data::Row& row : db.query(statement(table)))
        rows.push_back({row.text(data::codetable::code), row.text(data::codetable::description)});
    return rows;
}

}  // namespace catalogue
