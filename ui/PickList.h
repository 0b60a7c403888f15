#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "ui/Control.h"
#include "ui/RowSource.h"

namespace ui {

struct PickRow {
    QString code;
    QString description;
};

// What follows a publisher's or agent's name in a pick list: two of them may
// bear one name, and the code tells them apart. Nothing for a blank code.
QString codeSuffix(const QString& code);

// A list or combo box bound to rows of (code, description). It shows a text and
// yields the code of the chosen row; setting the shown text to a description
// that a row has chooses that row, any other text chooses none.
class PickList : public Control {
  public:
    using Control::Control;

    const std::vector<PickRow>& rows() const { return rows_; }
    // New rows: the shown text is looked up again among them.
    void setRows(std::vector<PickRow> rows);
    // Rows of (code, description) read from a source a page at a time: the
    // first page now, the next ones as the view scrolls to the end.
    void setSource(std::shared_ptr<RowSource> source);
    bool canFetchMore() const { return source_ && more_; }
    void fetchMore();
    // Runs each later read of a source; the window's own guard shows a failure.
    std::function<bool(const std::function<void()>&)> guard;

    QString text() const { return text_; }
    void setText(const QString& text);
    // The chosen row's code; empty when no row is chosen.
    QString boundText() const;
    // Chooses the first row with this code; none when no row has it.
    void setBoundText(const QString& code);
    int chosenRow() const { return chosen_; }
    void chooseRow(int row);

    int backColor() const { return backColor_; }
    void setBackColor(int colour);

    // The user picked a row (click) or typed into the combo.
    void userChoose(int row);
    void userType(const QString& text);
    void doubleClick();
    // A mouse press anywhere on a combo: its edit area, its button or a row.
    void press() {
        if (onPress)
            onPress();
    }
    // The focus left the list for another place in the window.
    void loseFocus() {
        if (visible() && onLostFocus)
            onLostFocus();
    }
    // Enter on a row of a list: what a double-click on it does, or a click
    // where the list has no double-click handler.
    void keyEnter(int row);

    std::function<void()> onChange;
    std::function<void()> onClick;
    std::function<void()> onDoubleClick;
    std::function<void()> onPress;
    std::function<void()> onLostFocus;

  private:
    // Shows the text with the row `keep` chosen, or (-1) the first row of that
    // description.
    void setText(const QString& text, int keep);
    void show(const QString& text, int row);

    void readPage();

    std::vector<PickRow> rows_;
    std::shared_ptr<RowSource> source_;
    bool more_ = false;
    QString text_;
    int chosen_ = -1;
    int backColor_ = kEditableColor;
};

}  // namespace ui
