#include "ui/TextBox.h"

#include <algorithm>

namespace ui {

namespace {

// What no key can type and no store keeps whole: the NUL character (the
// server ends the text there) and half of a surrogate pair (stored as "?").
QString withoutUntypeable(const QString& text) {
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            kept += c;
            kept += text.at(++i);
        } else if (!c.isNull() && !c.isSurrogate()) {
            kept += c;
        }
    }
    return kept;
}

}  // namespace

void TextBox::setText(const QString& text) {
    changeText(text, 0);
}

void TextBox::setAlignment(Align a) {
    align_ = a;
    notify();
}

void TextBox::setBackColor(int colour) {
    if (backColor_ == colour)
        return;
    backColor_ = colour;
    notify();
}

void TextBox::setSelStart(int pos) {
    selStart_ = std::clamp(pos, 0, int(text_.size()));
    selLength_ = 0;
    notify();
}

void TextBox::setSelLength(int len) {
    selLength_ = std::clamp(len, 0, int(text_.size()) - selStart_);
    notify();
}

void TextBox::followSelection(int start, int length) {
    selStart_ = std::clamp(start, 0, int(text_.size()));
    selLength_ = std::clamp(length, 0, int(text_.size()) - selStart_);
}

void TextBox::typeKey(int keyAscii) {
    if (!enabled())
        return;
    if (onKeyPress)
        onKeyPress(keyAscii);
    switch (keyAscii) {
        case 0:
        case key::kEnter:
        case key::kCopy:
        case key::kPaste:  // pasting needs the clipboard: see paste()
            return;
        case key::kBackspace:
            if (selLength_ > 0)
                replaceSelection(QString());
            else if (selStart_ > 0) {
                const int n = pairBefore(selStart_) ? 2 : 1;
                changeText(text_.left(selStart_ - n) + text_.mid(selStart_), selStart_ - n);
            }
            return;
        case key::kCut:
            replaceSelection(QString());
            return;
        default: {
            if (keyAscii < 32 || (keyAscii >= 0xD800 && keyAscii <= 0xDFFF) || keyAscii > 0x10FFFF)
                return;
            // A character beyond U+FFFF is one key: both halves of its pair or none.
            const char32_t code = char32_t(keyAscii);
            replaceSelection(QString::fromUcs4(&code, 1), true);
        }
    }
}

void TextBox::typeText(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            typeKey(int(QChar::surrogateToUcs4(c, text.at(++i))));
        else
            typeKey(c.unicode());
    }
}

void TextBox::paste(const QString& clipboard) {
    if (!enabled())
        return;
    int keyAscii = key::kPaste;
    if (onKeyPress)
        onKeyPress(keyAscii);
    if (keyAscii != key::kPaste)
        return;
    // A pasted line break ends the line, as in a single-line box.
    QString line = clipboard;
    const qsizetype br = line.indexOf(u'\n');
    if (br >= 0)
        line.truncate(br);
    line.remove(u'\r');
    line = withoutUntypeable(line);
    if (pasteAsTyping_)
        typeText(line);
    else
        replaceSelection(line);
}

void TextBox::deleteForward() {
    if (!enabled())
        return;
    if (selLength_ > 0)
        replaceSelection(QString());
    else if (selStart_ < text_.size())
        changeText(
            text_.left(selStart_) + text_.mid(selStart_ + (pairBefore(selStart_ + 2) ? 2 : 1)),
            selStart_);
}

bool TextBox::pairBefore(int pos) const {
    return pos >= 2 && pos <= text_.size() && text_.at(pos - 2).isHighSurrogate() &&
           text_.at(pos - 1).isLowSurrogate();
}

void TextBox::click() {
    if (enabled() && onClick)
        onClick();
}

void TextBox::doubleClick() {
    if (enabled() && onDoubleClick)
        onDoubleClick();
}

void TextBox::replaceSelection(QString insert, bool oneKey) {
    const int kept = int(text_.size()) - selLength_;
    if (maxLength_ > 0 && kept + insert.size() > maxLength_) {
        if (oneKey || kept >= maxLength_)
            return;
        insert.truncate(maxLength_ - kept);
        // Never keep half of a surrogate pair.
        if (insert.back().isHighSurrogate())
            insert.chop(1);
    }
    changeText(text_.left(selStart_) + insert + text_.mid(selStart_ + selLength_),
               selStart_ + int(insert.size()));
}

void TextBox::changeText(const QString& text, int caret) {
    const bool changed = text != text_;
    text_ = text;
    selStart_ = std::clamp(caret, 0, int(text_.size()));
    selLength_ = 0;
    notify();
    if (changed && onChange)
        onChange();
}

}  // namespace ui
