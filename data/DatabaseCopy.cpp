#include "data/DatabaseCopy.h"

#include <sqlite3.h>

#include <QList>
#include <QStringList>

#include "data/Database.h"
#include "data/DatabaseFile.h"
#include "data/DbError.h"
#include "data/FieldLimits.h"
#include "data/LateSchema.h"
#include "data/Migrations.h"
#include "data/PgSchema.h"
#include "data/Schema.h"

namespace data {

namespace {

// Rows go over in batches: one statement per row would cost a round trip to
// the server each.
constexpr int kBatchRows = 200;

QStringList columnsOf(const Database& from, const QString& table) {
    QStringList columns;
    // The server works out the issues' date keys itself.
    for (const Row& row : from.query("SELECT name FROM pragma_table_info(?) ORDER BY cid", {table}))
        if (!isIssueDateKey(table, row.text(0)))
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

// Refuses, by table, row and column, a value the server would cut short
// (at a NUL) or refuse (beyond the column's limit).
void requireStorable(const QString& table, const QString& column, const QVariant& rowid,
                     const QVariant& value) {
    if (value.typeId() != QMetaType::QString)
        return;
    const QString text = value.toString();
    const int limit = columnLimit(table, column);
    QString problem;
    if (text.contains(QChar(0)))
        problem = QStringLiteral("มีอักขระ NUL ซึ่งเซิร์ฟเวอร์เก็บไม่ได้");
    else if (limit > 0 && text.toUcs4().size() > limit)
        problem = QStringLiteral("ยาว %1 ตัวอักษร เกินกว่าที่เก็บได้ (ไม่เกิน %2 ตัวอักษร)")
                      .arg(QString::number(text.toUcs4().size()), QString::number(limit));
    if (problem.isEmpty())
        return;
    const QString where = QStringLiteral("ตาราง %1 แถวที่ %2 ช่อง %3")
                              .arg(table, QString::number(rowid.toLongLong()), column);
    throw DbError(SQLITE_MISMATCH,
                  QStringLiteral("table %1, row %2, column %3: the server cannot store this value")
                      .arg(table, QString::number(rowid.toLongLong()), column),
                  QStringLiteral("คัดลอกไม่ได้: ค่าใน%1 %2 กรุณาแก้ค่านี้ในแฟ้มก่อน").arg(where, problem));
}

qint64 copyTable(const Database& from, Database& to, const QString& table) {
    const QStringList columns = columnsOf(from, table);
    const QByteArray select = QStringLiteral("SELECT rowid, %1 FROM %2 ORDER BY rowid")
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
        for (int c = 1; c < row.size(); ++c) {
            requireStorable(table, columns.at(c - 1), row.value(0), row.value(c));
            values << row.value(c);
        }
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

CopyReport copyIntoServer(const Database& from, Database& to) {
    if (!to.isPostgres())
        throw DbError(SQLITE_MISUSE, QStringLiteral("the copy goes to a PostgreSQL database"));
    Transaction tx(to);
    requireEmptyServer(to);
    createSchema(to);
    // The server numbers the issues afresh, so the latest issues, which
    // name an issue by its number, are made again from the server's issues
    // once all are in, rather than each again while they are copied.
    to.exec("ALTER TABLE tranfile DISABLE TRIGGER tranfile_latest");
    // The late issues are worked out again on the server, not copied.
    suspendLateIssueTriggers(to);
    CopyReport report;
    for (const QString& table : tableNames())
        if (table != QLatin1String("latest_issue"))
            report.tables.push_back({table, copyTable(from, to, table)});
    createPostgresLatestIssues(to);
    createLateIssueTables(to);
    report.tables.push_back({QStringLiteral("latest_issue"),
                             to.first("SELECT count(*) FROM latest_issue")->value(0).toLongLong()});
    stampVersion(to);
    tx.commit();
    // The planner's statistics and the map of all-visible pages, which a
    // fresh copy lacks until the server's own vacuum comes round.
    try {
        to.exec("VACUUM ANALYZE");
    } catch (const DbError& e) {
        report.warning = e.thaiMessage();
    }
    return report;
}

}  // namespace data
