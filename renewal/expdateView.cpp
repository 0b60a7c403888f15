#include "renewal/expdateView.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include "ui/qt/Twips.h"

namespace renewal {

namespace {

constexpr int kFieldHeight = 330;
constexpr int kLabelLeft = 240, kLabelWidth = 1800, kFieldLeft = 2160;
constexpr int kDetailTop = 5040, kDetailStep = 420;

template <typename W>
W* place(QWidget* parent, int left, int top, int width, int height) {
    auto* w = new W(parent);
    w->setGeometry(ui::qt::twipsRect(left, top, width, height));
    return w;
}

}  // namespace

expdateView::expdateView(ui::Services& services, QWidget* parent)
    : FormView(parent), logic_(std::make_unique<expdate>(services)), binder_(*logic_) {
    expdate& f = *logic_;
    setWindowTitle(f.caption());
    setFixedSize(ui::qt::twipsSize(11820, 8400));

    auto* frame = place<QGroupBox>(this, 240, 60, 3120, 900);
    binder_.bind(f.Frame2, frame);
    binder_.bind(f.Option1, place<QRadioButton>(frame, 240, 400, 1200, 330));
    binder_.bind(f.Option2, place<QRadioButton>(frame, 1500, 400, 1500, 330));

    binder_.bind(f.Label1, place<QLabel>(this, 3600, 420, 600, kFieldHeight));
    binder_.bind(f.Text1, place<QLineEdit>(this, 4200, 400, 1400, kFieldHeight));
    binder_.bind(f.Label2, place<QLabel>(this, 5760, 420, 840, kFieldHeight));
    binder_.bind(f.Text2, place<QLineEdit>(this, 6600, 400, 1400, kFieldHeight));
    binder_.bind(f.Command1, place<QPushButton>(this, 8280, 360, 1020, 420));
    binder_.bind(f.Command2, place<QPushButton>(this, 9420, 360, 1020, 420));
    binder_.bind(f.Command3, place<QPushButton>(this, 10560, 360, 1020, 420));

    binder_.bind(f.showjour, place<QTableWidget>(this, 240, 1140, 11295, 3720));

    struct Detail {
        ui::Label& label;
        int width;
    };
    const Detail details[] = {{f.Label3, 6300}, {f.Label4, 6300}, {f.Label5, 1800},
                              {f.Label7, 2700}, {f.Label6, 1800}, {f.Label8, 1500},
                              {f.Label9, 1500}};
    QWidget* fields[7];
    for (int i = 0; i < 7; ++i) {
        const int top = kDetailTop + i * kDetailStep;
        binder_.bind(details[i].label,
                     place<QLabel>(this, kLabelLeft, top + 20, kLabelWidth, kFieldHeight));
        fields[i] = i == 3
                        ? static_cast<QWidget*>(
                              place<QComboBox>(this, kFieldLeft, top, details[i].width, 360))
                        : place<QLineEdit>(this, kFieldLeft, top, details[i].width, kFieldHeight);
    }
    binder_.bind(f.Text3, static_cast<QLineEdit*>(fields[0]));
    binder_.bind(f.Text4, static_cast<QLineEdit*>(fields[1]));
    binder_.bind(f.Text5, static_cast<QLineEdit*>(fields[2]));
    binder_.bind(f.DataCombo1, static_cast<QComboBox*>(fields[3]));
    binder_.bind(f.Text6, static_cast<QLineEdit*>(fields[4]));
    binder_.bind(f.Text7, static_cast<QLineEdit*>(fields[5]));
    binder_.bind(f.Text8, static_cast<QLineEdit*>(fields[6]));

    binder_.bind(f.Cmdprint, place<QPushButton>(this, 9000, kDetailTop, 1500, 480));
    binder_.bind(f.cmdedit, place<QPushButton>(this, 9000, kDetailTop + 720, 1500, 480));
    binder_.bind(f.cmdsave, place<QPushButton>(this, 9000, kDetailTop + 1440, 1500, 480));

    f.onUnload = [this] { closeWindow(); };
}

expdateView::~expdateView() = default;

bool expdateView::load() {
    return logic_->Form_Load();
}

}  // namespace renewal
