#pragma once

#include <QHash>
#include <QStringList>
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "ui/Control.h"
#include "ui/PagedRows.h"

namespace ui {

// A grid of text cells whose row 0 holds the headings. Column widths are in
// twips; -1 is the default width. A grid either holds its cells (a small list
// the window fills) or shows a row source: then it holds the headings, the
// pages read so far and the cells the window changed, and reads further pages
// as the view asks for them.
class Grid : public Control {
  public:
    enum class Align { Default, LeftTop };

    Grid(QString name, int rows, int cols);

    int rows() const {
        return paged_ ? std::max(1 + paged_->fetched(), minRows_) : int(cells_.size());
    }
    int cols() const { return cols_; }
    // Resizing keeps the cells that stay and adds empty ones.
    void setRows(int n);
    void setCols(int n);

    QString textMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);
    // Every row below the headings at once, each cut or padded to the columns:
    // a list of tens of thousands of rows is told to its view once.
    void setDataRows(std::vector<QStringList> dataRows);
    // A cell a source gives past the shown columns, such as the key of the
    // record a row shows; empty when the row has none.
    QString keyCell(int row, int col) const;

    // Shows the rows of a source from its first page, the first row current,
    // with empty rows below them up to `minRows` in all. Should the first page
    // fail, the grid stays as it was and this returns false. Resizing or
    // setting the rows goes back to held cells.
    bool setSource(std::shared_ptr<RowSource> source, int minRows = 0);
    bool paged() const { return bool(paged_); }
    // Empty rows below a source's, up to `n` rows in all.
    void setMinRows(int n);
    // The window wrote one row of the list itself: the data row at `from` goes
    // to `to` with these cells (-1 for either: it joins, or it leaves), each
    // the grid row it has after the change, so that a save shows without
    // reading the list again. The current row stays where it was.
    void moveRow(int from, int to, QStringList cells);
    // Data rows in all: the exact count of a source, or the rows held.
    int total() const;
    // Whether the total is known without a further read.
    bool counted() const { return !paged_ || paged_->counted(); }
    // Runs with the exact count of a source once it is known, so that a long
    // list paints its first rows before it is counted: at once when the first
    // page held every row, otherwise after the first page is shown (through
    // `countLater` where the view set it, else straight after the page).
    std::function<void(int)> onCount;
    // Set by the view: runs a step once the rows it was told of are painted.
    std::function<void(std::function<void()>)> countLater;
    bool canFetchMore() const { return paged_ && !failed_ && paged_->canFetchMore(); }
    void fetchMore();
    // Every data row in order, a source's read page by page, with the cells the
    // window changed.
    void forEachDataRow(const std::function<void(const QStringList&)>& each) const;
    ListOrder order() const { return paged_ ? paged_->source().order() : ListOrder(); }
    // A click on a column heading: a source sortable by it lists again in that
    // order (the same heading again turns it about), from the first row.
    void clickHeading(int col);
    std::function<void()> onSort;
    // Runs each read of a source; the window's own guard shows a failure.
    std::function<bool(const std::function<void()>&)> guard;

    int colWidth(int col) const { return widths_.at(std::size_t(col)); }
    void setColWidth(int col, int twips);
    Align colAlignment(int col) const { return aligns_.at(std::size_t(col)); }
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
    bool read(const std::function<void()>& step) const;
    void announceCount(int source);
    QStringList dataRow(int row) const;

    std::vector<QStringList> cells_;
    std::unique_ptr<PagedRows> paged_;
    bool failed_ = false;
    // Which source the grid shows: a count asked for an earlier one is dropped.
    int source_ = 0;
    int minRows_ = 0;
    // Cells the window wrote into rows of a source, by grid row.
    QHash<int, QStringList> changed_;
    int cols_;
    std::vector<int> widths_;
    std::vector<Align> aligns_;
    int row_ = 1;
    int col_ = 0;
    int highLight_ = 1;
};

}  // namespace ui
