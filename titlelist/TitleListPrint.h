#pragma once

#include <QDate>
#include <QIODevice>

#include "ui/PageSurface.h"
#include "ui/TablePrint.h"

namespace titlelist {

// The listed rows, in the columns of `col`, handed over one by one.
using TitleRows = ui::RowStream;

// The list as CSV, the columns of the printed list with the key first,
// written row by row; false when the device fails.
bool writeTitleListCsv(QIODevice& out, const TitleRows& rows);
// The printed list, headed by what it takes (`scope`).
void printTitleList(ui::PageSurface& surface, const TitleRows& rows, const QString& scope,
                    QDate today);

}  // namespace titlelist
