#pragma once

#include <QByteArrayView>
#include <QString>
#include <QVariantList>
#include <functional>

namespace data {

class Database;

// A result row read where it lies, each column as the type its reader asks
// for, so that a list of tens of thousands of rows is gone through without
// a variant and a text for every cell. Valid only inside the call it is
// handed to.
class Cells {
  public:
    virtual ~Cells() = default;
    // The column as UTF-8 bytes; NULL reads as empty.
    virtual QByteArrayView bytes(int pos) const = 0;
    virtual qint64 integer(int pos) const = 0;
    QString text(int pos) const { return QString::fromUtf8(bytes(pos)); }
};

// Each row of a statement handed over as its cells, as it is read.
void forEachCells(const Database& db, const char* sql, const QVariantList& params,
                  const std::function<void(const Cells&)>& each);

}  // namespace data
