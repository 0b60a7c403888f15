#pragma once

#include <QByteArray>
#include <QVariantList>

#include "ui/RowSource.h"

namespace data {
class Database;
}

namespace articles {

// The columns of the author list; the author's key follows them.
namespace authorColumn {
enum Column { name, kind, articles, count, id = count };
}

// The authors whose name holds a part (all for none), each with how many
// articles name them, a page at a time: in Thai order of the name, persons
// apart from bodies, or the most used first.
class AuthorSource : public ui::RowSource {
  public:
    AuthorSource(const data::Database& db, const QString& part);

    static const QString kPerson, kCorporate;

    int count() const override;
    std::vector<QStringList> rows(int offset, int limit) const override;
    bool sortable(int column) const override;
    bool descendingFirst(int column) const override { return column == authorColumn::articles; }

    // The place of an author in the current order; -1 when the list has none.
    int placeOf(qint64 id) const;

  private:
    struct Key {
        QByteArray expr;
        bool falling;
    };
    // The ORDER BY keys of the current order for the author table as `alias`,
    // the author's id last.
    std::vector<Key> keys(const char* alias) const;

    const data::Database& db_;
    QByteArray where_;
    QVariantList params_;
};

}  // namespace articles
