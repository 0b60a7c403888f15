#include "issues/reg_journalView.h"

#include <QCalendarWidget>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTableView>

#include "ui/qt/Twips.h"

namespace issues {

namespace {

constexpr int kFieldHeight = 330;
constexpr int kLabelLeft = 240, kLabelWidth = 1300, kFieldLeft = 1620;
constexpr int kEntryTop = 360, kEntryStep = 420;
constexpr int kButtonLeft = 10560, kButtonWidth = 1560, kButtonHeight = 480;

}  // namespace

reg_journalView::reg_journalView(ui::Services& services, QWidget* parent)
    : FormView(parent), logic_(std::make_unique<reg_journal>(services)), binder_(*logic_) {
    reg_journal& f = *logic_;
    setWindowTitle(f.caption());
    setFixedSize(ui::qt::twipsSize(16800, 9120));

    auto* search = ui::qt::place<QGroupBox>(this, 120, 60, 10200, 840);
    binder_.bind(f.Frame1, search);
    auto* text1 = ui::qt::place<QLineEdit>(search, 240, 360, 6600, 360);
    binder_.bind(f.Text1, text1);
    binder_.bind(f.Command1, ui::qt::place<QPushButton>(search, 7080, 300, 1380, 420));
    binder_.bind(f.Command8, ui::qt::place<QPushButton>(search, 8640, 300, 1380, 420));

    auto* titles = ui::qt::place<QGroupBox>(this, 120, 1020, 5520, 3480);
    binder_.bind(f.Frame2, titles);
    binder_.bind(f.show_journal, ui::qt::place<QTableView>(titles, 120, 300, 5280, 3060));
    auto* items = ui::qt::place<QGroupBox>(this, 5760, 1020, 4560, 3480);
    binder_.bind(f.Frame3, items);
    binder_.bind(f.show_item, ui::qt::place<QTableView>(items, 120, 300, 4320, 3060));

    auto* entry = ui::qt::place<QGroupBox>(this, 120, 4620, 10200, 3360);
    binder_.bind(f.Frame4, entry);
    struct Line {
        ui::Label& label;
        ui::TextBox& field;
        int width;
    };
    const Line lines[] = {{f.Label2, f.Text2, 1400}, {f.Label3, f.Text3, 1400},
                          {f.Label4, f.Text4, 1400}, {f.Label5, f.Text5, 1400},
                          {f.Label6, f.Text6, 4500}, {f.Label8, f.Text7, 1400}};
    QLineEdit* fields[6];
    for (int i = 0; i < 6; ++i) {
        const int top = kEntryTop + i * kEntryStep;
        binder_.bind(lines[i].label,
                     ui::qt::place<QLabel>(entry, kLabelLeft, top + 20, kLabelWidth, kFieldHeight));
        fields[i] = ui::qt::place<QLineEdit>(entry, kFieldLeft, top, lines[i].width, kFieldHeight);
        binder_.bind(lines[i].field, fields[i]);
    }
    const int besideField = kFieldLeft + 1400 + 60;
    auto* command9 =
        ui::qt::place<QPushButton>(entry, besideField, kEntryTop + kEntryStep, 420, 330);
    binder_.bind(f.Command9, command9);
    auto* command10 =
        ui::qt::place<QPushButton>(entry, besideField, kEntryTop + 5 * kEntryStep, 420, 330);
    binder_.bind(f.Command10, command10);
    for (ui::MonthCalendar* cal : {&f.MonthView1, &f.MonthView2}) {
        auto* w = ui::qt::place<QCalendarWidget>(entry, 6240, 240, 3840, 3000);
        w->setGridVisible(true);
        binder_.bind(*cal, w);
    }

    auto* expected = ui::qt::place<QGroupBox>(this, 12300, 1020, 4380, 7920);
    binder_.bind(f.expectedFrame, expected);
    binder_.bind(f.expectedList, ui::qt::place<QTableView>(expected, 120, 300, 4140, 6420));
    // A title with many gaps has a long statement: it scrolls rather than
    // losing its last lines under the frame.
    auto* heldArea = ui::qt::place<QScrollArea>(expected, 120, 6780, 4140, 1080);
    heldArea->setFrameShape(QFrame::NoFrame);
    heldArea->setFocusPolicy(Qt::NoFocus);
    heldArea->setWidgetResizable(true);
    heldArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* held = new QLabel;
    held->setWordWrap(true);
    held->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    heldArea->setWidget(held);
    binder_.bind(f.holdingsLabel, held);

    auto* latest = ui::qt::place<QGroupBox>(this, 120, 8100, 10200, 840);
    binder_.bind(f.Frame5, latest);
    binder_.bind(f.Label1, ui::qt::place<QLabel>(latest, 240, 360, 9780, kFieldHeight));

    ui::CommandButton* column[] = {&f.Command2, &f.Command3, &f.Command6,
                                   &f.Command7, &f.Command4, &f.Command5};
    QPushButton* buttons[6];
    for (int i = 0; i < 6; ++i) {
        buttons[i] = ui::qt::place<QPushButton>(this, kButtonLeft, 1140 + i * 600, kButtonWidth,
                                                kButtonHeight);
        binder_.bind(*column[i], buttons[i]);
    }
    binder_.bind(f.articlesButton, ui::qt::place<QPushButton>(this, kButtonLeft, 1140 + 6 * 600,
                                                              kButtonWidth, kButtonHeight));

    // An entry runs: issue date, year, issue number, description, date
    // received, save.
    QWidget* order[] = {text1,     command9,  fields[2],  fields[3],
                        fields[4], command10, buttons[3], buttons[4]};
    for (int i = 0; i + 1 < int(std::size(order)); ++i)
        setTabOrder(order[i], order[i + 1]);

    f.onUnload = [this] { closeWindow(); };
}

reg_journalView::~reg_journalView() = default;

bool reg_journalView::load() {
    return logic_->Form_Load();
}

}  // namespace issues
