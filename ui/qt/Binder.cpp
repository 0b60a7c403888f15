#include "ui/qt/Binder.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>

#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Grid.h"
#include "ui/PickList.h"
#include "ui/TextBox.h"
#include "ui/qt/GridTableModel.h"
#include "ui/qt/KeyRoutes.h"
#include "ui/qt/LockedLook.h"
#include "ui/qt/Twips.h"

namespace ui::qt {

namespace {

void showCommon(const Control& model, QWidget* w) {
    w->setEnabled(model.enabled());
    w->setVisible(model.visible());
}

void refreshLineEdit(const TextBox& model, QLineEdit* w) {
    // The widget's own caret signals would write back into the model here.
    const QSignalBlocker block(w);
    showCommon(model, w);
    paintBase(w, model.backColor());
    switch (model.alignment()) {
        case TextBox::Align::Left:
            w->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            break;
        case TextBox::Align::Right:
            w->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            break;
        case TextBox::Align::Center:
            w->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    }
    if (w->text() != model.text())
        w->setText(model.text());
    if (model.selLength() > 0)
        w->setSelection(model.selStart(), model.selLength());
    else
        w->setCursorPosition(model.selStart());
}

void refreshGrid(const Grid& model, QTableView* w, GridTableModel* cells) {
    showCommon(model, w);
    cells->refresh();
    for (int c = 0; c < model.cols(); ++c) {
        const int width = model.colWidth(c);
        w->setColumnWidth(c, twips(width < 0 ? 1000 : width));
    }
    QPalette pal = w->palette();
    const QColor active = pal.color(QPalette::Active, QPalette::Highlight);
    pal.setColor(QPalette::Inactive, QPalette::Highlight,
                 model.highLight() == 2 ? pal.color(QPalette::Active, QPalette::Base) : active);
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText,
                 model.highLight() == 2 ? pal.color(QPalette::Active, QPalette::Text)
                                        : pal.color(QPalette::Active, QPalette::HighlightedText));
    w->setPalette(pal);
    QHeaderView* header = w->horizontalHeader();
    header->setSortIndicatorShown(model.paged() && model.order().column >= 0);
    if (model.paged() && model.order().column >= 0)
        header->setSortIndicator(model.order().column, model.order().descending
                                                           ? Qt::DescendingOrder
                                                           : Qt::AscendingOrder);
    if (model.row() >= 1) {
        const QSignalBlocker block(w);
        w->selectRow(model.row() - 1);
    } else {
        w->clearSelection();
    }
}

void refreshCombo(const PickList& model, QComboBox* w) {
    const QSignalBlocker block(w);
    showCommon(model, w);
    paintBase(w, model.backColor());
    bool same = w->count() == int(model.rows().size());
    for (int i = 0; same && i < w->count(); ++i)
        same = w->itemText(i) == model.rows()[std::size_t(i)].description;
    if (!same) {
        w->clear();
        for (const PickRow& row : model.rows())
            w->addItem(row.description);
    }
    w->setCurrentIndex(model.chosenRow());
    if (w->isEditable() && w->currentText() != model.text())
        w->setEditText(model.text());
    // A text no row has (a stored code its table lacks, marked) shows too.
    if (!w->isEditable())
        w->setPlaceholderText(model.chosenRow() < 0 ? model.text() : QString());
}

void refreshList(const PickList& model, QListWidget* w) {
    const QSignalBlocker block(w);
    showCommon(model, w);
    paintBase(w, model.backColor());
    // Rows a source added at the end are appended, the rest kept.
    const int rows = int(model.rows().size());
    bool same = w->count() <= rows;
    for (int i = 0; same && i < w->count(); ++i)
        same = w->item(i)->text() == model.rows()[size_t(i)].description;
    if (!same)
        w->clear();
    for (int i = w->count(); i < rows; ++i)
        w->addItem(model.rows()[size_t(i)].description);
    w->setCurrentRow(model.chosenRow());
}

// Character code of a key event as a text box hands it to its handler; -1 for
// keys that are not key presses (arrows, Home, ...).
int keyAscii(const QKeyEvent* e) {
    if (e->matches(QKeySequence::Paste))
        return key::kPaste;
    if (e->matches(QKeySequence::Cut))
        return key::kCut;
    if (e->matches(QKeySequence::Copy))
        return key::kCopy;
    switch (e->key()) {
        case Qt::Key_Backspace:
            return key::kBackspace;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return key::kEnter;
        default:
            break;
    }
    const QString text = e->text();
    if (text.size() == 1 && text.at(0).unicode() >= 32 && text.at(0).unicode() != 127)
        return text.at(0).unicode();
    if (text.size() == 2 && text.at(0).isHighSurrogate() && text.at(1).isLowSurrogate())
        return int(QChar::surrogateToUcs4(text.at(0), text.at(1)));
    return -1;
}

// A mouse press anywhere on a combo (its edit area included) reaches its model.
class ComboPress : public QObject {
  public:
    ComboPress(PickList& model, QObject* parent) : QObject(parent), model_(model) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress)
            model_.press();
        return false;
    }

  private:
    PickList& model_;
};
// Keys with which a line edit would change its text on its own, past the
// window's key handler: deleting words or lines, undo and redo.
bool editsAround(const QKeyEvent* e) {
    for (auto edit : {QKeySequence::DeleteEndOfLine, QKeySequence::DeleteCompleteLine,
                      QKeySequence::DeleteStartOfWord, QKeySequence::DeleteEndOfWord,
                      QKeySequence::Undo, QKeySequence::Redo})
        if (e->matches(edit))
            return true;
    return e->key() == Qt::Key_Delete && !e->matches(QKeySequence::Cut);
}

}  // namespace

