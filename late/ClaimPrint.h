#pragma once

#include <QDate>
#include <QStringList>
#include <vector>

#include "late/LateRecords.h"
#include "ui/PageSurface.h"

namespace late {

// Who sends a claim: the unit's name and its address, as the settings hold them.
struct ClaimSender {
    QString unitName;
    QString address;
};

// The claim to one agent: the sender, the agent's name and address, the date,
// then one entry per late title with its last issue received and the date the
// next one was due. A title is printed whole, wrapped over as many lines as
// it needs, with its key and ISSN under it (and its faculty when the title is
// claimed for several), so that no two titles print alike. An entry that
// would pass the bottom starts a new page under the headings again, so
// nothing is printed over anything else.
class ClaimPrint {
  public:
    explicit ClaimPrint(ui::PageSurface& surface) : printer_(surface) {}

    void print(const ClaimSender& sender, const QStringList& agentAddress,
               const std::vector<LateTitle>& titles, QDate today);

  private:
    double lineHeight();
    // The text in lines no wider than `room`, broken where Thai and other
    // scripts may break a line, and within a word only when one word alone
    // is too wide.
    QStringList wrapped(const QString& text, double room);
    // Prints the text wrapped from x to right; returns the lines it took.
    int printWrapped(double x, const QString& text, double right);
    // One entry of the five columns, each cell one or more lines.
    void entry(const std::vector<QStringList>& cells);
    double entryHeight(const std::vector<QStringList>& cells);
    void headings(int page);

    ui::PageSurface& printer_;
};

}  // namespace late
