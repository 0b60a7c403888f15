#include "catalogue/TitleSearch.h"

#include "catalogue/TitleNameSource.h"
#include "data/Database.h"
#include "data/StoredKey.h"

namespace catalogue {

std::vector<ui::PickRow> TitleSearch::byName(const QString& part) const {
    std::vector<ui::PickRow> rows;
    ui::forEachRow(*namesLike(part), [&](const QStringList& r) {
        rows.push_back({r.value(0), r.value(1)});
    });
    return rows;
}

std::shared_ptr<ui::RowSource> TitleSearch::namesLike(const QString& part) const {
    return std::make_shared<TitleNameSource>(db_, part);
}

bool TitleSearch::nameTaken(const QString& typed) const {
    // The same rule on the file and on the server (data/NameIndex.h).
    return db_
        .first("SELECT 1 FROM vorlen1 WHERE lower(trim(vorlen_name)) = lower(trim(?)) LIMIT 1",
               {typed})
        .has_value();
}

// A code without its code-table or publisher row still loads: the window
// marks it, so that a deleted code never hides the title or its subscription.
std::optional<data::Row> TitleSearch::title(const QString& key) const {
    return db_.first(
        "SELECT vorlen1.pointer, vorlen1.vorlen_name, vorlen1.compare_name, vorlen1.old_name,"
        " vorlen1.shot_name, vorlen1.First_year_printed, vorlen1.issn,"
        " vorlen1.number_per_volume, vorlen1.volume_per_year, vorlen1.language_code,"
        " vorlen1.magtype_code, vorlen1.publisher_code, dealer.publisher_name"
        " FROM vorlen1"
        " LEFT JOIN dealer ON dealer.rowid = (SELECT rowid FROM dealer"
        "  WHERE Publisher_Code = vorlen1.publisher_code ORDER BY rowid LIMIT 1)"
        " WHERE vorlen1.pointer = ? ORDER BY vorlen1.rowid LIMIT 1",
        {data::storedKey(db_, data::KeyTable::vorlen1, key)});
}

std::optional<data::Row> TitleSearch::subscription(const QString& key) const {
    return db_.first(
        "SELECT vorlen.copy_per_year, vorlen.price_per_year, vorlen.exchange_rate,"
        " vorlen.begin_period, vorlen.end_period, vorlen.order_date,"
        " vorlen.department_code, vorlen.Receive_Code, vorlen.currency_code,"
        " vorlen.publisher_code, dealer.Publisher_Name, vorlen.status_code,"
        " vorlen.bind_type_code, vorlen.bind_color_code"
        " FROM vorlen"
        " LEFT JOIN dealer ON dealer.rowid = (SELECT rowid FROM dealer"
        "  WHERE Publisher_Code = vorlen.publisher_code ORDER BY rowid LIMIT 1)"
        " WHERE vorlen.pointer = ? ORDER BY vorlen.rowid LIMIT 1",
        {data::storedKey(db_, data::KeyTable::vorlen, key)});
}

std::optional<QString> TitleSearch::kind(const QString& key) const {
    const auto row =
        db_.first("SELECT type_code FROM typeclass WHERE pointer = ? ORDER BY rowid LIMIT 1",
                  {data::storedKey(db_, data::KeyTable::typeclass, key)});
    if (!row)
        return std::nullopt;
    return row->text(0);
}

}  // namespace catalogue
