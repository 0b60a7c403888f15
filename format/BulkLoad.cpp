#include "format/BulkLoad.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "data/NameIndex.h"

namespace format {

namespace {

// Pages kept in memory during the copy, in KiB: the indexes are sorted in
// it, and the peak of the import stays well under 200 MB.
constexpr qint64 kCopyCacheKib = 64 * 1024;

QString placeholders(int count) {
    return QStringList(count, QStringLiteral("?")).join(u',');
}

}  // namespace

BulkLoad::BulkLoad(data::Database& store, const QStringList& tables) : store_(store) {
    QVariantList names;
    for (const QString& table : tables)
        names << table.toLower();
    // Indexes that back a key or a unique constraint stay: they are rules.
    const QByteArray list = store.isPostgres()
                                ? QStringLiteral(
                                      "SELECT indexname, indexdef FROM pg_indexes AS i"
                                      " WHERE schemaname = current_schema() AND tablename IN (%1)"
                                      " AND NOT EXISTS (SELECT 1 FROM pg_constraint"
                                      " WHERE conindid = format('%I.%I', i.schemaname,"
                                      " i.indexname)::regclass)")
                                      .arg(placeholders(int(names.size())))
                                      .toUtf8()
                                : QStringLiteral(
                                      "SELECT name, sql FROM sqlite_master WHERE"
                                      " type = 'index' AND sql IS NOT NULL AND"
                                      " lower(tbl_name) IN (%1)")
                                      .arg(placeholders(int(names.size())))
                                      .toUtf8();
    QStringList dropped;
    for (const data::Row& index : store.query(list.constData(), names)) {
        dropped << index.value(0).toString();
        indexes_.push_back(index.value(1).toString().toUtf8());
    }
    for (const QString& name : dropped)
        store.exec(("DROP INDEX " + name).toUtf8().constData());
    if (store.isPostgres())
        return;
    data::suspendNameIndexes(store);
    cacheSize_ = store.first("PRAGMA cache_size")->value(0).toLongLong();
    store.exec(("PRAGMA cache_size = " + QByteArray::number(-kCopyCacheKib)).constData());
}

BulkLoad::~BulkLoad() {
    if (store_.isPostgres() || cacheSize_ == 0)
        return;
    try {
        store_.exec(("PRAGMA cache_size = " + QByteArray::number(cacheSize_)).constData());
    } catch (const data::DbError&) {
        // The larger cache lasts until the connection closes: no harm done.
    }
}

void BulkLoad::finish() {
    for (const QByteArray& sql : indexes_)
        store_.exec(sql.constData());
    indexes_.clear();
}

}  // namespace format
