#include "settings/CodeTableSource.h"

#include "data/Database.h"
#include "data/ThaiSortKey.h"

namespace settings {

CodeTableSource::CodeTableSource(const data::Database& db, CodeKind kind)
    : db_(db), kind_(kind), columns_(columnsOf(kind)) {}

bool CodeTableSource::sortable(int column) const {
    return column == codeColumn::code || column == codeColumn::description ||
           (intervals() && (column == codeColumn::days || column == codeColumn::grace));
}

// Table and column names come from the records' list, never from the user.
QByteArray CodeTableSource::from(const char* alias) const {
    const QByteArray a(alias);
    QByteArray out = QByteArray(columns_.table) + " " + a;
    if (intervals())
        out += " LEFT JOIN magtype_interval " + a + "i ON " + a + "i.MagType_Code = trim(" + a +
               "." + columns_.code + ")";
    return out;
}

QByteArray CodeTableSource::key(const char* alias) const {
    const QByteArray a(alias);
    switch (order().column) {
        case codeColumn::code:
            return "coalesce(trim(" + a + "." + columns_.code + "), '')";
        case codeColumn::description:
            return data::thaiSortKey(
                ("coalesce(" + a + "." + columns_.description + ", '')").constData());
        case codeColumn::days:
            return "coalesce(" + a + "i.interval_days, 0)";
        case codeColumn::grace:
            return "coalesce(" + a + "i.grace_days, 0)";
        default:
            return {};
    }
}

QByteArray CodeTableSource::selectCells() const {
    return "SELECT t." + QByteArray(columns_.code) + ", t." + columns_.description +
           (intervals() ? ", ti.interval_days, ti.grace_days" : "") + " FROM " + from("t");
}

int CodeTableSource::count() const {
    return db_.first((QByteArray("SELECT count(*) FROM ") + columns_.table).constData())
        ->value(0)
        .toInt();
}

namespace {

QStringList cells(const data::Row& r, bool intervals) {
    QStringList out{r.text(0), r.text(1)};
    if (intervals)
        out << r.text(2) << r.text(3);
    return out;
}

}  // namespace

std::vector<QStringList> CodeTableSource::rows(int offset, int limit) const {
    const QByteArray dir = order().descending ? " DESC" : "";
    const QByteArray sql = selectCells() + " ORDER BY " +
                           (key("t").isEmpty() ? QByteArray() : key("t") + dir + ", ") + "t.rowid" +
                           dir + " LIMIT ? OFFSET ?";
    std::vector<QStringList> out;
    db_.forEach(sql.constData(), {limit, offset},
                [&](data::Row&& r) { out.push_back(cells(r, intervals())); });
    return out;
}

std::optional<QStringList> CodeTableSource::cellsOf(const QString& code) const {
    const QByteArray sql =
        selectCells() + " WHERE trim(t." + columns_.code + ") = ? ORDER BY t.rowid";
    const auto row = db_.first(sql.constData(), {code.trimmed()});
    if (!row)
        return std::nullopt;
    return cells(*row, intervals());
}

int CodeTableSource::placeOf(const QString& code) const {
    // The rows before it: a key before its key, or the same key stored before it.
    const char* before = order().descending ? " > " : " < ";
    const QByteArray stored = "t.rowid" + QByteArray(before) + "m.rowid";
    const QByteArray earlier = key("t").isEmpty()
                                   ? stored
                                   : key("t") + before + key("m") + " OR (" + key("t") + " = " +
                                         key("m") + " AND " + stored + ")";
    const QByteArray sql = "SELECT (SELECT count(*) FROM " + from("t") + " WHERE " + earlier +
                           ") FROM " + from("m") + " WHERE trim(m." + columns_.code +
                           ") = ? ORDER BY m.rowid";
    const auto row = db_.first(sql.constData(), {code.trimmed()});
    return row ? row->value(0).toInt() : -1;
}

}  // namespace settings
