#pragma once

#include <QAbstractTableModel>

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

  private:
    Grid& grid_;
    // The shape the view was last told: the grid may change before the view
    // hears of it, and until then the view asks by this shape.
    int rows_ = 0;
    int cols_ = 0;
};

}  // namespace ui::qt
