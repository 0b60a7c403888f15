#pragma once

#include <QDate>
#include <QString>
#include <vector>

#include "ui/PageSurface.h"

namespace renewal {

// One printed line: the grid's title, expiry date and latest issue.
struct ExpiryLine {
    QString name, endPeriod, latestIssue;
};

// The printed expiry list: a title, the range, column headings, one line per
// subscription (28 on the first page, 30 on later ones), a print-date footer
// on every full page, page numbers from page 2 and the total.
class ExpiryPrint {
  public:
    explicit ExpiryPrint(ui::PageSurface& surface) : printer_(surface) {}

    void print(const std::vector<ExpiryLine>& lines, const QString& first, const QString& last,
               QDate today);

  private:
    // Line n of a page, with the line height of the current font.
    double lineY(int n);
    void printAt(double x, double y, const QString& text);

    ui::PageSurface& printer_;
};

}  // namespace renewal
