#include "articles/HeadingSource.h"

#include <QHash>
#include <QStringList>

#include "data/Database.h"
#include "data/ThaiSortKey.h"

namespace articles {

bool HeadingSource::sortable(int column) const {
    return column == headingColumn::heading || column == headingColumn::thai;
}

QByteArray HeadingSource::key(const char* alias) const {
    const QByteArray a(alias);
    const QByteArray thai = "coalesce(" + a + ".thai_heading, '')";
    switch (order().column) {
        case headingColumn::heading:
            return data::thaiSortKey(("coalesce(" + a + ".heading_text, '')").constData());
        case headingColumn::thai:
            return data::thaiSortKey(thai.constData());
        default:
            // The form lists and cards show: the Thai one where there is one.
            return data::thaiSortKey(("CASE WHEN " + thai + " = '' THEN coalesce(" + a +
                                      ".heading_text, '') ELSE " + thai + " END")
                                         .constData());
    }
}

int HeadingSource::count() const {
    return db_.first("SELECT count(*) FROM heading")->value(0).toInt();
}

std::vector<QStringList> HeadingSource::rows(int offset, int limit) const {
    const QByteArray dir = order().descending ? " DESC" : "";
    return read(" ORDER BY " + key("h") + dir + ", h.heading_id" + dir + " LIMIT ? OFFSET ?",
                {limit, offset});
}

QStringList HeadingSource::cellsOf(qint64 id) const {
    const std::vector<QStringList> found = read(" WHERE h.heading_id = ?", {id});
    return found.empty() ? QStringList() : found.front();
}

int HeadingSource::placeOf(qint64 id) const {
    // The headings before it: a smaller key, or the same key and a smaller id.
    const char* before = order().descending ? " > " : " < ";
    const QByteArray sql = "SELECT count(*) FROM heading h, (SELECT " + key("me") +
                           " AS k FROM heading me WHERE me.heading_id = ?) me WHERE " + key("h") +
                           before + "me.k OR (" + key("h") + " = me.k AND h.heading_id" + before +
                           "?)";
    if (!db_.first("SELECT 1 FROM heading WHERE heading_id = ?", {id}))
        return -1;
    return db_.first(sql.constData(), {id, id})->value(0).toInt();
}

// The page's headings, then the forms of their references in one statement.
std::vector<QStringList> HeadingSource::read(const QByteArray& tail,
                                             const QVariantList& params) const {
    std::vector<QStringList> out;
    QHash<qint64, std::size_t> place;
    QVariantList ids;
    QByteArray marks;
    db_.forEach(
        ("SELECT h.heading_id, h.heading_text, h.thai_heading FROM heading h" + tail).constData(),
        params, [&](data::Row&& r) {
            const qint64 id = r.value(0).toLongLong();
            place.insert(id, out.size());
            out.push_back({r.text(1), r.text(2), QString(), QString::number(id)});
            ids << id;
            marks += marks.isEmpty() ? "?" : ",?";
        });
    if (out.empty())
        return out;
    QHash<qint64, QStringList> refs;
    db_.forEach(("SELECT s.heading_id, h.heading_text, h.thai_heading FROM heading_see_also s"
                 " JOIN heading h ON h.heading_id = s.see_also_id WHERE s.heading_id IN (" +
                 marks + ") ORDER BY s.heading_id, s.rowid")
                    .constData(),
                ids, [&](data::Row&& r) {
                    const QString thai = r.text(2);
                    refs[r.value(0).toLongLong()] << (thai.isEmpty() ? r.text(1) : thai);
                });
    for (auto it = refs.cbegin(); it != refs.cend(); ++it)
        out[place.value(it.key())][headingColumn::seeAlso] = it->join(QStringLiteral("; "));
    return out;
}

}  // namespace articles
