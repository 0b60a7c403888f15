#pragma once

#include <QByteArray>
#include <QVariantList>
#include <optional>
#include <utility>
#include <vector>

#include "ui/RowSource.h"

namespace data {
class Database;
}

namespace issues {

// The columns of a row of subscriptions found; the key and the faculty code
// are kept for the window and not shown.
namespace matchCol {
constexpr int name = 0, department = 1, pointer = 2, departmentCode = 3;
}

// The subscriptions of the titles a condition finds, a page at a time: the
// titles in the order they were entered (or by name), each title's faculties
// in Thai order. The condition is SQL of the records module with its values
// bound, numbered from ?1.
class TitleMatchSource : public ui::RowSource {
  public:
    // The same titles found in the order of entry as they are read, so that
    // a page in that order reads only the titles it shows and not every one
    // found: the FROM and WHERE of a statement that yields vorlen1's rows,
    // and the ORDER BY term that yields them by rowid as they are read.
    struct TitlesInOrder {
        QByteArray fromWhere;
        QByteArray order;
    };

    TitleMatchSource(const data::Database& db, QByteArray where, QVariantList params,
                     QByteArray join, std::optional<TitlesInOrder> inOrder = std::nullopt);

    int count() const override;
    std::vector<QStringList> rows(int offset, int limit) const override;
    // The first page, read to know whether the condition finds anything; it
    // is kept for the list's own first read, which then reads nothing.
    const std::vector<QStringList>& firstPage() const;
    bool sortable(int column) const override {
        return column == matchCol::name || column == matchCol::department;
    }

  private:
    QByteArray fromWhere() const;
    // The FROM and WHERE of a page in the order of entry that ends `titles`
    // titles in.
    QByteArray firstTitles(QVariantList& params, qint64 titles) const;
    QByteArray orderBy(QVariantList& params) const;

    const data::Database& db_;
    QByteArray where_;
    QVariantList params_;
    QByteArray join_;
    std::optional<TitlesInOrder> inOrder_;
    std::vector<QStringList> read(int offset, int limit) const;

    // The faculty codes in Thai order of their names, read once.
    mutable std::optional<std::vector<std::pair<QString, int>>> ranks_;
    struct Kept {
        ui::ListOrder order;
        std::vector<QStringList> rows;
    };
    mutable std::optional<Kept> firstPage_;
};

}  // namespace issues
