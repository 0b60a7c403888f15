#include "data/DatabaseCopy.h"

#include <sqlite3.h>

#include <QStringList>

#include "data/Database.h"
#include "data/DatabaseFile.h"
#include "data/DbError.h"
#include "data/Migrations.h"
#include "data/Schema.h"

namespace data {

namespace {

// Rows go over in batches: one statement per row would cost a round trip to
// the server each.
constexpr int kBatchRows = 200;

QStringList columnsOf(const Database& from, const QString& table) {
    QStringList columns;
    for (const Row& row : from.query("SELECT name FROM pragma_table_info(?) ORDER BY cid", {table}))
        columns << row.text(0);
    return columns;
}

QByteArray insertSql(const QString& table, const QStringList& columns, int rows) {
    QStringList marks;
    for (int i = 0; i < columns.size(); ++i)
        marks << QStringLiteral("?");
    const QString one = u'(' + marks.join(u',') + u')';
    QStringList values;
    for (int r = 0; r < rows; ++r)
        values << one;
    return (QStringLiteral("INSERT INTO %1 (%2) VALUES %3")
                .arg(table, columns.join(QStringLiteral(", ")), values.join(u',')))
        .toUtf8();
}

qint64 copyTable(const Database& from, Database& to, const QString& table) {
    const QStringList columns = columnsOf(from, table);
    const QByteArray select = QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid")
                                  .arg(columns.join(QStringLiteral(", ")), table)
                                  .toUtf8();
    const QByteArray fullBatch = insertSql(table, columns, kBatchRows);
    QVariantList values;
    int pending = 0;
    auto flush = [&] {
        if (pending == 0)
            return;
        to.exec(pending == kBatchRows ? fullBatch.constData()
                                      : insertSql(table, columns, pending).constData(),
                values);
        values.clear();
        pending = 0;
    };
    for (const Row& row : from.query(select.constData())) {
        for (int c = 0; c < row.size(); ++c)
            values << row.value(c);
        if (++pending == kBatchRows)
            flush();
    }
    flush();
    const QByteArray count = ("SELECT count(*) FROM " + table).toUtf8();
    const qint64 source = from.first(count.constData())->value(0).toLongLong();
    const qint64 copied = to.first(count.constData())->value(0).toLongLong();
    if (source != copied)
        throw DbError(SQLITE_MISMATCH,
                      QStringLiteral("table %1: %2 rows in the file, %3 on the server")
                          .arg(table)
                          .arg(source)
                          .arg(copied));
    return copied;
}

}  // namespace

std::vector<CopiedTable> copyIntoServer(const Database& from, Database& to) {
    if (!to.isPostgres())
        throw DbError(SQLITE_MISUSE, QStringLiteral("the copy goes to a PostgreSQL database"));
    Transaction tx(to);
    requireEmptyServer(to);
    createSchema(to);
    // The file's latest issues come over as rows of their own; the server's
    // trigger would otherwise make each again while the issues are copied.
    to.exec("ALTER TABLE tranfile DISABLE TRIGGER tranfile_latest");
    std::vector<CopiedTable> copied;
    for (const QString& table : tableNames())
        copied.push_back({table, copyTable(from, to, table)});
    to.exec("ALTER TABLE tranfile ENABLE TRIGGER tranfile_latest");
    stampVersion(to);
    tx.commit();
    // The planner's statistics and the map of all-visible pages, which a
    // fresh copy lacks until the server's own vacuum comes round.
    to.exec("VACUUM ANALYZE");
    return copied;
}

}  // namespace data
