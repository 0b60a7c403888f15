#include "catalogue/NewJournalView.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "ui/qt/Twips.h"

namespace catalogue {

using ui::qt::twipsRect;

namespace {

// Field rows are given by their top in twips; labels sit left of the field.
constexpr int kRowHeight = 360;
constexpr int kLabelLeft = 150, kFieldLeft = 2500;

// A locked field still shows what it holds: dark text on the grey background.
void readableWhenDisabled(QWidget* w) {
    QPalette pal = w->palette();
    for (auto role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
        pal.setColor(QPalette::Disabled, role, QColor(64, 64, 64));
    w->setPalette(pal);
}

QLabel* label(const QString& caption, QWidget* parent, int left, int top, int width) {
    auto* l = new QLabel(caption, parent);
    l->setGeometry(twipsRect(left, top, width, kRowHeight));
    return l;
}

}  // namespace

NewJournalView::NewJournalView(ui::Services& services, QWidget* parent)
    : FormView(parent), logic_(std::make_unique<NewJournal>(services)), binder_(*logic_) {
    setObjectName(QStringLiteral("NewJournal"));
    setWindowTitle(logic_->caption());
    setFixedSize(ui::qt::twipsSize(11880, 8430));
    buildHeader();
    buildButtons();
    logic_->onUnload = [this] { closeWindow(); };
}

NewJournalView::~NewJournalView() = default;

bool NewJournalView::load() {
    return logic_->Form_Load();
}

QLineEdit* NewJournalView::line(ui::TextBox& model, QWidget* parent, const QRect& at) {
    auto* w = new QLineEdit(parent);
    w->setObjectName(model.name());
    readableWhenDisabled(w);
    w->setGeometry(at);
    binder_.bind(model, w);
    return w;
}

QComboBox* NewJournalView::combo(ui::PickList& model, QWidget* parent, const QRect& at,
                                 bool editable) {
    auto* w = new QComboBox(parent);
    w->setObjectName(model.name());
    readableWhenDisabled(w);
    w->setEditable(editable);
    w->setGeometry(at);
    binder_.bind(model, w);
    return w;
}

QListWidget* NewJournalView::list(ui::PickList& model, QWidget* parent, const QRect& at) {
    auto* w = new QListWidget(parent);
    w->setObjectName(model.name());
    readableWhenDisabled(w);
    w->setGeometry(at);
    binder_.bind(model, w);
    return w;
}

void NewJournalView::buildHeader() {
    NewJournal& l = *logic_;
    auto* header = new QGroupBox(this);
    header->setGeometry(twipsRect(120, 60, 9600, 1800));
    label(QStringLiteral("เลขทะเบียน"), header, 200, 200, 1100);
    line(l.Text1, header, twipsRect(1350, 200, 1300, kRowHeight));

    auto* kind = new QGroupBox(header);
    kind->setObjectName(l.Frame1.name());
    kind->setGeometry(twipsRect(200, 800, 3300, 800));
    binder_.bind(l.Frame1, kind);
    for (auto [option, left, width] :
         {std::tuple{&l.opt1, 150, 1300}, std::tuple{&l.opt2, 1550, 1650}}) {
        auto* w = new QRadioButton(kind);
        w->setObjectName(option->name());
        w->setGeometry(twipsRect(left, 300, width, kRowHeight));
        binder_.bind(*option, w);
    }

    label(QStringLiteral("ชนิด"), header, 4000, 200, 700);
    list(l.dlbtypemag, header, twipsRect(4800, 120, 4650, 1600));

    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(l.SSTab1.name());
    tabs->setGeometry(twipsRect(120, 1980, 9600, 6330));
    auto* first = new QWidget;
    auto* second = new QWidget;
    tabs->addTab(first, l.SSTab1.captions().at(0));
    tabs->addTab(second, l.SSTab1.captions().at(1));
    buildTitlePage(first);
    buildSubscriptionPage(second);
    binder_.bind(l.SSTab1, tabs);
}

void NewJournalView::buildTitlePage(QWidget* page) {
    NewJournal& l = *logic_;
    constexpr int kWide = 6800;
    const std::tuple<const char16_t*, ui::TextBox*, int> names[] = {
        {u"ชื่อวารสาร/หนังสือพิมพ์", &l.Text2, 250},
        {u"ชื่อเทียบเคียง", &l.Text3, 730},
        {u"ชื่อเดิม", &l.Text4, 1210},
        {u"ชื่อย่อ", &l.Text5, 1690}};
    for (const auto& [caption, field, top] : names) {
        label(QString::fromUtf16(caption), page, kLabelLeft, top, 2300);
        line(*field, page, twipsRect(kFieldLeft, top, kWide, kRowHeight));
    }

    auto* rule = new QFrame(page);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(twipsRect(kLabelLeft, 2200, 9150, 60));

    label(QStringLiteral("วันที่เริ่มบอกรับ"), page, kLabelLeft, 2450, 2300);
    line(l.Mask1, page, twipsRect(kFieldLeft, 2450, 1500, kRowHeight));
    label(QStringLiteral("ISSN"), page, 5300, 2450, 900);
    line(l.Mask2, page, twipsRect(6300, 2450, 1500, kRowHeight));

    label(QStringLiteral("ภาษา"), page, kLabelLeft, 2930, 2300);
    combo(l.dcblanguage, page, twipsRect(kFieldLeft, 2930, 2600, kRowHeight));
    label(QStringLiteral("กำหนดออก"), page, 5300, 2930, 1000);
    combo(l.dcbmagtype, page, twipsRect(6300, 2930, 3000, kRowHeight));

    label(QStringLiteral("จำนวนเล่ม/Volume"), page, kLabelLeft, 3410, 2300);
    line(l.Text8, page, twipsRect(kFieldLeft, 3410, 1500, kRowHeight));
    label(QStringLiteral("จำนวนVolume/ปี"), page, 4600, 3410, 1650);
    line(l.Text9, page, twipsRect(6300, 3410, 1500, kRowHeight));

    label(QStringLiteral("ผู้จัดพิมพ์"), page, kLabelLeft, 3890, 2300);
    line(l.Text10, page, twipsRect(kFieldLeft, 3890, kWide, kRowHeight));
    line(l.Text6, page, twipsRect(kFieldLeft, 4370, 1500, kRowHeight));

    // The hidden lists lie over the fields they stand for while shown.
    list(l.dlbnamemag, page, twipsRect(kFieldLeft, 250, kWide, 3400))->raise();
    list(l.dlbdeler, page, twipsRect(kFieldLeft, 3890, kWide, 1800))->raise();
}

void NewJournalView::buildSubscriptionPage(QWidget* page) {
    NewJournal& l = *logic_;
    label(QStringLiteral("คณะ/หน่วยงานที่บอกรับ"), page, kLabelLeft, 250, 2300);
    combo(l.dcbdepart, page, twipsRect(kFieldLeft, 250, 4200, kRowHeight));
    label(QStringLiteral("สถานภาพการบอกรับ"), page, kLabelLeft, 730, 2300);
    combo(l.dcbrecei, page, twipsRect(kFieldLeft, 730, 3000, kRowHeight));
    label(QStringLiteral("จำนวน Copy/ปี"), page, kLabelLeft, 1210, 2300);
    line(l.Text7, page, twipsRect(kFieldLeft, 1210, 1300, kRowHeight));

    label(QStringLiteral("ค่าสมาชิก/ปี"), page, kLabelLeft, 1690, 2300);
    line(l.Text11, page, twipsRect(kFieldLeft, 1690, 1300, kRowHeight));
    label(QStringLiteral("สกุลเงิน"), page, 3950, 1690, 900);
    combo(l.dcbcurren, page, twipsRect(4850, 1690, 2100, kRowHeight));
    label(QStringLiteral("อัตรา"), page, 7100, 1690, 700);
    line(l.Text12, page, twipsRect(7800, 1690, 1400, kRowHeight));

    label(QStringLiteral("วันที่เริ่มบอกรับ"), page, kLabelLeft, 2170, 2300);
    line(l.Mask3, page, twipsRect(kFieldLeft, 2170, 1500, kRowHeight));
    label(QStringLiteral("วันครบอายุ"), page, 4300, 2170, 1300);
    line(l.Mask4, page, twipsRect(5600, 2170, 1500, kRowHeight));
    label(QStringLiteral("วันที่สั่งซื้อครั้งสุดท้าย"), page, kLabelLeft, 2650, 2300);
    line(l.Mask5, page, twipsRect(kFieldLeft, 2650, 1500, kRowHeight));

    label(QStringLiteral("ตัวแทน/ร้านค้า"), page, kLabelLeft, 3130, 2300);
    line(l.Text14, page, twipsRect(kFieldLeft, 3130, 6800, kRowHeight));
    line(l.Text13, page, twipsRect(kFieldLeft, 3610, 1500, kRowHeight));

    label(QStringLiteral("สถานภาพสมาชิก"), page, kLabelLeft, 3610, 2300);
    combo(l.dcbstatus, page, twipsRect(kFieldLeft, 3610, 3000, kRowHeight));
    label(QStringLiteral("สถานภาพวารสาร"), page, kLabelLeft, 4090, 2300);
    combo(l.dcbbindsta, page, twipsRect(kFieldLeft, 4090, 3000, kRowHeight));
    label(QStringLiteral("สีปก"), page, kLabelLeft, 4570, 2300);
    combo(l.dcbbindco, page, twipsRect(kFieldLeft, 4570, 2400, kRowHeight));
    dealers_ = combo(l.dcbdeler1, page, twipsRect(5100, 4570, 4200, kRowHeight), true);
    dealers_->installEventFilter(this);
    dealers_->lineEdit()->installEventFilter(this);

    list(l.dlbdeler1, page, twipsRect(kFieldLeft, 2170, 6000, 1300))->raise();
}

bool NewJournalView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress &&
        (watched == dealers_ || watched == dealers_->lineEdit()))
        logic_->dcbdeler1_Click();
    return FormView::eventFilter(watched, event);
}

void NewJournalView::buildButtons() {
    NewJournal& l = *logic_;
    int top = 2100;
    for (ui::CommandButton* button :
         {&l.Cmdadd, &l.Cmdedit, &l.Cmddel, &l.Cmdsave, &l.Cmdcancle, &l.Command6}) {
        auto* w = new QPushButton(this);
        w->setObjectName(button->name());
        w->setGeometry(twipsRect(9900, top, 1860, 600));
        binder_.bind(*button, w);
        top += 720;
    }
}

}  // namespace catalogue
