#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>

namespace data {

// One result row; columns are read by zero-based position.
class Row {
  public:
    Row() = default;
    explicit Row(QVariantList values) : values_(std::move(values)) {}

    int size() const { return static_cast<int>(values_.size()); }
    bool isNull(int pos) const { return values_.at(pos).isNull(); }
    // The column as text; NULL reads as empty text.
    QString text(int pos) const { return values_.at(pos).toString(); }
    const QVariant& value(int pos) const { return values_.at(pos); }

  private:
    QVariantList values_;
};

}  // namespace data