Binder::Binder(Form& form) : form_(form) {
    form_.onFocusChange = [this] {
        QWidget* w = widgets_.value(form_.focus());
        if (!w)
            return;
        w->setFocus(Qt::OtherFocusReason);
        // Right after a message box the window is not active yet; when it is,
        // a frame gives the focus back to the field that had it before the
        // box, where the clerk's work no longer goes on.
        focusOnActivation_ = w->isActiveWindow() ? nullptr : w;
    };
}

void Binder::track(Control& model, QWidget* w) {
    // Widgets answer to their control's name, so they can be found by it.
    if (w->objectName().isEmpty())
        w->setObjectName(model.name());
    controls_.insert(w, &model);
    widgets_.insert(&model, w);
    w->installEventFilter(this);
}

void Binder::bind(TextBox& model, QLineEdit* w) {
    track(model, w);
    lockedLook(w);
    // Every change of the text goes through the model's keystroke rules; the
    // line edit's own editing routes (menu, drops, undo) are closed.
    w->setContextMenuPolicy(Qt::NoContextMenu);
    w->setAcceptDrops(false);
    w->setDragEnabled(false);
    model.watch([&model, w] { refreshLineEdit(model, w); });
    // Should any other route still change the line edit, it shows the model again.
    connect(w, &QLineEdit::textEdited, this, [&model, w] { refreshLineEdit(model, w); });
    connect(w, &QLineEdit::selectionChanged, this, [&model, w] {
        model.followSelection(w->hasSelectedText() ? w->selectionStart() : w->cursorPosition(),
                              int(w->selectedText().size()));
    });
    connect(w, &QLineEdit::cursorPositionChanged, this, [&model, w] {
        if (!w->hasSelectedText())
            model.followSelection(w->cursorPosition(), 0);
    });
    refreshLineEdit(model, w);
}

void Binder::bind(CommandButton& model, QPushButton* w) {
    track(model, w);
    w->setText(model.caption());
    model.watch([&model, w] { showCommon(model, w); });
    connect(w, &QPushButton::clicked, this, [&model] { model.click(); });
    showCommon(model, w);
}

void Binder::bind(Label& model, QLabel* w) {
    auto refresh = [&model, w] {
        showCommon(model, w);
        w->setText(model.caption());
    };
    model.watch(refresh);
    refresh();
}

void Binder::bind(Frame& model, QGroupBox* w) {
    auto refresh = [&model, w] {
        showCommon(model, w);
        w->setTitle(model.caption());
    };
    model.watch(refresh);
    refresh();
}

void Binder::bind(OptionButton& model, QRadioButton* w) {
    track(model, w);
    w->setAutoExclusive(false);  // the model keeps the group; none chosen is allowed
    w->setText(model.caption());
    auto refresh = [&model, w] {
        showCommon(model, w);
        const QSignalBlocker block(w);
        w->setChecked(model.value());
    };
    model.watch(refresh);
    connect(w, &QRadioButton::clicked, this, [&model, refresh] {
        model.click();
        refresh();
    });
    refresh();
}

