#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QWidget>

class QCalendarWidget;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableView;

namespace ui {
class CommandButton;
class Control;
class Form;
class Frame;
class Grid;
class Label;
class MonthCalendar;
class OptionButton;
class PickList;
class TabControl;
class TextBox;
}  // namespace ui

namespace ui::qt {

// Ties each control model to its widget: the widget follows the model, and the
// user's keys, clicks and picks go to the model (and through it to the
// window's handlers). A view owns one binder, declared after the window logic
// so that it is destroyed first and no widget event reaches a dead model.
class Binder : public QObject {
    Q_OBJECT
  public:
    explicit Binder(Form& form);

    void bind(TextBox& model, QLineEdit* widget);
    void bind(CommandButton& model, QPushButton* widget);
    void bind(Label& model, QLabel* widget);
    void bind(Frame& model, QGroupBox* widget);
    void bind(OptionButton& model, QRadioButton* widget);
    void bind(TabControl& model, QTabWidget* widget);
    void bind(PickList& model, QComboBox* widget);
    void bind(PickList& model, QListWidget* widget);
    void bind(Grid& model, QTableView* widget);
    void bind(MonthCalendar& model, QCalendarWidget* widget);
    // A control whose widget its own view code drives: the binder gives the
    // widget the control's name, the focus when the window moves it there,
    // and Escape.
    void bind(Control& model, QWidget* widget);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void track(Control& model, QWidget* widget);
    bool controlKey(Control& model, QWidget* widget, const QKeyEvent* event);
    bool lineEditKey(TextBox& model, QLineEdit* widget, QEvent* event);

    Form& form_;
    QHash<QWidget*, Control*> controls_;
    QHash<Control*, QWidget*> widgets_;
    // The field the window gave the focus to while it was not active (a
    // message box was up): it takes the focus once the window is active again.
    QPointer<QWidget> focusOnActivation_;
};

}  // namespace ui::qt
