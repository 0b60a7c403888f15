#pragma once

#include <QDateTime>
#include <QString>
#include <vector>

namespace format {

// A row of the file a clerk should look at. It is imported as it stands.
struct DoubtfulRow {
    QString table;
    qint64 row = 0;  // 1 for the first row the file gives of the table
    QString key;     // the title key, registration number or code of the row
    QString column;
    QString value;
    QString reason;
};

struct TableRows {
    QString table;
    qint64 inFile = 0;  // what the table definition says it holds
    qint64 read = 0;    // the live rows read, every one of them imported
};

// What an import brought in, and the rows to look at.
struct ImportReport {
    int jetVersion = 4;
    std::vector<TableRows> tables;
    std::vector<DoubtfulRow> doubts;

    qint64 rowsRead() const;
    // The lines of the summary: rows per table, the total and the doubts.
    QString summary() const;
    // The doubtful rows as CSV (UTF-8 with BOM), one line each after the
    // column names. Raises ImportError when the file cannot be written.
    void writeCsv(const QString& path) const;
};

// Where the report of an import into this store goes: beside the database
// file (for a server, in the folder the file would be in).
QString reportPathFor(const QString& databaseLocation, const QDateTime& when);

}  // namespace format
