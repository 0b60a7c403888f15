#pragma once

#include <QWidget>

class QKeyEvent;

namespace ui::qt {

// Base of every window's view: the shell creates it, asks it to load, and
// shows it only when the load step succeeded.
class FormView : public QWidget {
    Q_OBJECT
  public:
    using QWidget::QWidget;

    // Runs the window's load step; false when it failed (the user was told).
    virtual bool load() = 0;
    // Loads the title with this key, as picking it from a search would; a
    // window that shows no single title has nothing to load.
    virtual void showTitle(const QString& /*pointer*/) {}
    // The unsaved entry of the window's logic (ui::Form::openEntry).
    virtual QString openEntry() const { return {}; }

  protected:
    // Closes the window, or the sub-window that frames it.
    void closeWindow();
    // For a view laid out with plain Qt widgets, once its buttons exist:
    // Enter presses the focused button and Escape closes the window, as the
    // binder's keys do in the other windows.
    void useWindowKeys();
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool escapeCloses_ = false;
};

}  // namespace ui::qt
