#pragma once

#include <QDate>
#include <QStringList>
#include <vector>

#include "late/ClaimLetters.h"
#include "ui/PageSurface.h"

namespace late {

// The claims to the agents, each letter on pages of its own: the sender, the
// agent's name and address, the date, which claim it is, then one entry per
// overdue issue: the title with its key, ISSN and faculty under it, the year
// and issue numbers, the date it was due and which claim this is for it
// (first, second, final). A title is printed whole, wrapped over as many
// lines as it needs. An entry that would pass the bottom starts a new page
// under the headings again, so nothing is printed over anything else.
class ClaimPrint {
  public:
    explicit ClaimPrint(ui::PageSurface& surface) : printer_(surface) {}

    void print(const ClaimSender& sender, const std::vector<ClaimLetter>& letters, QDate today);

  private:
    double lineHeight();
    // Prints the text wrapped from x to right; returns the lines it took.
    int printWrapped(double x, const QString& text, double right);
    void letter(const ClaimSender& sender, const ClaimLetter& letter, QDate today);
    // One entry of the six columns, each cell one or more lines.
    void entry(const std::vector<QStringList>& cells);
    double entryHeight(const std::vector<QStringList>& cells);
    void headings(int page);

    ui::PageSurface& printer_;
};

}  // namespace late
