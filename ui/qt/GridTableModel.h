#pragma once

#include <QAbstractTableModel>
#include <QPointer>
#include <functional>

namespace ui {
class Grid;
}

namespace ui::qt {

// A grid's cells as a Qt table model: the view asks for the cells it paints,
// so a list of tens of thousands of rows costs no widget item per cell. Row 0
// of the grid is the headings.
class GridTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    GridTableModel(Grid& grid, QObject* parent);
    // The grid outlives its view's model: it stops asking it to count.
    ~GridTableModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A grid on a row source hands the view its rows a page at a time.
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

    // Tells the view the grid as it now stands.
    void refresh();
    // A source's count waits until `viewport` has painted the first rows (or,
    // should no paint come, a moment), so that the rows show first.
    void countAfterPaint(QWidget* viewport);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void countNow();

    Grid& grid_;
    // The shape the view was last told: the grid may change before the view
    // hears of it, and until then the view asks by this shape.
    int rows_ = 0;
    int cols_ = 0;
    QPointer<QWidget> viewport_;
    std::function<void()> pendingCount_;
};

}  // namespace ui::qt
