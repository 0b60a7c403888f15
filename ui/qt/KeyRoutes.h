#pragma once

class QCalendarWidget;
class QKeyEvent;
class QListWidget;
class QPushButton;
class QTableView;

namespace ui {
class Grid;
class MonthCalendar;
class PickList;
}  // namespace ui

namespace ui::qt {

// What a key does on a widget other than a text box: the keys reach the
// control model, so they run the same handlers as the mouse does. Each
// returns true when it used the key.
bool gridKey(Grid& model, QTableView* w, const QKeyEvent* e);
bool listKey(PickList& model, QListWidget* w, const QKeyEvent* e);
bool calendarKey(MonthCalendar& model, QCalendarWidget* w, const QKeyEvent* e);
bool buttonKey(QPushButton* w, const QKeyEvent* e);

}  // namespace ui::qt
