#pragma once

#include <QDate>
#include <QStringList>
#include <vector>

#include "late/LateRecords.h"
#include "ui/PageSurface.h"

namespace late {

// The claim to one agent: the agent's name and address at the top, the date,
// then one line per late title with its last issue received and the date the
// next one was due. Every text is cut to its column and a line that would
// pass the bottom starts a new page under the headings again, so nothing is
// printed over anything else.
class ClaimPrint {
  public:
    explicit ClaimPrint(ui::PageSurface& surface) : printer_(surface) {}

    void print(const QStringList& agentAddress, const std::vector<LateTitle>& titles, QDate today);

  private:
    double lineHeight();
    void printCut(double x, const QString& text, double right);
    // One line of the five columns.
    void row(const QStringList& cells);
    void headings(int page);

    ui::PageSurface& printer_;
};

}  // namespace late
