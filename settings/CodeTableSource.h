#pragma once

#include <QByteArray>
#include <QStringList>
#include <optional>

#include "settings/CodeTableRecords.h"
#include "ui/RowSource.h"

namespace data {
class Database;
}

namespace settings {

// The columns of a code table's list; the frequencies add their interval.
namespace codeColumn {
enum Column { code, description, days, grace };
}

// The rows of one code table, a page at a time: in stored order, or by code,
// by description in Thai order, or (frequencies) by interval or grace days.
class CodeTableSource : public ui::RowSource {
  public:
    CodeTableSource(const data::Database& db, CodeKind kind);

    bool intervals() const { return kind_ == CodeKind::magtype; }

    int count() const override;
    std::vector<QStringList> rows(int offset, int limit) const override;
    bool sortable(int column) const override;

    // The place of a code in the current order; -1 when the table has none.
    int placeOf(const QString& code) const;
    // The cells of a code's row as a page shows them.
    std::optional<QStringList> cellsOf(const QString& code) const;

  private:
    // The ORDER BY key of the current order for the table as `alias`, none
    // for the stored order; the row's place in the table follows it.
    QByteArray key(const char* alias) const;
    QByteArray from(const char* alias) const;
    // The columns `cells` reads, from the table as "t".
    QByteArray selectCells() const;

    const data::Database& db_;
    CodeKind kind_;
    CodeColumns columns_;
};

}  // namespace settings
