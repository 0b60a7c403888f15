#pragma once

#include <QStringList>
#include <functional>
#include <vector>

#include "ui/Control.h"

namespace late {

class LateList;

// The late list as a control: the list shown (kept by the window), the
// current row, and the column it is sorted by. The view asks it for the
// cells it paints, so no text is held twice.
class LateListBox : public ui::Control {
  public:
    LateListBox(QString name, QStringList headings, std::vector<int> widthsTwips);

    const QStringList& headings() const { return headings_; }
    int colWidth(int column) const { return widths_.at(column); }

    // Shows a list (or none), its first row current; the window keeps it.
    void show(const LateList* list);
    // Tells the view that the rows of the list shown were put in a new order.
    void reordered();
    const LateList* list() const { return list_; }
    int count() const;
    QString text(int row, int column) const;
    // Changes each time the rows change, so the view knows to read them anew.
    int generation() const { return generation_; }

    // The current row, from 0; -1 when there is none.
    int row() const { return row_; }
    void setRow(int row);
    int sortColumn() const { return sortColumn_; }
    bool descending() const { return descending_; }
    void setSort(int column, bool descending);

    // The user clicked a row: it becomes current, then the handler runs.
    void click(int row);
    // The user moved to a row with the keys; Enter then does what a click does.
    void keyToRow(int row);
    void keyEnter();
    // The user clicked a heading: the same one again turns the order round.
    void clickHeading(int column);

    std::function<void()> onClick;
    std::function<void(int column, bool descending)> onSort;

  private:
    QStringList headings_;
    std::vector<int> widths_;
    const LateList* list_ = nullptr;
    int generation_ = 0;
    int row_ = -1;
    int sortColumn_ = -1;
    bool descending_ = false;
};

}  // namespace late
