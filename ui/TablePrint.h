#pragma once

#include <QDate>
#include <QStringList>
#include <functional>
#include <vector>

#include "ui/PageSurface.h"

namespace ui {

// A list to print as a table: its title, what it takes, the column headings,
// where each column starts as a share of the width (one more than the
// columns, ending in 1) and the rows.
struct PrintedTable {
    QString title, scope;
    QStringList headings;
    std::vector<double> starts;
    std::vector<QStringList> rows;
};

// Rows handed over one by one, for a list of any length.
using EachRow = std::function<void(const QStringList&)>;
using RowStream = std::function<void(const EachRow&)>;

// A printed table: on every page the title, what the list takes and the date
// with the column headings, and "หน้า n จาก m" at the foot. Every cell is
// printed whole, wrapped over as many lines as it needs, and a row that would
// pass the foot starts the next page.
class TablePrint {
  public:
    explicit TablePrint(PageSurface& surface) : printer_(surface) {}

    void print(const PrintedTable& table, QDate today);
    // The table's rows from `rows` instead, read twice: once to lay out the
    // pages, once to print them.
    void print(const PrintedTable& table, QDate today, const RowStream& rows);

  private:
    using Cells = std::vector<QStringList>;
    Cells cellsOf(const QStringList& texts);
    double lineHeight();
    double heightOf(const Cells& cells);
    // Prints the heading and returns where the rows start.
    double heading(const PrintedTable& table, QDate today);
    void entry(const Cells& cells, double y);
    void footer(int page, int pages);

    PageSurface& printer_;
    std::vector<double> starts_;
};

}  // namespace ui
