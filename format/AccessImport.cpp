#include "format/AccessImport.h"

#include <QSet>
#include <vector>

#include "data/Database.h"
#include "data/DatabaseFile.h"
#include "data/DbError.h"
#include "data/FirstRunData.h"
#include "data/LateSchema.h"
#include "data/NameIndex.h"
#include "data/Schema.h"
#include "format/AccessReader.h"
#include "format/BulkLoad.h"
#include "format/DeskChecks.h"
#include "format/ImportError.h"
#include "format/RollbackJournal.h"
#include "format/RowCopy.h"

namespace format {

namespace {

// The code tables and the publishers come before the titles, and the titles
// before the rows that refer to them; the key series and the counter come
// last, when every key and number is known.
const char* const kReadOrder[] = {
    "typemag",    "magtype",   "maglang",  "department", "receives", "currmony",
    "statustype", "bindcolor", "bindtype", "dealer",     "vorlen1",  "vorlen",
    "typeclass",  "tranfile",  "recsetup", "jourctrl",
};

constexpr qint64 kProgressStep = 1000;

// Columns the old program neither reads nor writes, whose names are free:
// they are taken by their position.
bool freelyNamed(const QString& table, int position) {
    using namespace data;
    if (table == u"vorlen1")
        return position == vorlen1::remark;
    if (table == u"recsetup")
        return position == recsetup::setup_no;
    if (table == u"dealer")
        return position == dealer::Publisher_Abbrev ||
               (position >= dealer::Publisher_Phone && position <= dealer::Publisher_Email);
    return false;
}

struct SourceTable {
    QString name;
    QStringList columns;    // this program's
    std::vector<int> from;  // the file's column of each
    qint64 declaredRows = 0;
};

std::vector<SourceTable> planOf(const AccessReader& reader) {
    std::vector<SourceTable> plan;
    for (const char* name : kReadOrder) {
        const QString table = QString::fromLatin1(name);
        AccessTable found;
        if (!reader.findTable(table, found))
            throw ImportError(
                QStringLiteral("แฟ้มไม่มีตาราง %1 ของโปรแกรมเดิม จึงนำเข้าไม่ได้").arg(table));
        SourceTable source{table, data::columnNames(table), {}, found.declaredRows};
        for (int i = 0; i < source.columns.size(); ++i) {
            int at = -1;
            for (int c = 0; c < found.columns.size() && at < 0; ++c)
                if (found.columns.at(c).compare(source.columns.at(i), Qt::CaseInsensitive) == 0)
                    at = c;
            if (at < 0 && freelyNamed(table, i) && i < found.columns.size())
                at = i;
            if (at < 0)
                throw ImportError(QStringLiteral("ตาราง %1 ในแฟ้มไม่มีคอลัมน์ %2 จึงนำเข้าไม่ได้")
                                      .arg(table, source.columns.at(i)));
            source.from.push_back(at);
        }
        plan.push_back(std::move(source));
    }
    return plan;
}

// The first row of the key series or the counter when the file has none.
QStringList startingRow(const QString& table) {
    if (table == u"recsetup")
        return {QStringLiteral("1"), QStringLiteral("J000001"), QStringLiteral("I000001"),
                QStringLiteral("K000001"), QStringLiteral("L000001")};
    return {QStringLiteral("1")};
}

using RowSink = std::function<void(const SourceTable&, const QStringList&)>;

// Reads every table once: each row is checked, and handed on in this
// program's column order.
ImportReport readAll(const AccessReader& reader, const std::vector<SourceTable>& plan,
                     const ImportProgress& progress, const RowSink& sink) {
    ImportReport report;
    report.jetVersion = reader.jetVersion();
    DeskChecks checks(report.doubts);
    qint64 total = 0, done = 0;
    for (const SourceTable& t : plan)
        total += t.declaredRows;
    const auto tell = [&] {
        if (progress && !progress(done, total))
            throw ImportError(QStringLiteral("ยกเลิกการนำเข้าแล้ว ฐานข้อมูลยังเป็นเหมือนเดิม"));
    };
    for (const SourceTable& t : plan) {
        const bool firstRowCounts = t.name == u"recsetup" || t.name == u"jourctrl";
        qint64 row = 0;
        checks.begin(t.name);
        const TableRead read = reader.readRows(t.name, t.from, [&](const QStringList& values) {
            checks.check(++row, values);
            if (row == 1 && firstRowCounts) {
                QStringList raised = values;
                if (t.name == u"recsetup")
                    checks.raiseSeries(raised);
                else
                    checks.raiseCounter(raised);
                sink(t, raised);
            } else {
                sink(t, values);
            }
            if (++done % kProgressStep == 0)
                tell();
        });
        if (firstRowCounts && read.rows == 0) {
            QStringList start = startingRow(t.name);
            report.doubts.push_back({t.name, 0, QString(), QString(), QString(),
                                     QStringLiteral("แฟ้มไม่มีแถวในตารางนี้ จึงใช้ค่าเริ่มต้น")});
            if (t.name == u"recsetup")
                checks.raiseSeries(start);
            else
                checks.raiseCounter(start);
            sink(t, start);
        }
        if (read.rows != read.declaredRows)
            report.doubts.push_back({t.name, 0, QString(), QString(), QString(),
                                     QStringLiteral("แฟ้มระบุว่าตารางนี้มี %1 แถว แต่อ่านได้ %2 แถว")
                                         .arg(read.declaredRows)
                                         .arg(read.rows)});
        report.tables.push_back({t.name, read.declaredRows, read.rows});
        tell();
    }
    checks.finish();
    return report;
}

void refuseUnlessNew(const data::Database& store) {
    for (const char* table : {"vorlen1", "vorlen", "typeclass", "tranfile"})
        if (store.first((QByteArray("SELECT 1 FROM ") + table + " LIMIT 1").constData()))
            throw ImportError(QStringLiteral(
                "ฐานข้อมูลมีข้อมูลวารสารหรือการลงทะเบียนอยู่แล้ว จึงนำเข้าข้อมูลจากโปรแกรมเดิมไม่ได้\n"
                "การนำเข้าทำได้เฉพาะฐานข้อมูลใหม่ที่ยังไม่มีวารสาร"));
}

// A file without titles takes the import in pages of 16 KiB, not 4: the copy
// and the builds of the issues' indexes then read and write a quarter as many
// pages, a tenth of the import's processor time. Its few rows make the
// rebuild quick. The log's page size cannot change: a file another
// connection keeps in the log stays as it is.
void widenPages(data::Database& store) {
    if (store.isPostgres() || data::journalMode(store) != u"delete")
        return;
    refuseUnlessNew(store);
    store.exec("PRAGMA page_size = 16384");
    store.exec("VACUUM");
}

void checkCounts(const data::Database& store, const ImportReport& report) {
    for (const TableRows& t : report.tables) {
        const qint64 stored = store.first(("SELECT count(*) FROM " + t.table).toUtf8().constData())
                                  ->value(0)
                                  .toLongLong();
        const qint64 expected =
            t.read == 0 && (t.table == u"recsetup" || t.table == u"jourctrl") ? 1 : t.read;
        if (stored != expected)
            throw ImportError(QStringLiteral("ตาราง %1: อ่านได้ %2 แถว แต่บันทึกได้ %3 แถว")
                                  .arg(t.table)
                                  .arg(expected)
                                  .arg(stored));
    }
}

ImportReport importInto(const AccessReader& reader, const std::vector<SourceTable>& plan,
                        data::Database& store, const ImportProgress& progress) {
    data::Transaction tx(store);
    refuseUnlessNew(store);
    // The first-run rows make way for the desk's own.
    for (const SourceTable& t : plan)
        store.exec(("DELETE FROM " + t.name).toUtf8().constData());
    store.exec("DELETE FROM magtype_interval");
    data::suspendLatestIssues(store);
    data::suspendLateIssueTriggers(store);
    QStringList tables;
    for (const SourceTable& t : plan)
        tables << t.name;
    BulkLoad load(store, tables);
    RowCopy copy(store);
    ImportReport report = readAll(
        reader, plan, progress,
        [&](const SourceTable& t, const QStringList& row) { copy.add(t.name, t.columns, row); });
    copy.flush();
    checkCounts(store, report);
    load.finish();
    data::createLatestIssues(store);
    data::createLateIssueTables(store);
    if (!store.isPostgres())
        data::createNameIndexes(store);
    data::insertFrequencyIntervals(store);
    tx.commit();
    return report;
}

}  // namespace

ImportReport AccessImport::inspect(const QString& file, const ImportProgress& progress) {
    const AccessReader reader(file);
    return readAll(reader, planOf(reader), progress, [](const SourceTable&, const QStringList&) {});
}

ImportReport AccessImport::run(const QString& file, data::Database& store,
                               const ImportProgress& progress) {
    const AccessReader reader(file);
    const std::vector<SourceTable> plan = planOf(reader);
    ImportReport report;
    try {
        const RollbackJournal journal(store);
        widenPages(store);
        report = importInto(reader, plan, store, progress);
    } catch (const data::DbError& e) {
        throw ImportError(
            QStringLiteral("นำเข้าไม่สำเร็จ ฐานข้อมูลยังเป็นเหมือนเดิม\n%1").arg(e.thaiMessage()));
    }
    // The server's planner learns the new tables' sizes now, not at its
    // next round.
    if (store.isPostgres())
        store.exec("ANALYZE");
    return report;
}

}  // namespace format
