#include "catalogue/NewJournalView.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTabWidget>

#include "ui/qt/Twips.h"

namespace catalogue {

using ui::qt::place;

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
    auto* l = place<QLabel>(parent, left, top, width, kRowHeight);
    l->setText(caption);
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
    logic_->onBeep = [] { QApplication::beep(); };
    // Ctrl+PageDown and Ctrl+PageUp turn the pages, wherever the keys are.
    for (auto [keys, step] :
         {std::pair{Qt::CTRL | Qt::Key_PageDown, 1}, std::pair{Qt::CTRL | Qt::Key_PageUp, -1}}) {
        auto* turn = new QShortcut(QKeySequence(keys), this);
        turn->setContext(Qt::WidgetWithChildrenShortcut);
        connect(turn, &QShortcut::activated, this, [this, step = step] {
            turnTo((tabs_->currentIndex() + step + tabs_->count()) % tabs_->count());
        });
    }
}

NewJournalView::~NewJournalView() {
    for (QListWidget* list : {names_, publishers_, agents_})
        list->removeEventFilter(this);
}

namespace {

bool takesTab(const QWidget* w, const QWidget* page) {
    return w->isVisibleTo(page) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus);
}

// The fields of a page that Tab stops at, in Tab order.
QList<QWidget*> tabStops(QWidget* page) {
    QList<QWidget*> stops;
    for (QWidget* w = page->nextInFocusChain(); w != page; w = w->nextInFocusChain())
        if (page->isAncestorOf(w) && takesTab(w, page))
            stops << w;
    return stops;
}

}  // namespace

void NewJournalView::turnTo(int page, bool first) {
    logic_->SSTab1.click(page);
    const QList<QWidget*> stops = tabStops(tabs_->widget(page));
    if (!stops.isEmpty())
        (first ? stops.first() : stops.last())->setFocus(Qt::TabFocusReason);
}

bool NewJournalView::focusNextPrevChild(bool next) {
    const int page = tabs_->currentIndex();
    const int other = next ? page + 1 : page - 1;
    QWidget* focused = focusWidget();
    if (focused && other >= 0 && other < tabs_->count()) {
        const QList<QWidget*> here = tabStops(tabs_->widget(page));
        const QList<QWidget*> there = tabStops(tabs_->widget(other));
        if (!here.isEmpty() && !there.isEmpty() && focused == (next ? here.last() : here.first())) {
            turnTo(other, next);
            return true;
        }
    }
    return FormView::focusNextPrevChild(next);
}

bool NewJournalView::load() {
    return logic_->Form_Load();
}

QLineEdit* NewJournalView::line(ui::TextBox& model, QWidget* parent, int left, int top, int width) {
    auto* w = place<QLineEdit>(parent, left, top, width, kRowHeight);
    w->setObjectName(model.name());
    readableWhenDisabled(w);
    binder_.bind(model, w);
    return w;
}

QComboBox* NewJournalView::combo(ui::PickList& model, QWidget* parent, int left, int top, int width,
                                 bool editable) {
    auto* w = place<QComboBox>(parent, left, top, width, kRowHeight);
    w->setObjectName(model.name());
    readableWhenDisabled(w);
    w->setEditable(editable);
    binder_.bind(model, w);
    return w;
}

QListWidget* NewJournalView::list(ui::PickList& model, QWidget* parent, int left, int top,
                                  int width, int height) {
    auto* w = place<QListWidget>(parent, left, top, width, height);
    w->setObjectName(model.name());
    readableWhenDisabled(w);
    // One line per row: a search listing thousands of Thai names is laid out
    // without measuring each of them.
    w->setUniformItemSizes(true);
    binder_.bind(model, w);
    return w;
}

void NewJournalView::buildHeader() {
    NewJournal& l = *logic_;
    auto* header = place<QGroupBox>(this, 120, 60, 9600, 1800);
    label(QStringLiteral("เลขทะเบียน"), header, 200, 200, 1100);
    line(l.Text1, header, 1350, 200, 1300);

    auto* kind = place<QGroupBox>(header, 200, 800, 3300, 800);
    kind->setObjectName(l.Frame1.name());
    binder_.bind(l.Frame1, kind);
    for (auto [option, left, width] :
         {std::tuple{&l.opt1, 150, 1300}, std::tuple{&l.opt2, 1550, 1650}}) {
        auto* w = place<QRadioButton>(kind, left, 300, width, kRowHeight);
        w->setObjectName(option->name());
        binder_.bind(*option, w);
    }

    label(QStringLiteral("ชนิด"), header, 4000, 200, 700);
    list(l.dlbtypemag, header, 4800, 120, 4650, 1600);

    auto* tabs = tabs_ = place<QTabWidget>(this, 120, 1980, 9600, 6330);
    tabs->setObjectName(l.SSTab1.name());
    auto* first = new QWidget;
    auto* second = new QWidget;
    // A click on a page's background takes the focus, so an open result list
    // learns that the user went elsewhere.
    for (QWidget* clickable : {static_cast<QWidget*>(header), first, second})
        clickable->setFocusPolicy(Qt::ClickFocus);
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
        line(*field, page, kFieldLeft, top, kWide);
    }

    auto* rule = place<QFrame>(page, kLabelLeft, 2200, 9150, 60);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    label(QStringLiteral("วันที่เริ่มบอกรับ"), page, kLabelLeft, 2450, 2300);
    line(l.Mask1, page, kFieldLeft, 2450, 1500);
    label(QStringLiteral("ISSN"), page, 5300, 2450, 900);
    line(l.Mask2, page, 6300, 2450, 1500);

    label(QStringLiteral("ภาษา"), page, kLabelLeft, 2930, 2300);
    combo(l.dcblanguage, page, kFieldLeft, 2930, 2600);
    label(QStringLiteral("กำหนดออก"), page, 5300, 2930, 1000);
    combo(l.dcbmagtype, page, 6300, 2930, 3000);

    label(QStringLiteral("จำนวนเล่ม/Volume"), page, kLabelLeft, 3410, 2300);
    line(l.Text8, page, kFieldLeft, 3410, 1500);
    label(QStringLiteral("จำนวนVolume/ปี"), page, 4600, 3410, 1650);
    line(l.Text9, page, 6300, 3410, 1500);

    label(QStringLiteral("ผู้จัดพิมพ์"), page, kLabelLeft, 3890, 2300);
    line(l.Text10, page, kFieldLeft, 3890, kWide);
    line(l.Text6, page, kFieldLeft, 4370, 1500);

    // The hidden lists lie over the fields they stand for while shown.
    names_ = list(l.dlbnamemag, page, kFieldLeft, 250, kWide, 3400);
    names_->raise();
    names_->installEventFilter(this);
    publishers_ = list(l.dlbdeler, page, kFieldLeft, 3890, kWide, 1800);
    publishers_->raise();
    publishers_->installEventFilter(this);
}

