#include "patterns/PatternWindowView.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

#include "ui/qt/Twips.h"

namespace patterns {

using ui::qt::place;

namespace {

constexpr int kRowHeight = 360, kStep = 450;

}  // namespace

PatternWindowView::PatternWindowView(ui::Services& services, QWidget* parent)
    : FormView(parent), logic_(std::make_unique<PatternWindow>(services)), binder_(*logic_) {
    PatternWindow& f = *logic_;
    setObjectName(QStringLiteral("PatternWindow"));
    setWindowTitle(f.caption());
    setFixedSize(ui::qt::twipsSize(11400, 8400));

    binder_.bind(f.titleLabel, place<QLabel>(this, 240, 120, 10900, kRowHeight));
    // Two columns of label and field.
    struct Field {
        int column, row;
        ui::Label& label;
        ui::TextBox& box;
        int width;
    };
    const Field fields[] = {
        {0, 1, f.everyDaysLabel, f.everyDaysText, 900},
        {0, 2, f.knownDateLabel, f.knownDateText, 1500},
        {0, 3, f.knownVolumeLabel, f.knownVolumeText, 900},
        {0, 4, f.knownIssueLabel, f.knownIssueText, 900},
        {0, 5, f.issuesPerVolumeLabel, f.issuesPerVolumeText, 900},
        {1, 1, f.leadDaysLabel, f.leadDaysText, 900},
        {1, 2, f.graceDaysLabel, f.graceDaysText, 900},
        {1, 3, f.omittedLabel, f.omittedMonthsText, 1800},
        {1, 4, f.combinedLabel, f.combinedIssuesText, 1800},
    };
    for (const Field& d : fields) {
        const int left = d.column == 0 ? 240 : 5760, top = 600 + d.row * kStep;
        binder_.bind(d.label, place<QLabel>(this, left, top + 20, 2700, kRowHeight));
        binder_.bind(d.box, place<QLineEdit>(this, left + 2760, top, d.width, kRowHeight));
    }
    binder_.bind(f.frequencyLabel, place<QLabel>(this, 240, 620, 2700, kRowHeight));
    binder_.bind(f.frequencyList, place<QComboBox>(this, 3000, 600, 2600, kRowHeight));
    binder_.bind(f.volumeStartLabel, place<QLabel>(this, 5760, 620, 2700, kRowHeight));
    binder_.bind(f.volumeStartList, place<QComboBox>(this, 8520, 600, 2600, kRowHeight));

    const int optionsTop = 600 + 6 * kStep;
    binder_.bind(f.restartOption, place<QRadioButton>(this, 240, optionsTop, 2700, kRowHeight));
    binder_.bind(f.runOnOption, place<QRadioButton>(this, 3000, optionsTop, 2600, kRowHeight));
    binder_.bind(f.buddhistOption, place<QRadioButton>(this, 5760, optionsTop, 2600, kRowHeight));
    binder_.bind(f.christianOption, place<QRadioButton>(this, 8520, optionsTop, 2600, kRowHeight));
    binder_.bind(f.publishingOption,
                 place<QRadioButton>(this, 5760, 600 + 5 * kStep, 2600, kRowHeight));
    binder_.bind(f.ceasedOption,
                 place<QRadioButton>(this, 8520, 600 + 5 * kStep, 2600, kRowHeight));

    binder_.bind(f.problemLabel, place<QLabel>(this, 240, optionsTop + kStep, 10900, kRowHeight));
    binder_.bind(f.previewGrid, place<QTableView>(this, 240, optionsTop + 2 * kStep, 10900, 3400));
    const int buttonsTop = 7800;
    binder_.bind(f.proposalsButton, place<QPushButton>(this, 240, buttonsTop, 2900, 480));
    binder_.bind(f.saveButton, place<QPushButton>(this, 6240, buttonsTop, 1500, 480));
    binder_.bind(f.removeButton, place<QPushButton>(this, 7860, buttonsTop, 1800, 480));
    binder_.bind(f.closeButton, place<QPushButton>(this, 9780, buttonsTop, 1340, 480));

    f.onUnload = [this] { closeWindow(); };
}

PatternWindowView::~PatternWindowView() = default;

bool PatternWindowView::load() {
    return logic_->Form_Load();
}

}  // namespace patterns
