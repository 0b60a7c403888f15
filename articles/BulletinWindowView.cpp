#include "articles/BulletinWindowView.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "ui/qt/SaveFileDialog.h"
#include "ui/qt/Twips.h"

namespace articles {

using ui::qt::place;

BulletinWindowView::BulletinWindowView(ui::Services& services, QWidget* parent)
    : FormView(parent), logic_(std::make_unique<BulletinWindow>(services)), binder_(*logic_) {
    BulletinWindow& f = *logic_;
    setObjectName(QStringLiteral("BulletinWindow"));
    setWindowTitle(f.caption());
    setFixedSize(ui::qt::twipsSize(7800, 2400));
    binder_.bind(f.fromLabel, place<QLabel>(this, 120, 150, 1900, 330));
    binder_.bind(f.fromText, place<QLineEdit>(this, 2040, 120, 1400, 330));
    binder_.bind(f.toLabel, place<QLabel>(this, 3600, 150, 900, 330));
    binder_.bind(f.toText, place<QLineEdit>(this, 4500, 120, 1400, 330));
    binder_.bind(f.withAbstractOption, place<QRadioButton>(this, 120, 600, 2400, 330));
    binder_.bind(f.citationOnlyOption, place<QRadioButton>(this, 2640, 600, 2400, 330));
    binder_.bind(f.printButton, place<QPushButton>(this, 120, 1200, 1300, 480));
    binder_.bind(f.pdfButton, place<QPushButton>(this, 1500, 1200, 1500, 480));
    binder_.bind(f.risButton, place<QPushButton>(this, 3080, 1200, 1500, 480));
    binder_.bind(f.csvButton, place<QPushButton>(this, 4660, 1200, 1500, 480));
    binder_.bind(f.closeButton, place<QPushButton>(this, 6240, 1200, 1440, 480));
    f.askPath = [this](const QString& proposed, BulletinWindow::Output kind) {
        const bool ris = kind == BulletinWindow::Output::Ris;
        return ui::qt::askSaveFile(this, QStringLiteral("บันทึกวารสารดรรชนี"), proposed,
                                   ris ? QStringLiteral("ไฟล์ RIS") : QStringLiteral("ไฟล์ CSV"),
                                   ris ? QStringLiteral("ris") : QStringLiteral("csv"));
    };
    f.onUnload = [this] { closeWindow(); };
}

BulletinWindowView::~BulletinWindowView() = default;

bool BulletinWindowView::load() {
    return logic_->Form_Load();
}

}  // namespace articles