void NewJournalView::buildSubscriptionPage(QWidget* page) {
    NewJournal& l = *logic_;
    label(QStringLiteral("คณะ/หน่วยงานที่บอกรับ"), page, kLabelLeft, 250, 2300);
    combo(l.dcbdepart, page, kFieldLeft, 250, 4200);
    label(QStringLiteral("สถานภาพการบอกรับ"), page, kLabelLeft, 730, 2300);
    combo(l.dcbrecei, page, kFieldLeft, 730, 3000);
    label(QStringLiteral("จำนวน Copy/ปี"), page, kLabelLeft, 1210, 2300);
    line(l.Text7, page, kFieldLeft, 1210, 1300);

    label(QStringLiteral("ค่าสมาชิก/ปี"), page, kLabelLeft, 1690, 2300);
    line(l.Text11, page, kFieldLeft, 1690, 1300);
    label(QStringLiteral("สกุลเงิน"), page, 3950, 1690, 900);
    combo(l.dcbcurren, page, 4850, 1690, 2100);
    label(QStringLiteral("อัตรา"), page, 7100, 1690, 700);
    line(l.Text12, page, 7800, 1690, 1400);

    label(QStringLiteral("วันที่เริ่มบอกรับ"), page, kLabelLeft, 2170, 2300);
    line(l.Mask3, page, kFieldLeft, 2170, 1500);
    label(QStringLiteral("วันครบอายุ"), page, 4300, 2170, 1300);
    line(l.Mask4, page, 5600, 2170, 1500);
    label(QStringLiteral("วันที่สั่งซื้อครั้งสุดท้าย"), page, kLabelLeft, 2650, 2300);
    line(l.Mask5, page, kFieldLeft, 2650, 1500);

    label(QStringLiteral("ตัวแทน/ร้านค้า"), page, kLabelLeft, 3130, 2300);
    line(l.Text14, page, kFieldLeft, 3130, 6800);
    line(l.Text13, page, kFieldLeft, 3610, 1500);

    label(QStringLiteral("สถานภาพสมาชิก"), page, kLabelLeft, 3610, 2300);
    combo(l.dcbstatus, page, kFieldLeft, 3610, 3000);
    label(QStringLiteral("สถานภาพวารสาร"), page, kLabelLeft, 4090, 2300);
    combo(l.dcbbindsta, page, kFieldLeft, 4090, 3000);
    label(QStringLiteral("สีปก"), page, kLabelLeft, 4570, 2300);
    combo(l.dcbbindco, page, kFieldLeft, 4570, 2400);
    combo(l.dcbdeler1, page, 5100, 4570, 4200, true);

    binder_.bind(l.patternButton, place<QPushButton>(page, 6900, 3610, 2400, 420));
    auto* held = place<QLabel>(page, kLabelLeft, 5050, 9000, 600);
    held->setWordWrap(true);
    binder_.bind(l.holdingsLabel, held);
    agents_ = list(l.dlbdeler1, page, kFieldLeft, 2170, 6000, 1300);
    agents_->raise();
    agents_->installEventFilter(this);
}

bool NewJournalView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        // Only a move within the window counts, not a message box or another
        // window taking the focus for a while.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const bool moved = reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
                           reason == Qt::BacktabFocusReason;
        const std::pair<QListWidget*, ui::PickList*> lists[] = {{names_, &logic_->dlbnamemag},
                                                                {publishers_, &logic_->dlbdeler},
                                                                {agents_, &logic_->dlbdeler1}};
        for (const auto& [widget, model] : lists)
            if (moved && watched == widget)
                model->loseFocus();
    }
    return FormView::eventFilter(watched, event);
}

void NewJournalView::buildButtons() {
    NewJournal& l = *logic_;
    int top = 2100;
    for (ui::CommandButton* button :
         {&l.Cmdadd, &l.Cmdedit, &l.Cmddel, &l.Cmdsave, &l.Cmdcancle, &l.Command6}) {
        auto* w = place<QPushButton>(this, 9900, top, 1860, 600);
        w->setObjectName(button->name());
        binder_.bind(*button, w);
        top += 720;
    }
}

}  // namespace catalogue
