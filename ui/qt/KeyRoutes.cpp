#include "ui/qt/KeyRoutes.h"

#include <QCalendarWidget>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <algorithm>

#include "ui/Controls.h"
#include "ui/Grid.h"
#include "ui/PickList.h"

namespace ui::qt {

namespace {

bool isEnter(const QKeyEvent* e) {
    return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

// The row a movement key leads to from `row` among `count` rows, `page` rows
// to a screen; -1 when the key is no movement.
int movedRow(const QKeyEvent* e, int row, int count, int page) {
    switch (e->key()) {
        case Qt::Key_Up:
            return std::max(row - 1, 0);
        case Qt::Key_Down:
            return std::min(row + 1, count - 1);
        case Qt::Key_PageUp:
            return std::max(row - page, 0);
        case Qt::Key_PageDown:
            return std::min(row + page, count - 1);
        case Qt::Key_Home:
            return 0;
        case Qt::Key_End:
            return count - 1;
        default:
            return -1;
    }
}

int rowsPerPage(const QAbstractItemView* w, int rowHeight) {
    return std::max(1, w->viewport()->height() / std::max(1, rowHeight) - 1);
}

}  // namespace

bool gridKey(Grid& model, QTableView* w, const QKeyEvent* e) {
    if (isEnter(e) || e->key() == Qt::Key_Space) {
        model.keyEnter();
        return true;
    }
    // Row 0 of the model is the headings: data rows are 1 and on.
    const int row = movedRow(e, model.row() - 1, model.rows() - 1,
                             rowsPerPage(w, w->verticalHeader()->defaultSectionSize()));
    if (row < 0) {
        // Sideways the view scrolls, so columns past its edge can be read.
        if (e->key() != Qt::Key_Left && e->key() != Qt::Key_Right)
            return false;
        w->horizontalScrollBar()->triggerAction(e->key() == Qt::Key_Left
                                                    ? QAbstractSlider::SliderSingleStepSub
                                                    : QAbstractSlider::SliderSingleStepAdd);
        return true;
    }
    model.keyToRow(row + 1);
    return true;
}

bool listKey(PickList& model, QListWidget* w, const QKeyEvent* e) {
    const int current = w->currentRow();
    if (e->key() == Qt::Key_Space) {
        model.userChoose(current);
        return true;
    }
    if (isEnter(e)) {
        model.keyEnter(current);
        return true;
    }
    const int row =
        movedRow(e, current, w->count(),
                 rowsPerPage(w, w->count() ? w->visualItemRect(w->item(0)).height() : 1));
    if (row < 0)
        // Typing would move the highlight to a row nobody chose.
        return !e->text().isEmpty() && e->text().at(0).isPrint();
    // The cursor moves; the chosen row stays marked until Space or Enter.
    w->selectionModel()->setCurrentIndex(w->model()->index(row, 0), QItemSelectionModel::NoUpdate);
    return true;
}

bool calendarKey(MonthCalendar& model, QCalendarWidget* w, const QKeyEvent* e) {
    if (!isEnter(e) && e->key() != Qt::Key_Space)
        return false;  // arrows and paging move the day in the calendar
    model.clickDate(w->selectedDate());
    return true;
}

bool buttonKey(QPushButton* w, const QKeyEvent* e) {
    if (!isEnter(e))
        return false;
    w->click();
    return true;
}

}  // namespace ui::qt
