#include "data/FieldLimits.h"

#include <QStringList>

#include "data/Database.h"
#include "data/Schema.h"

namespace data {

namespace {

bool isShort(const QString& column) {
    static const QStringList kShort = {
        QStringLiteral("pointer"),         QStringLiteral("magno"),
        QStringLiteral("nextmagno"),       QStringLiteral("setup_no"),
        QStringLiteral("receivestatus"),   QStringLiteral("issn"),
        QStringLiteral("receivedate"),     QStringLiteral("First_year_printed"),
        QStringLiteral("begin_period"),    QStringLiteral("end_period"),
        QStringLiteral("order_date"),      QStringLiteral("number_per_volume"),
        QStringLiteral("volume_per_year"), QStringLiteral("copy_per_year"),
        QStringLiteral("price_per_year"),  QStringLiteral("exchange_rate"),
        QStringLiteral("setting_name"),
    };
    return kShort.contains(column, Qt::CaseInsensitive) ||
           column.endsWith(QLatin1String("_code"), Qt::CaseInsensitive) ||
           column.startsWith(QLatin1String("next_key"), Qt::CaseInsensitive);
}

// The derived table holds copies of limited values, and no clerk writes it.
bool limited(const QString& table) {
    return table.compare(QLatin1String("latest_issue"), Qt::CaseInsensitive) != 0;
}

QStringList textColumns(const Database& db, const QString& table) {
    QStringList columns;
    const char* sql =
        db.isPostgres() ? "SELECT column_name FROM information_schema.columns"
                          " WHERE table_schema = current_schema() AND table_name = lower(?)"
                          " AND data_type = 'text' ORDER BY ordinal_position"
                        : "SELECT name FROM pragma_table_info(?) WHERE type = 'TEXT' ORDER BY cid";
    for (const Row& row : db.query(sql, {table}))
        columns << row.text(0);
    return columns;
}

QByteArray tooLong(const QString& table, const QString& column, int limit) {
    return QStringLiteral("%1%2.%3, at most %4 characters")
        .arg(QLatin1String(kTooLongMark), table, column, QString::number(limit))
        .toUtf8();
}

}  // namespace

int columnLimit(const QString& table, const QString& column) {
    // The date keys are no clerk's text: they follow the dates.
    if (!limited(table) || isIssueDateKey(table, column))
        return 0;
    // The old program's memo, kept whole by the import; no window or index reads it.
    if (table.compare(QLatin1String("vorlen1"), Qt::CaseInsensitive) == 0 &&
        column.compare(QLatin1String("remark"), Qt::CaseInsensitive) == 0)
        return 0;
    return isShort(column) ? kShortText : kLongText;
}

void createLengthRules(Database& db) {
    for (const QString& table : tableNames()) {
        if (!limited(table))
            continue;
        for (const QString& column : textColumns(db, table)) {
            const int limit = columnLimit(table, column);
            if (limit == 0)
                continue;
            const QByteArray name = (table + u'_' + column + QStringLiteral("_length")).toUtf8();
            const QByteArray t = table.toUtf8(), c = column.toUtf8(), n = QByteArray::number(limit);
            auto run = [&db](const QByteArray& sql) { db.exec(sql.constData()); };
            if (db.isPostgres()) {
                run("ALTER TABLE " + t + " DROP CONSTRAINT IF EXISTS " + name);
                run("ALTER TABLE " + t + " ADD CONSTRAINT " + name + " CHECK (char_length(" + c +
                    ") <= " + n + ") NOT VALID");
                continue;
            }
            const QByteArray when = " WHEN length(new." + c + ") > " + n +
                                    " BEGIN SELECT RAISE(ABORT, '" + tooLong(table, column, limit) +
                                    "'); END";
            run("DROP TRIGGER IF EXISTS " + name + "_insert");
            run("DROP TRIGGER IF EXISTS " + name + "_update");
            run("CREATE TRIGGER " + name + "_insert BEFORE INSERT ON " + t + when);
            run("CREATE TRIGGER " + name + "_update BEFORE UPDATE OF " + c + " ON " + t + when);
        }
    }
}

}  // namespace data