void Binder::bind(TabControl& model, QTabWidget* w) {
    track(model, w);
    auto refresh = [&model, w] {
        showCommon(model, w);
        const QSignalBlocker block(w);
        w->setCurrentIndex(model.tab());
    };
    model.watch(refresh);
    connect(w, &QTabWidget::currentChanged, this, [&model](int page) { model.click(page); });
    refresh();
}

void Binder::bind(PickList& model, QComboBox* w) {
    track(model, w);
    lockedLook(w);
    model.watch([&model, w] { refreshCombo(model, w); });
    connect(w, &QComboBox::activated, this, [&model](int row) { model.userChoose(row); });
    auto* presses = new ComboPress(model, this);
    w->installEventFilter(presses);
    if (w->lineEdit())
        w->lineEdit()->installEventFilter(presses);
    if (w->isEditable())
        connect(w, &QComboBox::editTextChanged, this, [&model, w](const QString& text) {
            if (text != model.text() && w->hasFocus())
                model.userType(text);
        });
    refreshCombo(model, w);
}

void Binder::bind(PickList& model, QListWidget* w) {
    track(model, w);
    lockedLook(w);
    model.watch([&model, w] { refreshList(model, w); });
    connect(w, &QListWidget::itemClicked, this,
            [&model, w](QListWidgetItem* item) { model.userChoose(w->row(item)); });
    connect(w, &QListWidget::itemDoubleClicked, this, [&model, w](QListWidgetItem* item) {
        model.userChoose(w->row(item));
        model.doubleClick();
    });
    // Near the end of what it shows, a list on a source reads its next page.
    connect(w->verticalScrollBar(), &QScrollBar::valueChanged, this, [&model, w](int value) {
        if (model.canFetchMore() && value >= w->verticalScrollBar()->maximum() - 2)
            model.fetchMore();
    });
    refreshList(model, w);
}

void Binder::bind(Grid& model, QTableView* w) {
    // The binder owns the table model: it goes before the window logic it
    // reads, and the view then shows an empty table instead of a dead grid.
    auto* cells = new GridTableModel(model, this);
    w->setModel(cells);
    cells->countAfterPaint(w->viewport());
    track(model, w);
    lockedLook(w);
    w->setTabKeyNavigation(false);  // Tab leaves the grid for the next control
    w->verticalHeader()->hide();
    w->setSelectionBehavior(QAbstractItemView::SelectRows);
    w->setSelectionMode(QAbstractItemView::SingleSelection);
    w->setEditTriggers(QAbstractItemView::NoEditTriggers);
    w->setWordWrap(false);
    // A window may fill thousands of cells in one handler: redraw once after it.
    auto pending = std::make_shared<bool>(false);
    QPointer<GridTableModel> guard(cells);
    model.watch([&model, w, guard, pending] {
        if (*pending)
            return;
        *pending = true;
        QTimer::singleShot(0, guard, [&model, w, guard, pending] {
            *pending = false;
            if (guard)
                refreshGrid(model, w, guard);
        });
    });
    connect(w->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [&model](int column) { model.clickHeading(column); });
    connect(w, &QTableView::clicked, this,
            [&model](const QModelIndex& cell) { model.click(cell.row() + 1, cell.column()); });
    connect(w, &QTableView::doubleClicked, this, [&model](const QModelIndex& cell) {
        model.doubleClick(cell.row() + 1, cell.column());
    });
    refreshGrid(model, w, cells);
}

void Binder::bind(Control& model, QWidget* w) {
    track(model, w);
}

void Binder::bind(MonthCalendar& model, QCalendarWidget* w) {
    track(model, w);
    // Day and month names are Thai whatever the system's language.
    w->setLocale(QLocale(QLocale::Thai, QLocale::Thailand));
    // Digits typed into an open calendar (a barcode scanned into it) would
    // open its date editor and pick a day of any year: the day is chosen with
    // the arrows and the month bar only.
    w->setDateEditEnabled(false);
    // Nor does the month bar's year reach a day the dd/mm/yyyy form cannot hold.
    w->setDateRange(QDate(1000, 1, 1), QDate(9999, 12, 31));
    // The keys reach the calendar's day table, which takes its focus.
    if (auto* days = w->findChild<QTableView*>()) {
        controls_.insert(days, &model);
        days->installEventFilter(this);
    }
    auto refresh = [&model, w] {
        showCommon(model, w);
        const QSignalBlocker block(w);
        if (model.value().isValid())
            w->setSelectedDate(model.value());
    };
    model.watch(refresh);
    connect(w, &QCalendarWidget::clicked, this, [&model](QDate d) { model.clickDate(d); });
    // The arrows move the day on screen; the model holds the day shown.
    connect(w, &QCalendarWidget::selectionChanged, this,
            [&model, w] { model.setValue(w->selectedDate()); });
    refresh();
}

