#include "publishers/AdddealerView.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/qt/Twips.h"

namespace publishers {

AdddealerView::AdddealerView(ui::Services& services, QWidget* parent)
    : FormView(parent), logic_(std::make_unique<Adddealer>(services)), binder_(*logic_) {
    Adddealer& f = *logic_;
    setWindowTitle(f.caption());
    setFixedSize(ui::qt::twipsSize(Adddealer::kClientWidth, Adddealer::kClientHeight));

    struct Line {
        ui::Label& label;
        ui::TextBox& field;
        int width;
    };
    const Line lines[] = {{f.Label1, f.Text1, 1200},
                          {f.Label2, f.Text2, 6135},
                          {f.Label3, f.Text3, 6135},
                          {f.Label4, f.Text4, 6135},
                          {f.Label5, f.Text5, 3600}};
    QLineEdit* fields[5];
    for (int i = 0; i < 5; ++i) {
        const int top = 180 + i * 480;
        binder_.bind(lines[i].label, ui::qt::place<QLabel>(this, 240, top, 1680, 360));
        fields[i] = ui::qt::place<QLineEdit>(this, 1980, top, lines[i].width, 360);
        binder_.bind(lines[i].field, fields[i]);
    }
    auto* save = ui::qt::place<QPushButton>(this, 5040, 2700, 1440, 480);
    auto* cancel = ui::qt::place<QPushButton>(this, 6660, 2700, 1440, 480);
    binder_.bind(f.Command1, save);
    binder_.bind(f.Command2, cancel);

    // The name comes first; the code, seldom changed, after the save button.
    setTabOrder(fields[1], fields[2]);
    setTabOrder(fields[2], fields[3]);
    setTabOrder(fields[3], fields[4]);
    setTabOrder(fields[4], save);
    setTabOrder(save, fields[0]);
    setTabOrder(fields[0], cancel);

    f.onUnload = [this] { closeWindow(); };
}

AdddealerView::~AdddealerView() = default;

bool AdddealerView::load() {
    return logic_->Form_Load();
}

}  // namespace publishers
