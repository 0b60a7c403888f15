#include "articles/HeadingRecords.h"

#include "articles/RuleError.h"
#include "articles/ThaiOrder.h"
#include "data/Database.h"

namespace articles {

std::vector<Heading> HeadingRecords::all() const {
    std::vector<Heading> found;
    for (const data::Row& r :
         db_.query("SELECT heading_id, heading_text, thai_heading FROM heading"))
        found.push_back({r.value(0).toLongLong(), r.text(1), r.text(2), {}});
    for (const data::Row& r : db_.query(
             "SELECT heading_id, see_also_id FROM heading_see_also ORDER BY heading_id, rowid"))
        for (Heading& h : found)
            if (h.id == r.value(0).toLongLong())
                h.seeAlso.push_back(r.value(1).toLongLong());
    sortThai<Heading>(found, [](const Heading& h) { return h.shown(); });
    return found;
}

std::optional<Heading> HeadingRecords::byId(qint64 id) const {
    const auto row =
        db_.first("SELECT heading_text, thai_heading FROM heading WHERE heading_id = ?", {id});
    if (!row)
        return std::nullopt;
    Heading h{id, row->text(0), row->text(1), {}};
    for (const data::Row& r : db_.query(
             "SELECT see_also_id FROM heading_see_also WHERE heading_id = ? ORDER BY rowid", {id}))
        h.seeAlso.push_back(r.value(0).toLongLong());
    return h;
}

bool HeadingRecords::named(qint64 id) const {
    return db_
        .first("SELECT 1 FROM heading_see_also WHERE see_also_id = ? AND heading_id <> ?", {id, id})
        .has_value();
}

std::optional<qint64> HeadingRecords::idOf(const QString& text, qint64 other) const {
    const auto row = db_.first(
        "SELECT heading_id FROM heading WHERE heading_id <> ? AND (lower(heading_text) = lower(?)"
        " OR lower(thai_heading) = lower(?)) ORDER BY heading_id",
        {other, text.simplified(), text.simplified()});
    if (!row)
        return std::nullopt;
    return row->value(0).toLongLong();
}

qint64 HeadingRecords::findOrAdd(const QString& text) {
    if (text.simplified().isEmpty())
        throw RuleError(QStringLiteral("กรุณาพิมพ์หัวเรื่อง"));
    if (const auto id = idOf(text))
        return *id;
    const qint64 id =
        db_.first("SELECT coalesce(max(heading_id), 0) + 1 FROM heading")->value(0).toLongLong();
    db_.exec("INSERT INTO heading (heading_id, heading_text, thai_heading) VALUES (?, ?, '')",
             {id, text.simplified()});
    return id;
}

qint64 HeadingRecords::save(const Heading& h) {
    if (h.heading.simplified().isEmpty())
        throw RuleError(QStringLiteral("กรุณาพิมพ์หัวเรื่อง"));
    data::Transaction tx(db_);
    for (const QString& text : {h.heading, h.thai})
        if (!text.simplified().isEmpty() && idOf(text, h.id))
            throw RuleError(QStringLiteral("มีหัวเรื่อง \"%1\" อยู่แล้ว").arg(text.simplified()));
    qint64 id = h.id;
    if (id == 0) {
        id = db_.first("SELECT coalesce(max(heading_id), 0) + 1 FROM heading")
                 ->value(0)
                 .toLongLong();
        db_.exec("INSERT INTO heading (heading_id, heading_text, thai_heading) VALUES (?, ?, ?)",
                 {id, h.heading.simplified(), h.thai.simplified()});
    } else if (db_.exec(
                   "UPDATE heading SET heading_text = ?, thai_heading = ? WHERE heading_id = ?",
                   {h.heading.simplified(), h.thai.simplified(), id}) == 0) {
        throw RuleError(QStringLiteral("ไม่พบหัวเรื่องนี้ อาจถูกลบไปแล้ว"));
    }
    db_.exec("DELETE FROM heading_see_also WHERE heading_id = ?", {id});
    for (qint64 other : h.seeAlso) {
        const bool exists =
            db_.first("SELECT 1 FROM heading WHERE heading_id = ?", {other}).has_value();
        if (other != id && exists)
            db_.exec("INSERT INTO heading_see_also (heading_id, see_also_id) VALUES (?, ?)",
                     {id, other});
    }
    tx.commit();
    return id;
}

void HeadingRecords::remove(qint64 id) {
    data::Transaction tx(db_);
    const int used = db_.first("SELECT count(*) FROM article_heading WHERE heading_id = ?", {id})
                         ->value(0)
                         .toInt();
    if (used > 0)
        throw RuleError(QStringLiteral("ลบไม่ได้ หัวเรื่องนี้ยังใช้อยู่ในบทความ %1 รายการ").arg(used));
    db_.exec("DELETE FROM heading_see_also WHERE heading_id = ? OR see_also_id = ?", {id, id});
    db_.exec("DELETE FROM heading WHERE heading_id = ?", {id});
    tx.commit();
}

}  // namespace articles