bool Binder::eventFilter(QObject* watched, QEvent* event) {
    auto* w = qobject_cast<QWidget*>(watched);
    Control* model = controls_.value(w);
    if (!model)
        return false;
    if (event->type() == QEvent::FocusIn) {
        form_.followFocus(model);
        return false;
    }
    if (event->type() == QEvent::WindowActivate && w == focusOnActivation_) {
        // After the frame has handled the activation.
        QTimer::singleShot(0, w, [this, w] {
            // Unless the keys went on meanwhile, to the menu bar say.
            if (focusOnActivation_ == w && controls_.contains(QApplication::focusWidget()))
                w->setFocus(Qt::ActiveWindowFocusReason);
            focusOnActivation_ = nullptr;
        });
        return false;
    }
    if (event->type() == QEvent::KeyPress && controlKey(*model, w, static_cast<QKeyEvent*>(event)))
        return true;
    auto* line = qobject_cast<QLineEdit*>(w);
    if (!line)
        return false;
    return lineEditKey(static_cast<TextBox&>(*model), line, event);
}

bool Binder::controlKey(Control& model, QWidget* w, const QKeyEvent* e) {
    // An open pick list has the keys itself and closes on Escape: this one
    // reaches the window.
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        form_.escape();
        return true;
    }
    if (auto* button = qobject_cast<QPushButton*>(w))
        return buttonKey(button, e);
    // A calendar's days are a table view too, over a model of its own.
    if (auto* grid = qobject_cast<QTableView*>(w);
        grid && qobject_cast<GridTableModel*>(grid->model()))
        return gridKey(static_cast<Grid&>(model), grid, e);
    if (auto* list = qobject_cast<QListWidget*>(w))
        return listKey(static_cast<PickList&>(model), list, e);
    if (auto* calendar = qobject_cast<QCalendarWidget*>(w->parentWidget()))
        return calendarKey(static_cast<MonthCalendar&>(model), calendar, e);
    return false;
}

bool Binder::lineEditKey(TextBox& model, QLineEdit* w, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress: {
            auto* e = static_cast<QKeyEvent*>(event);
            if (e->key() == Qt::Key_Delete && e->modifiers() == Qt::NoModifier) {
                model.deleteForward();
                return true;
            }
            if (editsAround(e))
                return true;
            // F4 or Alt+Down opens what a double-click on the field opens.
            if (e->key() == Qt::Key_F4 ||
                (e->key() == Qt::Key_Down && e->modifiers() == Qt::AltModifier)) {
                model.doubleClick();
                return true;
            }
            const int code = keyAscii(e);
            if (code < 0)
                return false;  // caret movement: the line edit handles it
            if (code == key::kPaste)
                model.paste(QApplication::clipboard()->text());
            else {
                if (code == key::kCut || code == key::kCopy)
                    QApplication::clipboard()->setText(model.selText());
                model.typeKey(code);
            }
            return true;
        }
        case QEvent::InputMethod: {
            // Text committed by an input method arrives as typed characters.
            auto* e = static_cast<QInputMethodEvent*>(event);
            model.typeText(e->commitString());
            return true;
        }
        case QEvent::MouseButtonPress:
            return static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton) {
                // The X selection is pasted as Ctrl+V pastes the clipboard.
                if (QApplication::clipboard()->supportsSelection())
                    model.paste(QApplication::clipboard()->text(QClipboard::Selection));
                return true;
            }
            static_cast<QObject*>(w)->event(event);
            model.click();
            return true;
        case QEvent::MouseButtonDblClick:
            static_cast<QObject*>(w)->event(event);
            model.doubleClick();
            return true;
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
        case QEvent::ContextMenu:
            return true;
        default:
            return false;
    }
}

}  // namespace ui::qt
