#pragma once

#include <QAbstractItemModel>
#include <QRect>
#include <QTableView>

namespace testing_support {

// What a grid's view shows in a cell, and where, rows counted from 0 below
// the headings.
inline QString cellText(const QTableView* view, int row, int col) {
    return view->model()->index(row, col).data().toString();
}

inline QRect cellRect(const QTableView* view, int row, int col) {
    return view->visualRect(view->model()->index(row, col));
}

}  // namespace testing_support
