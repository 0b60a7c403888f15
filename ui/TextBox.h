#pragma once

#include <functional>

#include "ui/Control.h"

namespace ui {

// Character codes a key press hands to a window's handler.
namespace key {
constexpr int kCopy = 3, kBackspace = 8, kEnter = 13, kPaste = 22, kCut = 24;
}

// A single-line text box. Typed keys pass through the window's key-press
// handler first; the maximum length limits typing and pasting, not text the
// program sets.
class TextBox : public Control {
  public:
    enum class Align { Left, Right, Center };

    using Control::Control;

    QString text() const { return text_; }
    // Program-set text: the caret goes to the start, like a fresh box.
    void setText(const QString& text);

    int maxLength() const { return maxLength_; }
    void setMaxLength(int n) { maxLength_ = n; }
    Align alignment() const { return align_; }
    void setAlignment(Align a);
    int backColor() const { return backColor_; }
    void setBackColor(int colour);

    int selStart() const { return selStart_; }
    int selLength() const { return selLength_; }
    QString selText() const { return text_.mid(selStart_, selLength_); }
    void setSelStart(int pos);
    void setSelLength(int len);
    // Both at once, without telling the view (the view reports its own caret).
    void followSelection(int start, int length);

    // The user typed one character (its code point, so an emoji is one key) or
    // a control code from `key`.
    void typeKey(int keyAscii);
    void typeText(const QString& text);
    // Ctrl+V with this clipboard text.
    void paste(const QString& clipboard);
    // Pasted text goes in character by character through the key handler,
    // as if typed: for fields whose rule must hold whatever way text comes.
    void setPasteAsTyping(bool on) { pasteAsTyping_ = on; }
    // The Delete key: not a key press, only an edit.
    void deleteForward();
    void click();
    void doubleClick();

    std::function<void(int& keyAscii)> onKeyPress;
    std::function<void()> onChange;
    std::function<void()> onClick;
    std::function<void()> onDoubleClick;

  private:
    // oneKey: a typed character, kept whole or refused when it does not fit.
    void replaceSelection(QString insert, bool oneKey = false);
    // Whether the two code units before pos are one surrogate pair.
    bool pairBefore(int pos) const;
    void changeText(const QString& text, int caret);

    QString text_;
    int maxLength_ = 0;  // 0: no limit
    Align align_ = Align::Left;
    int backColor_ = kEditableColor;
    int selStart_ = 0;
    int selLength_ = 0;
    bool pasteAsTyping_ = false;
};

}  // namespace ui
