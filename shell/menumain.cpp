#include "shell/menumain.h"

namespace shell {

namespace {

MenuItem off(const char* name, const char* caption) {
    return {QString::fromLatin1(name), QString::fromUtf8(caption), false, {}};
}

MenuItem on(const char* name, const char* caption) {
    return {QString::fromLatin1(name), QString::fromUtf8(caption), true, {}};
}

MenuItem top(const char* name, const char* caption, std::vector<MenuItem> items) {
    return {QString::fromLatin1(name), QString::fromUtf8(caption), true, std::move(items)};
}

}  // namespace

QString menumain::caption(const QString& unitName) {
    return QStringLiteral("โปรแกรมระบบงานวารสาร ") + unitName;
}

const std::vector<MenuItem>& menumain::menu() {
    static const std::vector<MenuItem> tree = {
        top("maindt", "กำหนดค่า",
            {on("tr", "ค่าเริ่มต้น"), on("ty", "ภาษา"), on("a", "กำหนดออก"), on("b", "สกุลเงิน"),
             on("c", "สภาพการเก็บ"), on("d", "สีปก"), off("e", "หมายเลขวารสาร"),
             off("f", "หมายเลขสมาชิก"), off("g", "ขั้นตอนการเย็บเล่ม"), off("h", "สถานที่ส่ง"),
             on("i", "สำนักพิมพ์"), off("j", "ฟอร์จดหมาย"), on("headings", "หัวเรื่อง"),
             on("importAccess", "นำเข้าข้อมูลจากโปรแกรมเดิม"),
             on("exportCsv", "ส่งออกข้อมูลทั้งหมดเป็นไฟล์ CSV"),
             on("catalogueServers", "เครื่องบริการสืบค้นของห้องสมุด")}),
        top("order", "สั่งซื้อ/ทำรับ",
            {off("aa", "ทำรายการสั่งซื้อ"), off("bb", "รับรายการสั่งซื้อ"), off("cc", "รับวารสาร"),
             off("dd", "การทำรับสิ่งพิมพ์รายวัน"), off("ee", "การทำรับสิ่งพิมพ์รายวันคงค้าง")}),
        top("Inputdata", "ป้อนข้อมูล",
            {on("aaa", "เพิ่ม/แก้ไข ข้อมูลวารสาร"), on("ccc", "ลงทะเบียนวารสาร"),
             off("ddd", "ำวารสารรวมเล่ม"), on("eee", "บทคัดย่อของบทความ"), on("fff", "การใส่บทความ"),
             on("ggg", "ชื่อผุ้แต่ง"), off("hhh", "ปรับปรุงรายการวารสาร"), on("iii", "ำบัตรดัชนีวารส"),
             off("jjj", "ลบรายการวารสาร"), on("marcexchange", "แลกเปลี่ยนระเบียน MARC 21")}),
        top("reportjounal", "รายงาน",
            {on("jjjj", "ต่ออุายวารสาร"), on("aaaa", "พิมพ์บัตรดัชนีวารสาร"),
             on("bbbb", "พิมพ์รายการสิ่งพิมพืรายวันคงค้าง"), on("cccc", "พิมพ์รายการวารสาร"),
             on("dddd", "พิมพ์รายชื่อวารสารและสิ่งพิมพ์"), on("eeee", "พิมพ์สถิติการรับวารสาร/สิ่งพิมพ์"),
             on("ffff", "พิมพ์สถิติการจัดทำบัตรดรรรชนีวารสาร"), on("bulletin", "พิมพ์วารสารดรรชนี")}),
        top("search_journal", "สืบค้นข้อมูล",
            {on("aaaaaa", "สืบค้นวารสารร่วมกับหนังสือ"), on("bbbbb", "สืบค้นวารสาร/สิ่งพิมพ์"),
             on("articleSearch", "สืบค้นบทความ")}),
        on("menuexit", "ออกจากโปรแกรม"),
    };
    return tree;
}

void menumain::choose(const QString& item) {
    static const std::pair<const char16_t*, void (menumain::*)()> settings[] = {
        {u"tr", &menumain::tr_Click},
        {u"ty", &menumain::ty_Click},
        {u"a", &menumain::a_Click},
        {u"b", &menumain::b_Click},
        {u"c", &menumain::c_Click},
        {u"d", &menumain::d_Click},
        {u"i", &menumain::i_Click},
        {u"headings", &menumain::headings_Click},
        {u"importAccess", &menumain::importAccess_Click},
        {u"exportCsv", &menumain::exportCsv_Click},
        {u"catalogueServers", &menumain::catalogueServers_Click}};
    for (const auto& [name, click] : settings)
        if (item == name) {
            (this->*click)();
            return;
        }
    if (item == u"aaa")
        aaa_Click();
    else if (item == u"ccc")
        ccc_Click();
    else if (item == u"marcexchange")
        marcexchange_Click();
    else if (item == u"jjjj")
        jjjj_Click();
    else if (item == u"aaaaaa")
        aaaaaa_Click();
    else if (item == u"bbbbb")
        bbbbb_Click();
    else if (item == u"bbbb")
        bbbb_Click();
    else if (item == u"cccc")
        cccc_Click();
    else if (item == u"dddd")
        dddd_Click();
    else if (item == u"eeee")
        eeee_Click();
    else if (item == u"fff")
        fff_Click();
    else if (item == u"eee")
        eee_Click();
    else if (item == u"ggg")
        ggg_Click();
    else if (item == u"iii" || item == u"aaaa")
        iii_Click();
    else if (item == u"ffff")
        ffff_Click();
    else if (item == u"articleSearch")
        articleSearch_Click();
    else if (item == u"bulletin")
        bulletin_Click();
    else if (item == u"menuexit")
        menuexit_Click();
}

}  // namespace shell
