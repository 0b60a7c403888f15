#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "ui/PickList.h"

namespace data {
class Database;
}

namespace publishers {

// A publisher, agent or shop as the register adds it.
struct DealerValues {
    QString code;      // Publisher_Code
    QString name;      // Publisher_Name
    QString address1;  // Publisher_Address1
    QString address2;  // Publisher_Address2
    QString contact;   // Contact_Name
};

// Every statement on the table `dealer`.
class DealerTable {
  public:
    explicit DealerTable(data::Database& db) : db_(db) {}

    // Publishers whose name contains `part` as typed (not trimmed; % and _ and
    // apostrophes match themselves), in table order, as {code, name} rows.
    // An empty text lists every publisher.
    std::vector<ui::PickRow> findByName(const QString& part) const;

    // The stored name of the first row with exactly this code; none when no
    // row has it.
    std::optional<QString> nameOf(const QString& code) const;
    // Codes of the rows whose name, trimmed, equals the trimmed text.
    std::vector<QString> codesNamed(const QString& name) const;

    // One more than the greatest code read as a number (leading digits, so
    // 0041 counts as 41 and 10 beats 9); 1 for an empty table.
    QString proposeCode() const;

    // Whether a code is a whole number in decimal digits, surrounding spaces
    // aside.
    static bool isCode(const QString& code);
    // Whether a row holds a code of the same number ("005" and "5" are one
    // code); codes are compared without surrounding spaces.
    bool codeUsed(const QString& code) const;

    // Adds one row; positions 0, 1, 3, 4 and 8 get the texts unchanged.
    void add(const DealerValues& values);
    // Adds the row unless its code is used (codeUsed), checked and added in
    // one transaction, so two desks never both add one code; false when used.
    bool addIfFree(const DealerValues& values);

    // Publishers whose name contains the text or whose code is that number,
    // in code order, as {code, name} rows.
    std::vector<ui::PickRow> findByNameOrCode(const QString& text) const;
    // Titles whose title or subscription names this publisher.
    int titlesUsing(const QString& code) const;
    enum class Renamed { done, noSuchCode, nameTaken };
    // Gives the rows of this code the name, trimmed, unless another code
    // already bears it (trimmed, letter case aside): two publishers of one
    // name could not be told apart where they are picked. Checked and written
    // in one transaction.
    Renamed rename(const QString& code, const QString& name);
    // Deletes the rows of this code unless a title uses it; the number of
    // titles that use it (0: deleted). Checked and deleted in one transaction.
    int remove(const QString& code);

  private:
    data::Database& db_;
};

}  // namespace publishers
