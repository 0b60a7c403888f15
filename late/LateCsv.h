#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QStringList>

#include "late/LateList.h"

namespace late {

// One CSV line of these fields, quoted as needed, a cell that a spreadsheet
// would run as a formula led by an apostrophe, ending in CRLF.
QByteArray csvLine(const QStringList& fields);

// Writes the late list as CSV, row by row: UTF-8 with a byte-order mark so
// that a spreadsheet reads the Thai, a heading row, CRLF line ends and fields
// quoted as needed. False when the device took less than it was given.
bool writeLateCsv(const LateList& list, QIODevice& out);

}  // namespace late
