#pragma once

#include <QStringList>
#include <QVariantList>
#include <memory>
#include <vector>

namespace data {
class Database;
class Statement;
}  // namespace data

namespace format {

// The rows of a bulk copy written into their tables, a table at a time, each
// value checked against its column's length limit first (the limits'
// triggers are away during the copy). On a file one prepared statement
// writes every row of a table, the issues with their date keys (whose
// triggers are away too); on the server rows go in batches, as a statement
// per row would cost a round trip each, and the server works the keys out.
class RowCopy {
  public:
    explicit RowCopy(data::Database& store);
    ~RowCopy();
    RowCopy(const RowCopy&) = delete;
    RowCopy& operator=(const RowCopy&) = delete;

    // One row of `table`, its values in the order of `columns`.
    void add(const QString& table, const QStringList& columns, const QStringList& row);
    // Writes the rows still held.
    void flush();

  private:
    QByteArray insert(int rows) const;

    data::Database& store_;
    QString table_;
    QStringList columns_;
    std::vector<int> limits_;
    bool keyed_ = false;  // the issues' date keys go in too, daily's then receivedate's
    QStringList keys_;
    std::unique_ptr<data::Statement> statement_;
    QByteArray batch_;
    QVariantList values_;
    int pending_ = 0;
};

}  // namespace format
