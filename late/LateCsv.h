#pragma once

#include <QByteArray>
#include <QStringList>
#include <vector>

#include "late/LateRecords.h"

namespace late {

// One CSV line of these fields, quoted as needed, a cell that a spreadsheet
// would run as a formula led by an apostrophe, ending in CRLF.
QByteArray csvLine(const QStringList& fields);

// The late list as CSV: UTF-8 with a byte-order mark so that a spreadsheet
// reads the Thai, a heading row, CRLF line ends and fields quoted as needed.
// One CSV row with a CRLF end, each field quoted as needed and one that a
// spreadsheet would run as a formula led by an apostrophe.
QByteArray csvLine(const QStringList& fields);

QByteArray lateCsv(const std::vector<LateTitle>& titles);

}  // namespace late
