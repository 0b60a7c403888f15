#pragma once

#include <QDate>
#include <QString>

#include "late/LateRecords.h"

namespace data {
class Database;
}
namespace ui {
class Printing;
}

namespace late {

// The claims as a report without a window: the letters to one agent, or to
// every agent, for the issues the ladder offers on a day, saved as PDF or
// CSV (by the file's ending). The claims are kept as the window keeps them,
// so a second run on the same day repeats the letters without counting them.
class ClaimReport {
  public:
    ClaimReport(data::Database& db, ui::Printing& printing) : db_(db), printing_(printing) {}

    struct Result {
        bool ok = false;
        int claimed = 0;  // issues on the letters
        QString message;  // Thai: where the file went, or what went wrong
    };
    Result write(const LateFilter& filter, QDate today, const QString& output);

  private:
    data::Database& db_;
    ui::Printing& printing_;
};

}  // namespace late
