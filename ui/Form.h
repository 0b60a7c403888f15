#pragma once

#include <functional>

#include "data/DbError.h"
#include "ui/Control.h"
#include "ui/Services.h"

namespace ui {

// The window-level state every window logic shares: its caption, which
// control has the focus, and the request to unload it.
class Form {
  public:
    Form(QString caption, MessageBox& messages)
        : caption_(std::move(caption)), messages_(messages) {}
    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    QString caption() const { return caption_; }
    Control* focus() const { return focus_; }
    void setFocus(Control& control);
    // The view reports where the user put the focus.
    void followFocus(Control* control) { focus_ = control; }

    // Asks the view to close the window.
    void unload();
    // The user pressed Escape with no pick list open: the window's way back.
    void escape() {
        if (onEscape)
            onEscape();
    }

    // The unsaved entry the window holds, said in a few Thai words for a
    // question before it is dropped; empty when there is none.
    virtual QString openEntry() const { return {}; }

    // A refused key the user should hear.
    void beep() {
        if (onBeep)
            onBeep();
    }

    std::function<void()> onFocusChange;
    std::function<void()> onUnload;
    std::function<void()> onEscape;
    std::function<void()> onBeep;

  protected:
    MessageBox& messages() { return messages_; }
    // Runs a step that reaches the database. A failure is shown to the user in
    // Thai and the window stays as the step left it; returns false then.
    bool guarded(const std::function<void()>& step);

  private:
    QString caption_;
    MessageBox& messages_;
    Control* focus_ = nullptr;
};

// Caption of the message that reports a database failure.
inline const QString kDatabaseErrorCaption = QStringLiteral("ข้อผิดพลาดของฐานข้อมูล");

}  // namespace ui
