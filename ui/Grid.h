#pragma once

#include <QStringList>
#include <functional>
#include <vector>

#include "ui/Control.h"

namespace ui {

// A grid of text cells whose row 0 holds the headings. Column widths are in
// twips; -1 is the default width.
class Grid : public Control {
  public:
    enum class Align { Default, LeftTop };

    Grid(QString name, int rows, int cols);

    int rows() const { return int(cells_.size()); }
    int cols() const { return cols_; }
    // Resizing keeps the cells that stay and adds empty ones.
    void setRows(int n);
    void setCols(int n);

    QString textMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);
    // Every row below the headings at once, each cut or padded to the columns:
    // a list of tens of thousands of rows is told to its view once.
    void setDataRows(std::vector<QStringList> dataRows);

    int colWidth(int col) const { return widths_.at(col); }
    void setColWidth(int col, int twips);
    Align colAlignment(int col) const { return aligns_.at(col); }
    void setColAlignment(int col, Align a);

    // The current row and column.
    int row() const { return row_; }
    int col() const { return col_; }
    void setRow(int row);
    void setCol(int col);

    // 1: the current row stays marked; 2: marked only while the grid has focus.
    int highLight() const { return highLight_; }
    void setHighLight(int mode);

    // The user clicked a cell: it becomes current, then the handler runs.
    void click(int row, int col);
    // A double-click on a data cell: the click, then its own handler.
    void doubleClick(int row, int col);
    // The user moved to another data row with the keys: it becomes current and
    // no handler runs. Enter then does what a double-click on the current cell
    // does, or a click where the grid has no double-click handler.
    void keyToRow(int row);
    void keyEnter();
    std::function<void()> onClick;
    std::function<void()> onDoubleClick;

  private:
    std::vector<QStringList> cells_;
    int cols_;
    std::vector<int> widths_;
    std::vector<Align> aligns_;
    int row_ = 1;
    int col_ = 0;
    int highLight_ = 1;
};

}  // namespace ui
