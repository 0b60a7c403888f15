#pragma once

#include <QString>
#include <vector>

#include "catalogue/CodeTables.h"
#include "ui/PickList.h"

namespace data {
class Database;
}

namespace settings {

// The nine code tables the desk keeps for its pick lists: the same ones the
// title window reads.
using CodeKind = catalogue::CodeTable;

// The table and columns of a code table in the database.
struct CodeColumns {
    const char* table;
    const char* code;
    const char* description;
};
CodeColumns columnsOf(CodeKind kind);

// What the clerk calls the table.
QString kindLabel(CodeKind kind);
// The table's name in the database.
QString kindName(CodeKind kind);

// Every statement on one code table, and the rules for changing it: a code is
// not empty, is unique (surrounding spaces aside) and is never changed; no two
// codes share a description (spaces around and case aside), since a pick list
// finds a title's code by its description; a row used by a title, a
// subscription or a registration stays.
class CodeTableRecords {
  public:
    enum class Outcome {
        Done,
        EmptyCode,
        EmptyDescription,
        DuplicateCode,
        DuplicateDescription,
        Missing,
        Meaningful,  // the program selects by this code
        InUse,
    };
    struct Result {
        Outcome outcome;
        int titles = 0;   // with InUse: how many titles use the code
        QString other{};  // with DuplicateDescription: the code that has it
    };

    CodeTableRecords(data::Database& db, CodeKind kind) : db_(db), kind_(kind) {}

    // (code, description) in stored order.
    std::vector<ui::PickRow> rows() const;
    // Titles whose title, subscription or registered issues use the code.
    int titlesUsing(const QString& code) const;
    // The codes that choose a key series or the expiry list.
    static bool meaningful(CodeKind kind, const QString& code);

    // Each change is one transaction that checks the rules again under the
    // write lock; code and description are stored trimmed.
    Result add(const QString& code, const QString& description);
    Result describe(const QString& code, const QString& description);
    Result remove(const QString& code);

  private:
    bool has(const QString& code) const;
    // The other code that already has this description, if any.
    QString describedAs(const QString& description, const QString& except) const;

    data::Database& db_;
    CodeKind kind_;
};

}  // namespace settings
