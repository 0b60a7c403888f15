#include "publishers/DealerTable.h"

#include "data/Database.h"
#include "data/LeadingNumber.h"
#include "data/LikePattern.h"
#include "data/NameIndex.h"

#include <algorithm>
#include <limits>

namespace publishers {

namespace {

// One code of a publisher: the same text, or the same whole number ("005" is
// "5"); the column is named by the caller, never taken from the user.
QByteArray sameCode(const char* column) {
    const QByteArray c = QByteArray("trim(") + column + ")";
    // trim(x, digits) = '': x is digits only.
    return "(" + c + " = ?1 OR (" + c + " <> '' AND trim(" + c +
           ", '0123456789') = '' AND ?1 <> ''" + " AND trim(?1, '0123456789') = '' AND ltrim(" + c +
           ", '0') = ltrim(?1, '0')))";
}

}  // namespace

std::vector<ui::PickRow> DealerTable::findByName(const QString& part) const {
    const QString pattern = data::containsPattern(part);
    const std::vector<data::Row> rows =
        data::trigramSearchable(db_, part)
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
    found.reserve(rows.size());
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
             "SELECT Publisher_Code FROM dealer WHERE trim(Publisher_Name) = ? ORDER BY rowid",
             {name.trimmed()}))
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
            ("SELECT 1 FROM dealer WHERE " + sameCode("Publisher_Code") + " LIMIT 1").constData(),
            {code.trimmed()})
        .has_value();
}

void DealerTable::add(const DealerValues& v) {
    db_.exec(
        "INSERT INTO dealer (Publisher_Code, Publisher_Name, Publisher_Address1,"
        " Publisher_Address2, Contact_Name) VALUES (?, ?, ?, ?, ?)",
        {v.code, v.name, v.address1, v.address2, v.contact});
}

bool DealerTable::addIfFree(const DealerValues& values) {
    data::Transaction tx(db_);
    if (codeUsed(values.code))
        return false;
    add(values);
    tx.commit();
    return true;
}

std::vector<ui::PickRow> DealerTable::findByNameOrCode(const QString& text) const {
    std::vector<ui::PickRow> found;
    const QByteArray sql =
        "SELECT Publisher_Code, Publisher_Name FROM dealer"
        " WHERE Publisher_Name LIKE ?2 ESCAPE '\\' OR " +
        sameCode("Publisher_Code") +
        " ORDER BY CAST(trim(Publisher_Code) AS INTEGER), Publisher_Code, rowid";
    for (const data::Row& row :
         db_.query(sql.constData(), {text.trimmed(), data::containsPattern(text.trimmed())}))
        found.push_back({row.text(0), row.text(1)});
    return found;
}

int DealerTable::titlesUsing(const QString& code) const {
    const QByteArray sql = "SELECT count(*) FROM (SELECT pointer FROM vorlen1 WHERE " +
                           sameCode("publisher_code") + " UNION SELECT pointer FROM vorlen WHERE " +
                           sameCode("publisher_code") + ") AS used";
    return db_.first(sql.constData(), {code.trimmed()})->value(0).toInt();
}

DealerTable::Renamed DealerTable::rename(const QString& code, const QString& name) {
    data::Transaction tx(db_);
    const QString folded = name.trimmed().toCaseFolded();
    for (const data::Row& row :
         db_.query("SELECT Publisher_Name FROM dealer WHERE Publisher_Code <> ?", {code}))
        if (row.text(0).trimmed().toCaseFolded() == folded)
            return Renamed::nameTaken;
    if (db_.exec("UPDATE dealer SET Publisher_Name = ? WHERE Publisher_Code = ?",
                 {name.trimmed(), code}) == 0)
        return Renamed::noSuchCode;
    tx.commit();
    return Renamed::done;
}

int DealerTable::remove(const QString& code) {
    data::Transaction tx(db_);
    if (const int titles = titlesUsing(code); titles > 0)
        return titles;
    db_.exec("DELETE FROM dealer WHERE Publisher_Code = ?", {code});
    tx.commit();
    return 0;
}

}  // namespace publishers
