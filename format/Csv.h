#pragma once

#include <QFile>
#include <QString>
#include <QStringList>

namespace format {

// A CSV file as spreadsheets read it: UTF-8 with a byte-order mark, fields
// quoted where they hold a comma, a quote or a line break, CRLF lines.
class CsvFile {
  public:
    // Raises ImportError when the file cannot be made.
    explicit CsvFile(const QString& path);
    void writeLine(const QStringList& fields);
    // Raises ImportError when the file could not be written whole.
    void close();

  private:
    QFile file_;
};

}  // namespace format
