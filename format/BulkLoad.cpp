#include "format/BulkLoad.h"

#include <sqlite3.h>

#include "data/Database.h"
#include "data/DbError.h"
#include "data/FieldLimits.h"
#include "data/NameIndex.h"

namespace format {

namespace {

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
        dropped << QStringLiteral("DROP INDEX ") + index.text(0);
        rebuilt_.push_back(index.text(1).toUtf8());
    }
    if (!store.isPostgres()) {
        // The length rules' triggers run once per row and column; the copy
        // checks the lengths itself (lengthRefusal).
        const QByteArray rules = QStringLiteral(
                                     "SELECT name, sql FROM sqlite_master WHERE type = 'trigger'"
                                     " AND name LIKE '%\\_length\\_insert' ESCAPE '\\' AND"
                                     " lower(tbl_name) IN (%1)")
                                     .arg(placeholders(int(names.size())))
                                     .toUtf8();
        for (const data::Row& rule : store.query(rules.constData(), names)) {
            dropped << QStringLiteral("DROP TRIGGER ") + rule.text(0);
            rebuilt_.push_back(rule.text(1).toUtf8());
        }
    }
    for (const QString& sql : dropped)
        store.exec(sql.toUtf8().constData());
    if (!store.isPostgres())
        data::suspendNameIndexes(store);
}

void BulkLoad::finish() {
    for (const QByteArray& sql : rebuilt_)
        store_.exec(sql.constData());
    rebuilt_.clear();
}

std::vector<int> lengthLimits(const QString& table, const QStringList& columns) {
    std::vector<int> limits;
    limits.reserve(size_t(columns.size()));
    for (const QString& column : columns)
        limits.push_back(data::columnLimit(table, column));
    return limits;
}

std::optional<data::DbError> lengthRefusal(const QString& table, const QStringList& columns,
                                           const std::vector<int>& limits, const QStringList& row) {
    for (int i = 0; i < row.size(); ++i) {
        const int limit = limits[size_t(i)];
        // Characters, as the rules count them, not UTF-16 units.
        if (limit > 0 && row.at(i).size() > limit && row.at(i).toUcs4().size() > limit)
            return data::DbError(SQLITE_CONSTRAINT,
                                 QStringLiteral("%1%2.%3, at most %4 characters")
                                     .arg(QLatin1String(data::kTooLongMark), table, columns.at(i),
                                          QString::number(limit)));
    }
    return std::nullopt;
}

}  // namespace format
