#pragma once

#include <QAbstractTableModel>

class QTableView;

namespace late {

class LateListBox;

// The late list as a Qt table model that grows a page at a time as the view
// scrolls (canFetchMore, fetchMore) and asks the list only for the cells it
// paints.
class LateListModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    LateListModel(const LateListBox& box, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

    // Follows the control: its rows anew when they changed, and enough of
    // them to hold the current row.
    void refresh();

  private:
    const LateListBox& box_;
    int generation_ = -1;
    int shown_ = 0;  // rows the view has been told of
};

// Ties the late list control to its table view: the model, clicks on rows
// and headings, the keys that move and Enter.
void bindLateList(LateListBox& box, QTableView* view);

}  // namespace late
