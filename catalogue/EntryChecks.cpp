#include "catalogue/EntryChecks.h"

#include "catalogue/DealerPicks.h"
#include "catalogue/NewJournal.h"
#include "data/DateText.h"
#include "data/Issn.h"
#include "publishers/DealerTable.h"

namespace catalogue {

namespace {

constexpr int kHeader = -1, kTitlePage = 0, kSubscriptionPage = 1;

const QString kIncomplete = QStringLiteral("ข้อมูลไม่สมบรูณ์");

bool blank(const QString& s) {
    return s.trimmed().isEmpty();
}

// The tab page each entry field lies on; the header is on neither.
int pageOf(NewJournal& w, const ui::Control& field) {
    for (const ui::Control* c : std::initializer_list<const ui::Control*>{
             &w.Text2, &w.Text3, &w.Text4, &w.Text5, &w.Mask1, &w.Mask2, &w.dcblanguage,
             &w.dcbmagtype, &w.Text8, &w.Text9, &w.Text10, &w.dlbdeler})
        if (c == &field)
            return kTitlePage;
    for (const ui::Control* c : std::initializer_list<const ui::Control*>{
             &w.dcbdepart, &w.dcbrecei, &w.Text7, &w.Text11, &w.dcbcurren, &w.Text12, &w.Mask3,
             &w.Mask4, &w.Mask5, &w.Text14, &w.dcbstatus, &w.dcbbindsta, &w.dcbbindco,
             &w.dlbdeler1})
        if (c == &field)
            return kSubscriptionPage;
    return kHeader;
}

ui::Control* fieldNamed(NewJournal& w, const QString& name) {
    for (ui::Control* c : std::initializer_list<ui::Control*>{
             &w.opt1, &w.dlbtypemag, &w.Text2, &w.Text10, &w.Text14, &w.dcblanguage, &w.dcbmagtype,
             &w.dcbdepart, &w.dcbrecei, &w.dcbcurren, &w.dcbstatus, &w.dcbbindsta, &w.dcbbindco})
        if (c->name() == name)
            return c;
    return nullptr;
}

}  // namespace

bool EntryChecks::requiredFilled() {
    struct Check {
        bool fails;
        ui::Control& focus;
        const char16_t* message;
    };
    // Evaluated in order; the first failing one is reported.
    const Check checks[] = {
        {!w_.opt1.value() && !w_.opt2.value(), w_.opt1, u"กรุณาเลือกประเภทสิ่งพิมพ์ "},
        {blank(w_.dlbtypemag.text()), w_.dlbtypemag, u"กรุณาเลือกชนิดสิ่งพิมพ์ "},
        {blank(w_.Text2.text()), w_.Text2, u"กรุณากรอกข้อมูลช่อง ชื่อวารสาร/หนังสือพิมพ์ "},
        {blank(w_.dcblanguage.text()), w_.dcblanguage, u"กรุณาเลือกภาษา วารสาร/หนังสือพิมพ์ "},
        {blank(w_.dcbmagtype.text()), w_.dcbmagtype, u"กรุณาเลือกกำหนดการออก วารสาร/หนังสือพิมพ์ "},
        {blank(w_.Text8.text()), w_.Text8, u"กรุณากรอกข้อมูลช่อง จำนวนเล่ม/Volume "},
        {blank(w_.Text9.text()), w_.Text9, u"กรุณากรอกข้อมูลช่อง จำนวนVolume/ปี "},
        {blank(w_.Text10.text()), w_.Text10, u"กรุณากรอกข้อมูลช่อง ผู้จัดพิมพ์ "},
        {blank(w_.dcbdepart.text()), w_.dcbdepart, u"กรุณาเลือก คณะ/หน่วยงานที่บอกรับ "},
        {blank(w_.dcbcurren.text()), w_.dcbcurren, u"กรุณาเลือก สกุลเงิน "},
        {blank(w_.dcbrecei.text()), w_.dcbrecei, u"กรุณาเลือก สถานภาพการบอกรับ "},
        {blank(w_.Text14.text()), w_.Text14, u"กรุณาเลือก ตัวแทน/ร้านค้า "},
        {blank(w_.dcbstatus.text()), w_.dcbstatus, u"กรุณาเลือก สถานภาพสมาชิก"},
        {blank(w_.dcbbindsta.boundText()), w_.dcbbindsta, u"กรุณาเลือก สถานภาพวารสาร"},
        {blank(w_.dcbbindco.boundText()), w_.dcbbindco, u"กรุณาเลือก สีปก"},
    };
    bool filled = true;
    for (const Check& check : checks)
        if (check.fails) {
            refuse(QString::fromUtf16(check.message), kIncomplete, check.focus);
            filled = false;
            break;
        }
    for (ui::TextBox* optional : {&w_.Text3, &w_.Text4, &w_.Text5})
        if (blank(optional->text()))
            optional->setText(QStringLiteral("  "));
    return filled;
}

bool EntryChecks::datesReadable() {
    const std::pair<ui::TextBox*, int> dates[] = {{&w_.Mask1, kTitlePage},
                                                  {&w_.Mask3, kSubscriptionPage},
                                                  {&w_.Mask4, kSubscriptionPage},
                                                  {&w_.Mask5, kSubscriptionPage}};
    for (const auto& [field, page] : dates)
        if (!data::readDate(field->text())) {
            messages_.show(QStringLiteral("พิมพ์ข้อมูลวันที่ผิดพลาด ใช้รูปแบบ DD/MM/YYYY"),
                           QStringLiteral("รูปแบบข้อมูลผิดพลาด"), ui::msg::kStop);
            w_.SSTab1.setTab(page);
            w_.setFocus(*field);
            return false;
        }
    return true;
}

bool EntryChecks::dealersKnown(const publishers::DealerTable& table) {
    struct Dealer {
        ui::TextBox& name;
        ui::TextBox& code;
        const char16_t* message;
    };
    const Dealer dealers[] = {
        {w_.Text10, w_.Text6, u"ไม่พบผู้จัดพิมพ์ชื่อนี้ กรุณาเลือกจากรายการ"},
        {w_.Text14, w_.Text13, u"ไม่พบตัวแทน/ร้านค้าชื่อนี้ กรุณาเลือกจากรายการ"},
    };
    for (const Dealer& d : dealers) {
        const std::optional<QString> code =
            DealerPicks::codeFor(d.name.text(), d.code.text(), table.nameOf(d.code.text()),
                                 table.codesNamed(d.name.text()));
        if (!code) {
            refuse(QString::fromUtf16(d.message), kIncomplete, d.name);
            return false;
        }
        d.code.setText(*code);
    }
    return true;
}

void EntryChecks::warnIssn() {
    const QString typed = w_.Mask2.text();
    if (typed.trimmed().isEmpty())
        return;
    const auto issn = data::issnDigits(typed);
    if (issn && data::issnCheckRight(*issn))
        return;
    messages_.show(QStringLiteral("ISSN %1 มีเลขตรวจสอบไม่ถูกต้อง กรุณาตรวจสอบกับตัวเล่มอีกครั้ง"
                                  " ข้อมูลจะถูกบันทึกตามที่พิมพ์")
                       .arg(typed.trimmed()),
                   QStringLiteral("ตรวจสอบ ISSN"), ui::msg::kWarning);
}

void EntryChecks::refuse(const QString& text, const QString& caption, ui::Control& field) {
    messages_.show(text, caption, ui::msg::kStop);
    if (const int page = pageOf(w_, field); page != kHeader)
        w_.SSTab1.setTab(page);
    w_.setFocus(field);
}

void EntryChecks::refuse(const QString& text, const QString& caption, const QString& field) {
    ui::Control* control = fieldNamed(w_, field);
    refuse(text, caption, control ? *control : static_cast<ui::Control&>(w_.Text2));
}

}  // namespace catalogue
