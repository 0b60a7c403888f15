#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

#include "articles/ArticleRecords.h"

namespace data {
class Database;
}

namespace articles {

// One catalogue card of an article: the main card (under its first author,
// or its title where it has none) and the added cards for the title and for
// each subject heading, whose heading stands on the top line.
struct IndexCard {
    qint64 articleId = 0;
    QString key;      // "main", "title" or "heading:<id>": what its printing is kept under
    QString topLine;  // the heading the card files under
    QString body;     // the citation
    QString tracing;  // on the main card: the headings and the title it is also filed under
    bool printed = false;
};

// The cards of the index and whether each has been printed.
class IndexCards {
  public:
    explicit IndexCards(data::Database& db) : db_(db) {}

    // The cards of one article, main card first.
    std::vector<IndexCard> ofArticle(const Article& a) const;
    // Every card of the articles indexed on these days that has not been
    // printed, in filing order (Thai order of the top lines).
    std::vector<IndexCard> unprinted(const QDate& from, const QDate& to) const;
    // Every card of the articles indexed on these days, printed or not.
    std::vector<IndexCard> indexed(const QDate& from, const QDate& to) const;
    // Marks the cards printed on `day`, all in one transaction.
    void markPrinted(const std::vector<IndexCard>& cards, const QDate& day);

  private:
    std::vector<IndexCard> between(const QDate& from, const QDate& to, bool onlyNew) const;

    data::Database& db_;
};

}  // namespace articles
