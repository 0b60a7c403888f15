#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include "data/DatabaseFile.h"
#include "data/DateText.h"
#include "data/LeadingNumber.h"
#include "data/Schema.h"
#include "data/SortableDate.h"
#include "format/AccessImport.h"
#include "format/ImportError.h"
#include "tests/support/TempDatabase.h"

// The old program's desk files, written by tests/support/vorlen_fixtures.py
// with the rows each should give.

namespace {

using testing_support::TempDatabase;

QString fixture(const QString& name) {
    return QStringLiteral(VORLEN_FIXTURES_DIR "/") + name;
}

QJsonObject expected(const QString& name) {
    QFile file(fixture(name + QStringLiteral(".expected.json")));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    return QJsonDocument::fromJson(file.readAll()).object();
}

std::vector<QStringList> storedRows(data::Database& db, const QString& table) {
    const QStringList columns = data::columnNames(table);
    const QByteArray sql = QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid")
                               .arg(columns.join(QStringLiteral(", ")), table)
                               .toUtf8();
    std::vector<QStringList> rows;
    for (const data::Row& row : db.query(sql.constData())) {
        QStringList values;
        for (int c = 0; c < row.size(); ++c)
            values << row.text(c);
        rows.push_back(values);
    }
    return rows;
}

std::vector<QStringList> jsonRows(const QJsonArray& rows) {
    std::vector<QStringList> out;
    for (const QJsonValue& row : rows) {
        QStringList values;
        for (const QJsonValue& v : row.toArray())
            values << v.toString();
        out.push_back(values);
    }
    return out;
}

// The indexes and triggers, which the import takes away during its copy.
QStringList schemaOf(const data::Database& db) {
    QStringList out;
    const char* sql =
        db.isPostgres() ? "SELECT indexdef FROM pg_indexes WHERE schemaname = current_schema()"
                          " UNION ALL SELECT DISTINCT trigger_name FROM information_schema.triggers"
                        : "SELECT sql FROM sqlite_master WHERE sql IS NOT NULL";
    for (const data::Row& row : db.query(sql))
        out << row.text(0);
    out.sort();
    return out;
}

// Every key of every series is above the keys stored with its letter.
void expectSeriesAbove(data::Database& db) {
    const data::Row series = *db.first("SELECT * FROM recsetup");
    for (int position = data::recsetup::next_key1; position <= data::recsetup::next_key4;
         ++position) {
        const QString value = series.text(position).trimmed();
        for (const char* table : {"vorlen1", "vorlen", "typeclass", "tranfile"})
            for (const data::Row& key :
                 db.query((QByteArray("SELECT trim(pointer) FROM ") + table).constData())) {
                if (key.text(0).startsWith(value.at(0))) {
                    EXPECT_GT(data::leadingNumber(value.right(6)),
                              data::leadingNumber(key.text(0).right(6)))
                        << value.toStdString() << " " << key.text(0).toStdString();
                }
            }
    }
}

TEST(AccessImport, BringsInExactlyTheLiveRowsAsStored) {
    for (const char* name : {"desk", "edited", "desk-jet3"}) {
        SCOPED_TRACE(name);
        const QJsonObject want = expected(QString::fromLatin1(name));
        TempDatabase temp;
        const format::ImportReport report = format::AccessImport::run(
            fixture(QString::fromLatin1(name) + QStringLiteral(".mdb")), temp.db());
        const QJsonObject tables = want.value(QStringLiteral("tables")).toObject();
        qint64 fileRows = 0;
        for (auto it = tables.begin(); it != tables.end(); ++it) {
            const auto rows = jsonRows(it->toObject().value(QStringLiteral("rows")).toArray());
            fileRows += qint64(rows.size());
            if (it.key() == u"recsetup" || it.key() == u"jourctrl")
                continue;  // raised: below
            EXPECT_EQ(storedRows(temp.db(), it.key()), rows) << it.key().toStdString();
            // The windows never write NULL: a NULL of the file is empty text.
            const QString nulls = data::columnNames(it.key()).join(QStringLiteral(" IS NULL OR "));
            EXPECT_FALSE(temp.db().first(
                ("SELECT 1 FROM " + it.key() + " WHERE " + nulls + " IS NULL LIMIT 1")
                    .toUtf8()
                    .constData()))
                << it.key().toStdString();
        }
        EXPECT_EQ(report.rowsRead(), fileRows);
        EXPECT_EQ(
            temp.db().first("SELECT nextmagno FROM jourctrl")->text(0),
            want[QStringLiteral("raised")][QStringLiteral("jourctrl")][QStringLiteral("nextmagno")]
                .toString());
        expectSeriesAbove(temp.db());
        // The derived tables: a latest issue for each title and faculty with issues.
        EXPECT_EQ(temp.db().first("SELECT count(*) FROM latest_issue")->value(0).toLongLong(),
                  temp.db()
                      .first("SELECT count(*) FROM (SELECT DISTINCT trim(pointer),"
                             " trim(department_code) FROM tranfile) AS k")
                      ->value(0)
                      .toLongLong());
        // The issues' date keys, which the copy writes itself on the file, as
        // the expression reads each date, odd shapes (NULL) and all.
        for (const char* date : {"daily", "receivedate"})
            EXPECT_FALSE(
                temp.db().first(("SELECT 1 FROM tranfile WHERE " + QByteArray(date) +
                                 "_key IS DISTINCT FROM " + data::sortableDate(date) + " LIMIT 1")
                                    .constData()))
                << date;
    }
}

TEST(AccessImport, ReportsEveryPlantedDoubtfulRow) {
    const QJsonObject want = expected(QStringLiteral("desk"));
    TempDatabase temp;
    const format::ImportReport report =
        format::AccessImport::run(fixture(QStringLiteral("desk.mdb")), temp.db());
    QSet<QString> reported;
    for (const format::DoubtfulRow& d : report.doubts)
        reported << d.table + u'|' + d.key.trimmed();
    for (const QJsonValue& planted : want.value(QStringLiteral("doubtful")).toArray()) {
        const QString key = planted[QStringLiteral("table")].toString() + u'|' +
                            planted[QStringLiteral("key")].toString().trimmed();
        EXPECT_TRUE(reported.contains(key))
            << planted[QStringLiteral("reason")].toString().toStdString() << ": "
            << key.toStdString();
    }
    // The CSV file holds them all, after its line of column names.
    const QString csv = temp.folder() + QStringLiteral("/report.csv");
    report.writeCsv(csv);
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(qsizetype(bytes.count("\r\n")), qsizetype(report.doubts.size()) + 1);
}

TEST(AccessImport, RefusesAndChangesNothing) {
    struct Case {
        const char* file;
        bool titleStored;
        const char* named;  // in the message
    };
    const Case cases[] = {
        {"not-a-database.mdb", false, "ไม่ใช่ฐานข้อมูล Access"},
        {"truncated.mdb", false, "แฟ้มเสียหาย"},
        {"no-tranfile.mdb", false, "tranfile"},
        {"missing.mdb", false, "ไม่พบแฟ้ม"},
        {"too-long.mdb", false, "ยาวเกินกว่าที่ช่องนั้นรับได้"},
        {"desk.mdb", true, "มีข้อมูลวารสาร"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        TempDatabase temp;
        if (c.titleStored)
            temp.db().exec("INSERT INTO vorlen1 (pointer) VALUES ('J000001')");
        const auto before = storedRows(temp.db(), QStringLiteral("dealer"));
        const QStringList schema = schemaOf(temp.db());
        try {
            format::AccessImport::run(fixture(QString::fromLatin1(c.file)), temp.db());
            ADD_FAILURE() << "imported";
        } catch (const format::ImportError& e) {
            EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.named))) << e.what();
        }
        EXPECT_EQ(storedRows(temp.db(), QStringLiteral("dealer")), before);
        EXPECT_EQ(temp.db().first("SELECT count(*) FROM tranfile")->value(0).toInt(), 0);
        EXPECT_EQ(schemaOf(temp.db()), schema);
    }
}

