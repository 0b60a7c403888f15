#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

namespace format {

// What one table of the file holds.
struct AccessTable {
    QString name;
    QStringList columns;      // in position order
    qint64 declaredRows = 0;  // the row count the table definition keeps
};

// How many rows one read returned, beside what the file says it holds.
struct TableRead {
    qint64 rows = 0;
    qint64 declaredRows = 0;
};

// Reads the tables of a Jet 3 or Jet 4 (Access 97 to 2003) file through
// libmdb, as UTF-8 text. Raises ImportError when the file is not such a
// database.
class AccessReader {
  public:
    explicit AccessReader(const QString& path);
    ~AccessReader();
    AccessReader(const AccessReader&) = delete;
    AccessReader& operator=(const AccessReader&) = delete;

    // 3 or 4.
    int jetVersion() const;
    // The file's own tables (not its system tables).
    QStringList tableNames() const;
    // The table of that name, matched without regard to case; false when the
    // file has none.
    bool findTable(const QString& name, AccessTable& table) const;
    // Hands every live row of the table to `each`: the values of the columns
    // at `positions`, in that order, NULL as empty text. Rows the file marks
    // deleted stay out. The list is filled again for the next row, so `each`
    // copies what it keeps.
    TableRead readRows(const QString& table, const std::vector<int>& positions,
                       const std::function<void(const QStringList&)>& each) const;

  private:
    struct File;
    QString path_;
    std::unique_ptr<File> file_;
};

}  // namespace format
