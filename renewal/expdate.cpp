#include "renewal/expdate.h"

#include <QFileInfo>
#include <algorithm>

#include "data/Database.h"
#include "data/DateText.h"
#include "data/FieldLimits.h"
#include "renewal/ExpiryRecords.h"
#include "renewal/ExpirySource.h"
#include "ui/EntryKeys.h"
#include "ui/Printing.h"

namespace renewal {

namespace {

const QString kBadDate = QStringLiteral("พิมพ์ข้อมูลวันที่ผิดพลาด ใช้รูปแบบ DD/MM/YYYY");
const QString kBadDateCaption = QStringLiteral("รูปแบบข้อมูลผิดพลาด");
const QString kPrintCaption = QStringLiteral("พิมพ์ข้อมูล");
const QString kSaveResultCaption = QStringLiteral("ผลการบันทึกข้อมูล");

}  // namespace

expdate::expdate(ui::Services& services)
    : ui::Form(QStringLiteral("โปรแกรมต่ออายุวารสาร"), services.messages), services_(services) {
    ui::OptionButton::group({&Option1, &Option2});
    Text1.setMaxLength(10);
    Text2.setMaxLength(10);
    Text7.setMaxLength(10);
    Text8.setMaxLength(10);
    Text5.setAlignment(ui::TextBox::Align::Right);
    Text6.setAlignment(ui::TextBox::Align::Right);
    Text5.setMaxLength(data::kShortText);
    Text6.setMaxLength(data::kShortText);
    Cmdprint.setEnabled(false);
    cmdedit.setEnabled(false);
    cmdsave.setEnabled(false);

    for (ui::TextBox* box : {&Text1, &Text2, &Text5, &Text6, &Text7, &Text8})
        box->onClick = [this, box] { selectAll(*box); };
    for (ui::TextBox* box : {&Text1, &Text2, &Text7, &Text8})
        box->onKeyPress = [box](int& keyAscii) { ui::entry::dateKey(*box, keyAscii); };

    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
    Command3.onClick = [this] { Command3_Click(); };
    showjour.onClick = [this] { showjour_Click(); };
    showjour.guard = [this](const std::function<void()>& step) { return guarded(step); };
    showjour.onCount = [this](int total) { nextrow = total + 1; };
    Cmdprint.onClick = [this] { Cmdprint_Click(); };
    cmdedit.onClick = [this] { cmdedit_Click(); };
    cmdsave.onClick = [this] { cmdsave_Click(); };
    onEscape = [this] {
        if (cmdsave.enabled())
            abandonRenewal();
    };
}

expdate::~expdate() = default;

bool expdate::Form_Load() {
    showjour.setColWidth(col::name, 4800);
    showjour.setColWidth(col::endPeriod, 1500);
    showjour.setColWidth(col::latestIssue, 2700);
    showjour.setColWidth(col::department, 1950);
    showjour.setTextMatrix(0, col::name, QStringLiteral("                      รายชื่อวารสาร"));
    showjour.setTextMatrix(0, col::endPeriod, QStringLiteral("   วันที่ครบอายุ"));
    showjour.setTextMatrix(0, col::latestIssue, QStringLiteral("    ฉบับล่าสุดที่ได้รับ"));
    showjour.setTextMatrix(0, col::department, QStringLiteral("  คณะที่บอกรับ"));
    lockinput();
    const bool opened = guarded([this] {
        db_.reset();
        db_ = std::make_unique<data::Database>(services_.databasePath);
        DataCombo1.setRows(ExpiryRecords(*db_).currencies());
    });
    if (!opened)
        return false;
    todayIntoRange();
    setFocus(Text1);
    selectAll(Text1);
    return true;
}

void expdate::selectAll(ui::TextBox& box) {
    box.setSelStart(0);
    box.setSelLength(int(box.text().size()));
}

void expdate::todayIntoRange() {
    const QString today = data::writeDate(services_.clock.today());
    Text1.setText(today);
    Text2.setText(today);
}

bool expdate::checkDateField(ui::TextBox& box) {
    if (data::readDate(box.text()))
        return true;
    messages().show(kBadDate, kBadDateCaption, ui::msg::kStop);
    setFocus(box);
    selectAll(box);
    return false;
}

void expdate::Command1_Click() {
    if (!checkDateField(Text1) || !checkDateField(Text2))
        return;
    const QDate first = *data::readDate(Text1.text());
    const QDate last = *data::readDate(Text2.text());
    const Kind kind = Option1.value()   ? Kind::Journals
                      : Option2.value() ? Kind::Newspapers
                                        : Kind::Both;
    std::shared_ptr<ui::RowSource> found;
    bool none = false;
    // Whether anything expires is one row's read; the list is counted once its
    // first page is painted.
    if (!guarded([&] {
            found = ExpiryRecords(*db_).expiringRows(kind, first, last);
            none = found->rows(0, 1).empty();
        }))
        return;
    if (none) {
        nextrow = 1;
        messages().show(QStringLiteral("ไม่พบรายชื่อวารสารที่จะครบอายุสมาชิกในช่วงเวลานี้"),
                        QStringLiteral("ผลการตรวจเช็ค"), ui::msg::kInformation);
        return;
    }
    if (!showjour.setSource(found))
        return;
    // As many rows as found, and never fewer than twelve in all: a list that
    // short fits its first page, so it is known without a count.
    if (showjour.counted() && showjour.total() < 10)
        showjour.setMinRows(12);
    showjour.setRow(1);
    Cmdprint.setEnabled(true);
}

void expdate::showjour_Click() {
    const int r = showjour.row();
    if (r < 1)
        return;
    selpointer = showjour.textMatrix(r, col::pointer);
    selsubscription_ = showjour.textMatrix(r, col::subscription);
    Text3.setText(showjour.textMatrix(r, col::name));
    Text9.setText(showjour.textMatrix(r, col::department));
    Text4.setText(showjour.textMatrix(r, col::publisher));
    Text5.setText(showjour.textMatrix(r, col::price));
    Text6.setText(showjour.textMatrix(r, col::rate));
    Text7.setText(showjour.textMatrix(r, col::orderDate));
    Text8.setText(showjour.textMatrix(r, col::endPeriod));
    showStoredCurrency();
    lockinput();
    cmdedit.setEnabled(true);
    cmdsave.setEnabled(false);
}

// The stored code's own row, not the first currency of that name.
void expdate::showStoredCurrency() {
    QString code;
    if (!selsubscription_.isEmpty())
        guarded([&] { code = ExpiryRecords(*db_).currencyCode(selsubscription_.toLongLong()); });
    const auto& rows = DataCombo1.rows();
    if (std::any_of(rows.begin(), rows.end(), [&](const ui::PickRow& c) { return c.code == code; }))
        DataCombo1.setBoundText(code);
    else if (const int r = rowOfSubscription(selsubscription_); r > 0)
        DataCombo1.setText(showjour.textMatrix(r, col::currency));
}

void expdate::Command2_Click() {
    showjour.setRows(11);
    for (int r = 1; r <= 10; ++r)
        for (int c = 0; c < showjour.cols(); ++c)
            showjour.setTextMatrix(r, c, QString());
    showjour.setRow(1);
    showjour.setHighLight(1);
    lockinput();
    clearDetails();
    todayIntoRange();
    cmdsave.setEnabled(false);
    cmdedit.setEnabled(false);
    Cmdprint.setEnabled(false);
}

void expdate::clearDetails() {
    for (ui::TextBox* box : {&Text3, &Text9, &Text4, &Text5, &Text6, &Text7, &Text8})
        box->setText(QString());
    DataCombo1.setText(QString());
}

void expdate::Command3_Click() {
    db_.reset();
    unload();
}

void expdate::lockinput() {
    for (ui::TextBox* box : {&Text3, &Text9, &Text4, &Text5, &Text6, &Text7, &Text8}) {
        box->setEnabled(false);
        box->setBackColor(ui::kLockedColor);
    }
    DataCombo1.setEnabled(false);
    DataCombo1.setBackColor(ui::kLockedColor);
}

void expdate::unlockinput() {
    Text3.setBackColor(ui::kEditableColor);
    Text9.setBackColor(ui::kEditableColor);
    Text4.setBackColor(ui::kEditableColor);
    for (ui::TextBox* box : {&Text5, &Text6, &Text7, &Text8}) {
        box->setEnabled(true);
        box->setBackColor(ui::kEditableColor);
    }
    DataCombo1.setEnabled(true);
    DataCombo1.setBackColor(ui::kEditableColor);
}

void expdate::cmdedit_Click() {
    // The currencies may have changed in the settings since the window opened.
    guarded([this] {
        DataCombo1.setRows(ExpiryRecords(*db_).currencies());
        showStoredCurrency();
    });
    cmdedit.setEnabled(false);
    cmdsave.setEnabled(true);
    unlockinput();
    setFocus(Text5);
}

int expdate::rowOfSubscription(const QString& subscription) const {
    if (subscription.isEmpty())
        return -1;
    for (int r = 1; r < showjour.rows(); ++r)
        if (showjour.textMatrix(r, col::subscription) == subscription)
            return r;
    return -1;
}

void expdate::abandonRenewal() {
    if (const int r = rowOfSubscription(selsubscription_); r > 0) {
        showjour.setRow(r);
        showjour_Click();
    } else {
        // The search that replaced the list dropped the row: nothing to show.
        lockinput();
        clearDetails();
        cmdsave.setEnabled(false);
    }
    setFocus(Text1);
}

void expdate::cmdsave_Click() {
    if (!checkDateField(Text7) || !checkDateField(Text8))
        return;
    if (messages().show(QStringLiteral("ต้องการบันทึกข้อมูลหรือไม่"), QStringLiteral("บันทึกข้อมูล"),
                        ui::msg::kConfirm) != ui::msg::kOk)
        return;
    const RenewalValues values{Text5.text().trimmed(), DataCombo1.boundText().trimmed(),
                               Text6.text().trimmed(), data::reformatDate(Text8.text().trimmed()),
                               data::reformatDate(Text7.text().trimmed())};
    bool renewed = false;
    try {
        if (!guarded([&] {
                renewed = !selsubscription_.isEmpty() &&
                          ExpiryRecords(*db_).renew(selsubscription_.toLongLong(), values);
            }))
            return;
    } catch (const RenewalRefused& e) {
        messages().show(e.thaiMessage(), kSaveResultCaption, ui::msg::kStop);
        return;
    }
    if (!renewed) {
        messages().show(QStringLiteral("ไม่พบรายการสมาชิกที่จะต่ออายุ กรุณาเลือกรายชื่อวารสารจากตารางก่อน"),
                        kSaveResultCaption, ui::msg::kStop);
        return;
    }
    if (const int r = rowOfSubscription(selsubscription_); r > 0) {
        showjour.setTextMatrix(r, col::price, Text5.text());
        showjour.setTextMatrix(r, col::rate, Text6.text());
        showjour.setTextMatrix(r, col::orderDate, Text7.text());
        showjour.setTextMatrix(r, col::endPeriod, Text8.text());
        showjour.setTextMatrix(r, col::currency, DataCombo1.text());
    }
    messages().show(QStringLiteral("บันทึกข้อมูลเรียบร้อยแล้ว"), kSaveResultCaption,
                    ui::msg::kInformation);
    cmdedit.setEnabled(true);
    cmdsave.setEnabled(false);
    lockinput();
    setFocus(Text1);
}

void expdate::listedLines(const ExpiryPrint::EachLine& each) {
    // The grid as it shows, renewals included: its pages in turn, of which it
    // keeps a few.
    while (showjour.canFetchMore())
        showjour.fetchMore();
    // Every page read: the count is known without a read.
    nextrow = showjour.total() + 1;
    for (int r = 1; r < nextrow && r < showjour.rows(); ++r)
        each({showjour.textMatrix(r, col::name), showjour.textMatrix(r, col::endPeriod),
              showjour.textMatrix(r, col::latestIssue), showjour.textMatrix(r, col::department)});
}

QString expdate::proposedPdfName() const {
    const std::optional<QDate> first = data::readDate(Text1.text());
    const std::optional<QDate> last = data::readDate(Text2.text());
    if (!first || !last)
        return QStringLiteral("expiry-list.pdf");
    return QStringLiteral("expiry-list-%1-%2.pdf")
        .arg(first->toString(Qt::ISODate), last->toString(Qt::ISODate));
}

std::unique_ptr<ui::PageSurface> expdate::openSurface(QString& pdfPath) {
    ui::Printing* printing = services_.printing;
    if (printing && printing->hasDefaultPrinter())
        return printing->openDefaultPrinter();
    if (!printing) {
        messages().show(QStringLiteral("ไม่พบเครื่องพิมพ์"), kPrintCaption, ui::msg::kStop);
        return nullptr;
    }
    if (messages().show(QStringLiteral("ไม่พบเครื่องพิมพ์ ต้องการบันทึกรายชื่อเป็นไฟล์ PDF หรือไม่"),
                        kPrintCaption, ui::msg::kConfirm) != ui::msg::kOk)
        return nullptr;
    const std::optional<QString> path = printing->askPdfPath(proposedPdfName());
    if (!path)
        return nullptr;
    std::unique_ptr<ui::PageSurface> surface = printing->openPdf(*path);
    pdfPath = *path;
    return surface;
}

void expdate::Cmdprint_Click() {
    if (messages().show(QStringLiteral("คุณต้องการพิมพ์ข้อมูลหรือไม่"), kPrintCaption, ui::msg::kConfirm) !=
        ui::msg::kOk)
        return;
    try {
        QString pdfPath;
        std::unique_ptr<ui::PageSurface> surface = openSurface(pdfPath);
        if (!surface)
            return;
        const bool printed = guarded([&] {
            ExpiryPrint(*surface).print([this](const auto& each) { listedLines(each); },
                                        Text1.text(), Text2.text(), services_.clock.today());
        });
        if (!printed)
            return;
        if (!pdfPath.isEmpty())
            messages().show(
                QStringLiteral("บันทึกรายชื่อเป็นไฟล์ PDF แล้วที่ ") + QFileInfo(pdfPath).absoluteFilePath(),
                kPrintCaption, ui::msg::kInformation);
    } catch (const ui::PrintError& e) {
        messages().show(e.thaiMessage(), kPrintCaption, ui::msg::kStop);
    }
}

}  // namespace renewal
