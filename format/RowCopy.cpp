#include "format/RowCopy.h"

#include "data/Database.h"
#include "data/Schema.h"
#include "data/SortableDate.h"
#include "data/Statement.h"
#include "format/BulkLoad.h"

namespace format {

namespace {

constexpr int kBatchRows = 200;

}  // namespace

RowCopy::RowCopy(data::Database& store) : store_(store) {}

RowCopy::~RowCopy() = default;

void RowCopy::add(const QString& table, const QStringList& columns, const QStringList& row) {
    if (table != table_) {
        flush();
        table_ = table;
        columns_ = columns;
        limits_ = lengthLimits(table, columns);
        // The file's triggers that set the issues' date keys are away during
        // the copy; the server works them out itself.
        keyed_ = !store_.isPostgres() && table == u"tranfile";
        keys_ = keyed_ ? QStringList(2) : QStringList();
        if (store_.isPostgres())
            batch_ = insert(kBatchRows);
        else
            statement_ = std::make_unique<data::Statement>(store_.handle(), insert(1).constData());
    }
    if (auto refused = lengthRefusal(table_, columns_, limits_, row))
        throw *refused;
    if (statement_) {
        if (keyed_)
            for (int i = 0; i < 2; ++i)
                if (!data::sortableDateText(
                        row.at(i == 0 ? data::tranfile::daily : data::tranfile::receivedate),
                        keys_[i]))
                    keys_[i] = QString();
        statement_->runTexts(row, keys_);
        return;
    }
    for (const QString& value : row)
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
    const QStringList columns = keyed_ ? columns_ + QStringList{QStringLiteral("daily_key"),
                                                                QStringLiteral("receivedate_key")}
                                       : columns_;
    const QString one = u'(' + QStringList(columns.size(), QStringLiteral("?")).join(u',') + u')';
    return QStringLiteral("INSERT INTO %1 (%2) VALUES %3")
        .arg(table_, columns.join(QStringLiteral(", ")), QStringList(rows, one).join(u','))
        .toUtf8();
}

}  // namespace format
