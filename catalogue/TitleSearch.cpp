#include "catalogue/TitleSearch.h"

#include "data/Database.h"
#include "data/LikePattern.h"
#include "data/NameIndex.h"

namespace catalogue {

std::vector<ui::PickRow> TitleSearch::byName(const QString& part) const {
    const QVariantList params = {data::containsPattern(part)};
    const std::vector<data::Row> found =
        data::trigramSearchable(db_, part)
            ? db_.query(
                  "SELECT pointer, vorlen_name FROM vorlen1"
                  " WHERE rowid IN (SELECT rowid FROM vorlen1_names"
                  " WHERE vorlen1_names MATCH ?)"
                  " AND vorlen_name LIKE ? ESCAPE '\\' ORDER BY rowid",
                  {QStringLiteral("vorlen_name : ") + data::trigramQuery(part), params[0]})
            : db_.query(
                  "SELECT pointer, vorlen_name FROM vorlen1"
                  " WHERE vorlen_name LIKE ? ESCAPE '\\' ORDER BY rowid",
                  params);
    std::vector<ui::PickRow> rows;
    rows.reserve(found.size());
    for (const data::Row& row : found)
        rows.push_back({row.text(0), row.text(1)});
    return rows;
}

bool TitleSearch::nameTaken(const QString& typed) const {
    // The same rule on the file and on the server (data/NameIndex.h).
    return db_
        .first("SELECT 1 FROM vorlen1 WHERE lower(trim(vorlen_name)) = lower(trim(?)) LIMIT 1",
               {typed})
        .has_value();
}

std::optional<data::Row> TitleSearch::title(const QString& key) const {
    return db_.first(
        "SELECT vorlen1.pointer, vorlen1.vorlen_name, vorlen1.compare_name, vorlen1.old_name,"
        " vorlen1.shot_name, vorlen1.First_year_printed, vorlen1.issn,"
        " vorlen1.number_per_volume, vorlen1.volume_per_year, maglang.langdesth,"
        " magtype.magtype_thai_des, dealer.Publisher_code, dealer.publisher_name"
        " FROM vorlen1"
        " JOIN maglang ON vorlen1.language_code = maglang.language_code"
        " JOIN magtype ON vorlen1.magtype_code = magtype.magtype_code"
        " JOIN dealer ON vorlen1.publisher_code = dealer.publisher_code"
        " WHERE vorlen1.pointer = ? ORDER BY vorlen1.rowid LIMIT 1",
        {key});
}

std::optional<data::Row> TitleSearch::subscription(const QString& key) const {
    return db_.first(
        "SELECT vorlen.copy_per_year, vorlen.price_per_year, vorlen.exchange_rate,"
        " vorlen.begin_period, vorlen.end_period, vorlen.order_date,"
        " department.department_thai_des, receives.receivestatusdes,"
        " currmony.Currency_Thai_Des, dealer.Publisher_code, dealer.Publisher_Name,"
        " statustype.status_thai_descrition, bindtype.bindtype_des, bindcolor.bindcolor_desth"
        " FROM vorlen"
        " JOIN department ON vorlen.department_code = department.department_code"
        " JOIN receives ON vorlen.Receive_Code = receives.receivestatus"
        " JOIN currmony ON vorlen.currency_code = currmony.currency_code"
        " JOIN dealer ON vorlen.publisher_code = dealer.publisher_code"
        " JOIN statustype ON vorlen.status_code = statustype.status_code"
        " JOIN bindtype ON vorlen.bind_type_code = bindtype.bindtype_code"
        " JOIN bindcolor ON vorlen.bind_color_code = bindcolor.bindtype_code"
        " WHERE vorlen.pointer = ? ORDER BY vorlen.rowid LIMIT 1",
        {key});
}

std::optional<QString> TitleSearch::kind(const QString& key) const {
    const auto row = db_.first(
        "SELECT typeclass.type_code, typemag.type_thai_descrition FROM typeclass"
        " JOIN typemag ON typeclass.type_code = typemag.type_code"
        " WHERE typeclass.pointer = ? ORDER BY typeclass.rowid LIMIT 1",
        {key});
    if (!row)
        return std::nullopt;
    return row->text(1);
}

}  // namespace catalogue
