#pragma once

#include <QByteArray>
#include <QVariantList>

#include "ui/RowSource.h"

namespace data {
class Database;
}

namespace articles {

// The columns of the heading list; the heading's key follows them.
namespace headingColumn {
enum Column { heading, thai, seeAlso, count, id = count };
}

// The subject headings with their "see also" references, a page at a time:
// in Thai order of the form shown, or of the heading or of its Thai form.
class HeadingSource : public ui::RowSource {
  public:
    explicit HeadingSource(const data::Database& db) : db_(db) {}

    int count() const override;
    std::vector<QStringList> rows(int offset, int limit) const override;
    bool sortable(int column) const override;

    // The place of a heading in the current order, -1 when there is none.
    int placeOf(qint64 id) const;
    // The cells of one heading as a page shows them; empty when there is none.
    QStringList cellsOf(qint64 id) const;

  private:
    // The ORDER BY key of the current order for the heading table as `alias`.
    QByteArray key(const char* alias) const;
    std::vector<QStringList> read(const QByteArray& tail, const QVariantList& params) const;

    const data::Database& db_;
};

}  // namespace articles
