#include "format/RowCopy.h"

#include <utility>

#include "data/Database.h"
#include "data/Statement.h"
#include "format/BulkLoad.h"

namespace format {

namespace {

constexpr int kBatchRows = 200;

}  // namespace

RowCopy::RowCopy(data::Database& store) : store_(store) {}

RowCopy::~RowCopy() = default;

void RowCopy::add(const QString& table, const QStringList& columns, QStringList&& row) {
    if (table != table_) {
        flush();
        table_ = table;
        columns_ = columns;
        if (store_.isPostgres())
            batch_ = insert(kBatchRows);
        else
            statement_ = std::make_unique<data::Statement>(store_.handle(), insert(1).constData());
    }
    if (auto refused = lengthRefusal(table_, columns_, row))
        throw *refused;
    if (statement_) {
        statement_->runTexts(row);
        return;
    }
    for (const QString& value : std::as_const(row))
        values_ << value;
    if (++pending_ == kBatchRows)
        flush();
}

void RowCopy::flush() {
    if (pending_ > 0)
        store_.exec(pending_ == kBatchRows ? batch_.constData() : insert(pending_).constData(),
                    values_);
    values_.clear();
    pending_ = 0;
}

QByteArray RowCopy::insert(int rows) const {
    const QString one = u'(' + QStringList(columns_.size(), QStringLiteral("?")).join(u',') + u')';
    return QStringLiteral("INSERT INTO %1 (%2) VALUES %3")
        .arg(table_, columns_.join(QStringLiteral(", ")), QStringList(rows, one).join(u','))
        .toUtf8();
}

}  // namespace format
