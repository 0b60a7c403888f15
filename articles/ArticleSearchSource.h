#pragma once

#include <QByteArray>
#include <QVariantList>
#include <map>
#include <optional>

#include "ui/RowSource.h"

namespace data {
class Database;
class Row;
}  // namespace data

namespace articles {

// The columns of the articles found; the article's key follows them.
namespace found {
enum Column { citation, magno, count, articleId = count };
}

// Conditions on `article a` with their values.
struct ArticleFilter {
    QByteArray where;
    QVariantList params;
};

// The articles a search's conditions find, each with its citation and issue,
// a page at a time: the latest indexed first, or by citation or by
// registration number.
class ArticleSearchSource : public ui::RowSource {
  public:
    // `found` may take its rows from the trigram lists first; `checked` is
    // the same conditions without them, for rows read one by one along an
    // order's index.
    ArticleSearchSource(const data::Database& db, ArticleFilter found, ArticleFilter checked)
        : db_(db), found_(std::move(found)), checked_(std::move(checked)) {}

    // The latest first are read through the words' index (as `f`) from its
    // last entry down, under these conditions.
    void leadByWords(ArticleFilter byWords) { byWords_ = std::move(byWords); }

    int count() const override;
    std::vector<QStringList> rows(int offset, int limit) const override;
    bool sortable(int column) const override;

  private:
    // An order's keys after one row: a page goes on from there.
    struct Keys {
        QVariant first, second;
        qint64 id = 0;
    };
    struct Page {
        std::vector<qint64> ids;
        std::vector<QString> magnos, titles, pages;
        // A row whose first four columns are the id, number, title and pages.
        void add(const data::Row& row);
    };
    Page latestFirst(int offset, int limit) const;
    Page inOrder(int offset, int limit) const;
    bool walks() const;
    std::vector<QStringList> cited(const Page& page) const;

    const data::Database& db_;
    ArticleFilter found_, checked_, byWords_;
    mutable std::optional<int> count_;
    mutable std::optional<qint64> articles_;
    // Where each page read in the current order ended.
    mutable std::map<int, Keys> ends_;
    mutable ui::ListOrder endsOrder_;
};

}  // namespace articles
