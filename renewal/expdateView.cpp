#include "renewal/expdateView.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

#include "ui/qt/Twips.h"

namespace renewal {

namespace {

constexpr int kFieldHeight = 330;
constexpr int kLabelLeft = 240, kLabelWidth = 1800, kFieldLeft = 2160;
constexpr int kDetailTop = 5040, kDetailStep = 420;

}  // namespace

expdateView::expdateView(ui::Services& services, QWidget* parent)
    : FormView(parent), logic_(std::make_unique<expdate>(services)), binder_(*logic_) {
    expdate& f = *logic_;
    setWindowTitle(f.caption());
    setFixedSize(ui::qt::twipsSize(11820, 8820));

    auto* frame = ui::qt::place<QGroupBox>(this, 240, 60, 3120, 900);
    binder_.bind(f.Frame2, frame);
    binder_.bind(f.Option1, ui::qt::place<QRadioButton>(frame, 240, 400, 1200, 330));
    binder_.bind(f.Option2, ui::qt::place<QRadioButton>(frame, 1500, 400, 1500, 330));

    binder_.bind(f.Label1, ui::qt::place<QLabel>(this, 3600, 420, 600, kFieldHeight));
    binder_.bind(f.Text1, ui::qt::place<QLineEdit>(this, 4200, 400, 1400, kFieldHeight));
    binder_.bind(f.Label2, ui::qt::place<QLabel>(this, 5760, 420, 840, kFieldHeight));
    binder_.bind(f.Text2, ui::qt::place<QLineEdit>(this, 6600, 400, 1400, kFieldHeight));
    binder_.bind(f.Command1, ui::qt::place<QPushButton>(this, 8280, 360, 1020, 420));
    binder_.bind(f.Command2, ui::qt::place<QPushButton>(this, 9420, 360, 1020, 420));
    binder_.bind(f.Command3, ui::qt::place<QPushButton>(this, 10560, 360, 1020, 420));

    binder_.bind(f.showjour, ui::qt::place<QTableView>(this, 240, 1140, 11295, 3720));

    struct Detail {
        ui::Label& label;
        int width;
    };
    const Detail details[] = {{f.Label3, 6300}, {f.Label10, 6300}, {f.Label4, 6300},
                              {f.Label5, 1800}, {f.Label7, 2700},  {f.Label6, 1800},
                              {f.Label8, 1500}, {f.Label9, 1500}};
    constexpr int kCombo = 4;
    QWidget* fields[std::size(details)];
    for (int i = 0; i < int(std::size(details)); ++i) {
        const int top = kDetailTop + i * kDetailStep;
        binder_.bind(details[i].label,
                     ui::qt::place<QLabel>(this, kLabelLeft, top + 20, kLabelWidth, kFieldHeight));
        fields[i] = i == kCombo ? static_cast<QWidget*>(ui::qt::place<QComboBox>(
                                      this, kFieldLeft, top, details[i].width, 360))
                                : ui::qt::place<QLineEdit>(this, kFieldLeft, top, details[i].width,
                                                           kFieldHeight);
    }
    binder_.bind(f.Text3, static_cast<QLineEdit*>(fields[0]));
    binder_.bind(f.Text9, static_cast<QLineEdit*>(fields[1]));
    binder_.bind(f.Text4, static_cast<QLineEdit*>(fields[2]));
    binder_.bind(f.Text5, static_cast<QLineEdit*>(fields[3]));
    binder_.bind(f.DataCombo1, static_cast<QComboBox*>(fields[kCombo]));
    binder_.bind(f.Text6, static_cast<QLineEdit*>(fields[5]));
    binder_.bind(f.Text7, static_cast<QLineEdit*>(fields[6]));
    binder_.bind(f.Text8, static_cast<QLineEdit*>(fields[7]));

    auto* print = ui::qt::place<QPushButton>(this, 9000, kDetailTop, 1500, 480);
    binder_.bind(f.Cmdprint, print);
    auto* edit = ui::qt::place<QPushButton>(this, 9000, kDetailTop + 720, 1500, 480);
    binder_.bind(f.cmdedit, edit);
    auto* save = ui::qt::place<QPushButton>(this, 9000, kDetailTop + 1440, 1500, 480);
    binder_.bind(f.cmdsave, save);
    // A renewal ends at its expiry date, then Save; printing is not the next step.
    setTabOrder(fields[7], save);
    setTabOrder(save, print);
    setTabOrder(print, edit);

    f.onUnload = [this] { closeWindow(); };
}

expdateView::~expdateView() = default;

bool expdateView::load() {
    return logic_->Form_Load();
}

}  // namespace renewal
