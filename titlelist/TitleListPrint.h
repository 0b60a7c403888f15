#pragma once

#include <QByteArray>
#include <QDate>
#include <vector>

#include "titlelist/TitleListRecords.h"
#include "ui/PageSurface.h"

namespace titlelist {

// The list as CSV, the columns of the printed list with the key first.
QByteArray titleListCsv(const std::vector<TitleLine>& lines);
// The printed list, headed by what it takes (`scope`).
void printTitleList(ui::PageSurface& surface, const std::vector<TitleLine>& lines,
                    const QString& scope, QDate today);

}  // namespace titlelist
