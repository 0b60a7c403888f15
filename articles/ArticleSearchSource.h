#pragma once

#include <QByteArray>
#include <QVariantList>

#include "ui/RowSource.h"

namespace data {
class Database;
}

namespace articles {

// The columns of the articles found; the article's key follows them.
namespace found {
enum Column { citation, magno, count, articleId = count };
}

// The articles a search's conditions (on `article a`) find, each with its
// citation and issue, a page at a time: the latest indexed first, or by
// citation or by registration number.
class ArticleSearchSource : public ui::RowSource {
  public:
    ArticleSearchSource(const data::Database& db, QByteArray where, QVariantList params)
        : db_(db), where_(std::move(where)), params_(std::move(params)) {}

    // The latest first are read through the words' index (as `f`) from its
    // last entry down, under these conditions.
    void leadByWords(QByteArray where, QVariantList params) {
        byWords_ = std::move(where);
        byWordsParams_ = std::move(params);
    }

    // The statement of a page in an order, to be followed by LIMIT and OFFSET.
    QByteArray pageSql(ui::ListOrder order) const;

    int count() const override;
    std::vector<QStringList> rows(int offset, int limit) const override;
    bool sortable(int column) const override;

  private:
    const data::Database& db_;
    QByteArray where_;
    QVariantList params_;
    QByteArray byWords_;
    QVariantList byWordsParams_;
};

}  // namespace articles
