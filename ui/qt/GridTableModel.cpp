#include "ui/qt/GridTableModel.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include "ui/Grid.h"

namespace ui::qt {

namespace {
// Long enough for a first paint, short enough that the count seems to come
// with the rows when none comes.
constexpr int kCountBackstopMs = 250;
}  // namespace

GridTableModel::GridTableModel(Grid& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid), rows_(grid.rows() - 1), cols_(grid.cols()) {}

GridTableModel::~GridTableModel() {
    grid_.countLater = nullptr;
}

int GridTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int GridTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : cols_;
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
    const int row = index.row() + 1;
    if (!index.isValid() || row >= grid_.rows() || index.column() >= grid_.cols())
        return {};
    if (role == Qt::DisplayRole)
        return grid_.textMatrix(row, index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(grid_.colAlignment(index.column()) == Grid::Align::LeftTop
                                       ? (Qt::AlignLeft | Qt::AlignTop)
                                       : (Qt::AlignLeft | Qt::AlignVCenter));
    return {};
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section >= grid_.cols())
        return {};
    return grid_.textMatrix(0, section);
}

Qt::ItemFlags GridTableModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

bool GridTableModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && grid_.canFetchMore();
}

void GridTableModel::fetchMore(const QModelIndex& parent) {
    if (parent.isValid())
        return;
    grid_.fetchMore();
    refresh();
}

void GridTableModel::refresh() {
    // Rows read from a source as the view scrolled come after those it has.
    if (grid_.paged() && grid_.cols() == cols_ && grid_.rows() - 1 > rows_ && rows_ > 0) {
        beginInsertRows({}, rows_, grid_.rows() - 2);
        rows_ = grid_.rows() - 1;
        endInsertRows();
    } else if (grid_.rows() - 1 != rows_ || grid_.cols() != cols_) {
        beginResetModel();
        rows_ = grid_.rows() - 1;
        cols_ = grid_.cols();
        endResetModel();
        return;
    }
    if (rows_ > 0)
        emit dataChanged(index(0, 0), index(rows_ - 1, cols_ - 1));
    emit headerDataChanged(Qt::Horizontal, 0, cols_ - 1);
}

void GridTableModel::countAfterPaint(QWidget* viewport) {
    viewport_ = viewport;
    viewport->installEventFilter(this);
    grid_.countLater = [this](std::function<void()> step) {
        // A window loads before it is shown: the count waits for the paint
        // that follows either way.
        pendingCount_ = std::move(step);
        QTimer::singleShot(kCountBackstopMs, this, [this] { countNow(); });
    };
}

bool GridTableModel::eventFilter(QObject* watched, QEvent* event) {
    // After the paint, not in it: the rows reach the screen before the count.
    if (watched == viewport_ && event->type() == QEvent::Paint && pendingCount_)
        QTimer::singleShot(0, this, [this] { countNow(); });
    return false;
}

void GridTableModel::countNow() {
    if (!pendingCount_)
        return;
    const std::function<void()> step = std::move(pendingCount_);
    pendingCount_ = nullptr;
    step();
}

}  // namespace ui::qt
