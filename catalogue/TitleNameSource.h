#pragma once

#include "ui/RowSource.h"

namespace data {
class Database;
}

namespace catalogue {

// The titles whose name contains a text literally (% and _ included), as rows
// of (key, name) in the order they were entered; an empty text lists every
// title. Read on from where the last page ended, so that the thousandth page
// costs what the first does.
class TitleNameSource : public ui::RowSource {
  public:
    TitleNameSource(const data::Database& db, const QString& part);

    int count() const override;
    std::vector<QStringList> rows(int offset, int limit) const override;
    bool sortable(int) const override { return false; }

  private:
    const data::Database& db_;
    bool indexed_;
    QVariantList params_;
    // Where the last page ended: the next page starts after that rowid.
    mutable int nextOffset_ = 0;
    mutable qint64 lastRowid_ = 0;
};

}  // namespace catalogue