TEST(AccessImport, StoppedDuringTheWriteLeavesTheStoreAsItWas) {
    TempDatabase temp;
    const auto dealers = storedRows(temp.db(), QStringLiteral("dealer"));
    const QStringList schema = schemaOf(temp.db());
    EXPECT_THROW(format::AccessImport::run(fixture(QStringLiteral("desk.mdb")), temp.db(),
                                           [](qint64 done, qint64) { return done < 2000; }),
                 format::ImportError);
    EXPECT_EQ(storedRows(temp.db(), QStringLiteral("dealer")), dealers);
    EXPECT_EQ(temp.db().first("SELECT count(*) FROM tranfile")->value(0).toInt(), 0);
    EXPECT_EQ(temp.db().first("SELECT count(*) FROM vorlen1")->value(0).toInt(), 0);
    EXPECT_EQ(schemaOf(temp.db()), schema);
    // And the desk can still be imported afterwards, its latest issues kept.
    format::AccessImport::run(fixture(QStringLiteral("desk.mdb")), temp.db());
    // The copy keeps its undo in a rollback journal; the file goes back to the
    // write-ahead log after it, and when a crash left it in the journal's mode.
    if (!temp.db().isPostgres()) {
        const auto journal = [&] { return temp.db().first("PRAGMA journal_mode")->text(0); };
        EXPECT_EQ(journal(), QStringLiteral("wal"));
        temp.db().first("PRAGMA journal_mode = DELETE");
        temp.reopen();
        data::prepareDatabase(temp.path());
        EXPECT_EQ(journal(), QStringLiteral("wal"));
    }
    temp.db().exec(
        "INSERT INTO tranfile (magno, department_code, pointer, receivedate, daily, yearno, "
        "issueno, descriptionitem) VALUES ('9999', '01', 'J000001', '01/01/2030',"
        " '01/01/2030', '1', '1', 'ใหม่')");
    EXPECT_EQ(temp.db()
                  .first("SELECT descriptionitem FROM latest_issue WHERE pointer = 'J000001'"
                         " AND department_code = '01'")
                  ->text(0),
              QStringLiteral("ใหม่"));
}

}  // namespace
