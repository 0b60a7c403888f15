#pragma once

#include <QDate>
#include <QString>
#include <functional>
#include <vector>

#include "ui/PageSurface.h"

namespace renewal {

// One printed line: the grid's title, expiry date, latest issue and the
// subscribing faculty (two subscriptions of a title differ in it).
struct ExpiryLine {
    QString name, endPeriod, latestIssue, department;
};

// The printed expiry list: a title, the range, column headings, one line per
// subscription, a print-date footer on every full page, page numbers from
// page 2 and the total. A page holds lines up to 30, fewer when the printable
// area is too short for line 30 and the footer below it (the first page
// starts on line 3, below the headings). Every text stays inside its column:
// headings, dates and faculties are set smaller when they would not fit,
// titles and issues are cut with "…".
class ExpiryPrint {
  public:
    explicit ExpiryPrint(ui::PageSurface& surface) : printer_(surface) {}

    void print(const std::vector<ExpiryLine>& lines, const QString& first, const QString& last,
               QDate today);
    // The lines handed over one by one, for a list of any length.
    using EachLine = std::function<void(const ExpiryLine&)>;
    void print(const std::function<void(const EachLine&)>& lines, const QString& first,
               const QString& last, QDate today);

  private:
    // Line n of a page, with the line height of the current font.
    double lineY(int n);
    // The last line of a page whose footer still fits above the bottom.
    int lastLine();
    // Prints at (x, y), moved left when the text would pass the right edge.
    void printAt(double x, double y, const QString& text);
    // Prints the text cut with "…" so that it ends before `right`.
    void printElided(double x, double y, const QString& text, double right);
    // Prints the text in a smaller size when needed to end before `right`.
    void printShrunk(double x, double y, const QString& text, double right);

    ui::PageSurface& printer_;
};

}  // namespace renewal
