#pragma once

#include <QByteArray>
#include <QDate>
#include <QStringList>
#include <vector>

#include "titlelist/TitleListRecords.h"
#include "ui/PageSurface.h"

namespace titlelist {

// The list as CSV, the columns of the printed list with the key first.
QByteArray titleListCsv(const std::vector<TitleLine>& lines);

// The printed title list: on every page the heading (what the list takes and
// the date) with the column headings, and "หน้า n จาก m" at the foot. Every
// cell is printed whole, wrapped over as many lines as it needs, and an entry
// that would pass the foot starts the next page.
class TitleListPrint {
  public:
    explicit TitleListPrint(ui::PageSurface& surface) : printer_(surface) {}

    void print(const std::vector<TitleLine>& lines, const QString& scope, QDate today);

  private:
    using Cells = std::vector<QStringList>;
    Cells cellsOf(const QStringList& texts);
    double lineHeight();
    double heightOf(const Cells& cells);
    // Prints the heading and returns where the entries start.
    double heading(const QString& scope, QDate today);
    void entry(const Cells& cells, double y);
    void footer(int page, int pages);

    ui::PageSurface& printer_;
};

}  // namespace titlelist
