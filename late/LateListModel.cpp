#include "late/LateListModel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QTableView>

#include "late/LateListBox.h"
#include "ui/qt/Twips.h"

namespace late {

namespace {

// Rows told to the view at a time: more than a screen.
constexpr int kFetchRows = 200;

// Enter and Space on the list do what a click does.
class EnterKeys : public QObject {
  public:
    EnterKeys(LateListBox& box, QObject* parent) : QObject(parent), box_(box) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space)
            return false;
        box_.keyEnter();
        return true;
    }

  private:
    LateListBox& box_;
};

}  // namespace

LateListModel::LateListModel(const LateListBox& box, QObject* parent)
    : QAbstractTableModel(parent), box_(box) {}

int LateListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shown_;
}

int LateListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(box_.headings().size());
}

QVariant LateListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= box_.count())
        return {};
    if (role == Qt::DisplayRole)
        return box_.text(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

QVariant LateListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole ||
        section >= box_.headings().size())
        return {};
    return box_.headings().at(section);
}

Qt::ItemFlags LateListModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

bool LateListModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && generation_ == box_.generation() && shown_ < box_.count();
}

void LateListModel::fetchMore(const QModelIndex& parent) {
    if (!canFetchMore(parent))
        return;
    const int more = std::min(kFetchRows, box_.count() - shown_);
    beginInsertRows({}, shown_, shown_ + more - 1);
    shown_ += more;
    endInsertRows();
}

void LateListModel::refresh() {
    if (generation_ != box_.generation()) {
        beginResetModel();
        generation_ = box_.generation();
        shown_ = std::min(kFetchRows, box_.count());
        endResetModel();
    }
    if (box_.row() >= shown_) {
        const int upTo = std::min(box_.count(), (box_.row() / kFetchRows + 1) * kFetchRows);
        beginInsertRows({}, shown_, upTo - 1);
        shown_ = upTo;
        endInsertRows();
    }
}

void bindLateList(LateListBox& box, QTableView* view) {
    auto* model = new LateListModel(box, view);
    view->setModel(model);
    view->setTabKeyNavigation(false);  // Tab leaves the list for the next control
    view->verticalHeader()->hide();
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setWordWrap(false);
    view->horizontalHeader()->setSectionsClickable(true);
    view->horizontalHeader()->setSortIndicatorShown(true);
    for (int c = 0; c < box.headings().size(); ++c)
        view->setColumnWidth(c, ui::qt::twips(box.colWidth(c)));
    view->installEventFilter(new EnterKeys(box, view));
    const auto follow = [&box, view, model] {
        model->refresh();
        view->horizontalHeader()->setSortIndicator(
            box.sortColumn(), box.descending() ? Qt::DescendingOrder : Qt::AscendingOrder);
        const QSignalBlocker block(view->selectionModel());
        if (box.row() >= 0) {
            view->selectRow(box.row());
            view->scrollTo(model->index(box.row(), 0));
        } else {
            view->clearSelection();
        }
    };
    box.watch(follow);
    QObject::connect(view, &QTableView::clicked, view,
                     [&box](const QModelIndex& cell) { box.click(cell.row()); });
    QObject::connect(view->horizontalHeader(), &QHeaderView::sectionClicked, view,
                     [&box](int section) { box.clickHeading(section); });
    // The arrows, Page Up and Down, Home and End move the view's own cursor.
    QObject::connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, view,
                     [&box](const QModelIndex& current) {
                         if (current.isValid())
                             box.keyToRow(current.row());
                     });
    follow();
}

}  // namespace late
