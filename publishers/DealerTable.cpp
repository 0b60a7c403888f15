#include "publishers/DealerTable.h"

#include "data/Database.h"
#include "data/LeadingNumber.h"
#include "data/LikePattern.h"
#include "data/NameIndex.h"

#include <algorithm>
#include <limits>

namespace publishers {

std::vector<ui::PickRow> DealerTable::findByName(const QString& part) const {
    const QString pattern = data::containsPattern(part);
    const std::vector<data::Row> rows =
        data::trigramSearchable(part)
            ? db_.query(
                  "SELECT Publisher_Code, Publisher_Name FROM dealer"
                  " WHERE rowid IN (SELECT rowid FROM dealer_names WHERE dealer_names MATCH ?)"
                  " AND Publisher_Name LIKE ? ESCAPE '\\' ORDER BY rowid",
                  {data::trigramQuery(part), pattern})
            : db_.query(
                  "SELECT Publisher_Code, Publisher_Name FROM dealer"
                  " WHERE Publisher_Name LIKE ? ESCAPE '\\' ORDER BY rowid",
                  {pattern});
    std::vector<ui::PickRow> found;
    for (const data::Row& row : rows)
        found.push_back({row.text(0), row.text(1)});
    return found;
}

std::optional<QString> DealerTable::nameOf(const QString& code) const {
    const auto row = db_.first(
        "SELECT Publisher_Name FROM dealer WHERE Publisher_Code = ? ORDER BY rowid LIMIT 1",
        {code});
    if (!row)
        return std::nullopt;
    return row->text(0);
}

std::vector<QString> DealerTable::codesNamed(const QString& name) const {
    std::vector<QString> codes;
    for (const data::Row& row : db_.query(
             "SELECT Publisher_Code FROM dealer WHERE trim(Publisher_Name) = ?", {name.trimmed()}))
        codes.push_back(row.text(0));
    return codes;
}

QString DealerTable::proposeCode() const {
    qint64 highest = 0;
    for (const data::Row& row : db_.query("SELECT Publisher_Code FROM dealer"))
        highest = std::max(highest, data::leadingNumber(row.text(0)));
    return QString::number(highest < std::numeric_limits<qint64>::max() ? highest + 1 : highest);
}

bool DealerTable::isCode(const QString& code) {
    const QString digits = code.trimmed();
    return !digits.isEmpty() && std::all_of(digits.begin(), digits.end(),
                                            [](QChar c) { return c >= u'0' && c <= u'9'; });
}

bool DealerTable::codeUsed(const QString& code) const {
    // Leading zeros are stripped on both sides, so numbers of any length compare
    // exactly; a code of other characters only matches itself.
    return db_
        .first(
            "SELECT 1 FROM dealer WHERE trim(Publisher_Code) = ?1"
            " OR (trim(Publisher_Code) <> '' AND trim(Publisher_Code) NOT GLOB '*[^0-9]*'"
            " AND ltrim(trim(Publisher_Code), '0') = ltrim(?1, '0')) LIMIT 1",
            {code.trimmed()})
        .has_value();
}

void DealerTable::add(const DealerValues& v) {
    db_.exec(
        "INSERT INTO dealer (Publisher_Code, Publisher_Name, Publisher_Address1,"
        " Publisher_Address2, Contact_Name) VALUES (?, ?, ?, ?, ?)",
        {v.code, v.name, v.address1, v.address2, v.contact});
}

}  // namespace publishers
