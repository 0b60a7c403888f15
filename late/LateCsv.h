#pragma once

#include <QByteArray>
#include <vector>

#include "late/LateRecords.h"

namespace late {

// The late list as CSV: UTF-8 with a byte-order mark so that a spreadsheet
// reads the Thai, a heading row, CRLF line ends and fields quoted as needed.
QByteArray lateCsv(const std::vector<LateTitle>& titles);

}  // namespace late
