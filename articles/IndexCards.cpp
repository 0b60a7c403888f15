#include "articles/IndexCards.h"

#include "articles/HeadingRecords.h"
#include "articles/ThaiOrder.h"
#include "data/Database.h"

namespace articles {

std::vector<IndexCard> IndexCards::ofArticle(const Article& a) const {
    ArticleRecords records(db_);
    const QString body = citation(records.citationParts(a));
    std::vector<std::pair<qint64, QString>> headings;
    for (const data::Row& r :
         db_.query("SELECT h.heading_id, h.heading_text, h.thai_heading FROM article_heading u"
                   " JOIN heading h ON h.heading_id = u.heading_id WHERE u.article_id = ?"
                   " ORDER BY u.position",
                   {a.id}))
        headings.emplace_back(r.value(0).toLongLong(), r.text(2).isEmpty() ? r.text(1) : r.text(2));
    const bool authored = !a.authors.empty();
    QStringList tracing;
    for (std::size_t i = 0; i < headings.size(); ++i)
        tracing << QStringLiteral("%1. %2").arg(i + 1).arg(headings[i].second);
    if (authored)
        tracing << QStringLiteral("I. ชื่อเรื่อง");
    std::vector<IndexCard> cards;
    cards.push_back({a.id, QStringLiteral("main"),
                     authored ? a.authors.front().name : a.title.trimmed(), body,
                     tracing.join(QStringLiteral("  ")), false});
    if (authored)
        cards.push_back({a.id, QStringLiteral("title"), a.title.trimmed(), body, {}, false});
    for (const auto& [id, text] : headings)
        cards.push_back({a.id, QStringLiteral("heading:%1").arg(id), text, body, {}, false});
    std::vector<QString> printed;
    for (const data::Row& r :
         db_.query("SELECT card_key FROM index_card WHERE article_id = ?", {a.id}))
        printed.push_back(r.text(0));
    for (IndexCard& c : cards)
        c.printed = std::find(printed.begin(), printed.end(), c.key) != printed.end();
    return cards;
}

std::vector<IndexCard> IndexCards::between(const QDate& from, const QDate& to, bool onlyNew) const {
    ArticleRecords records(db_);
    std::vector<IndexCard> cards;
    for (const data::Row& r :
         db_.query("SELECT article_id FROM article WHERE indexed_on >= ? AND indexed_on <= ?"
                   " ORDER BY article_id",
                   {from.toString(Qt::ISODate), to.toString(Qt::ISODate)}))
        if (const auto a = records.load(r.value(0).toLongLong()))
            for (IndexCard& c : ofArticle(*a))
                if (!onlyNew || !c.printed)
                    cards.push_back(std::move(c));
    sortThai<IndexCard>(cards, [](const IndexCard& c) { return c.topLine; });
    return cards;
}

std::vector<IndexCard> IndexCards::unprinted(const QDate& from, const QDate& to) const {
    return between(from, to, true);
}

std::vector<IndexCard> IndexCards::indexed(const QDate& from, const QDate& to) const {
    return between(from, to, false);
}

void IndexCards::markPrinted(const std::vector<IndexCard>& cards, const QDate& day) {
    data::Transaction tx(db_);
    for (const IndexCard& c : cards) {
        db_.exec("DELETE FROM index_card WHERE article_id = ? AND card_key = ?",
                 {c.articleId, c.key});
        db_.exec("INSERT INTO index_card (article_id, card_key, printed_on) VALUES (?, ?, ?)",
                 {c.articleId, c.key, day.toString(Qt::ISODate)});
    }
    tx.commit();
}

}  // namespace articles
