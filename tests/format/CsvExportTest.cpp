#include <gtest/gtest.h>

#include <QFile>

#include "data/Schema.h"
#include "format/AccessImport.h"
#include "format/CsvExport.h"
#include "tests/support/TempDatabase.h"

namespace {

using testing_support::TempDatabase;

// The records of a CSV file as a spreadsheet reads them.
std::vector<QStringList> readCsv(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    const QString text = QString::fromUtf8(bytes.mid(3));
    std::vector<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text.at(i + 1) == u'"')
                field += text.at(++i);
            else if (c == u'"')
                quoted = false;
            else
                field += c;
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            record << std::exchange(field, {});
        } else if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') {
            record << std::exchange(field, {});
            records.push_back(std::exchange(record, {}));
            ++i;
        } else {
            field += c;
        }
    }
    return records;
}

TEST(CsvExport, EveryTableReadsBackAsStored) {
    TempDatabase temp;
    format::AccessImport::run(QStringLiteral(VORLEN_FIXTURES_DIR "/desk.mdb"), temp.db());
    const QString folder = temp.folder() + QStringLiteral("/export");
    const auto written = format::exportCsv(temp.db(), folder);
    ASSERT_EQ(qsizetype(written.size()), data::tableNames().size());
    for (const format::ExportedTable& t : written) {
        SCOPED_TRACE(t.table.toStdString());
        const QStringList columns = data::columnNames(t.table);
        std::vector<QStringList> want{columns};
        const QByteArray sql = QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid")
                                   .arg(columns.join(QStringLiteral(", ")), t.table)
                                   .toUtf8();
        for (const data::Row& row : temp.db().query(sql.constData())) {
            QStringList values;
            for (int c = 0; c < row.size(); ++c)
                values << row.text(c);
            want.push_back(values);
        }
        EXPECT_EQ(readCsv(t.file), want);
        EXPECT_EQ(t.rows, qint64(want.size()) - 1);
    }
}

}  // namespace
