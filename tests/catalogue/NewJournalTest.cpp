#include "tests/catalogue/NewJournalFixture.h"
#include "tests/support/Refusal.h"

using testing_support::NewJournalWindow;
using ui::kEditableColor;
using ui::kLockedColor;

namespace {

// Enabled states of Cmdadd, Cmdedit, Cmddel, Cmdsave, Cmdcancle.
std::vector<bool> buttons(const catalogue::NewJournal& w) {
    return {w.Cmdadd.enabled(), w.Cmdedit.enabled(), w.Cmddel.enabled(), w.Cmdsave.enabled(),
            w.Cmdcancle.enabled()};
}
const std::vector<bool> kBrowse{true, false, false, false, false};
const std::vector<bool> kEntering{false, false, false, true, true};
const std::vector<bool> kTitleShown{false, true, true, false, true};

const QString kIncomplete = "ข้อมูลไม่สมบรูณ์";

}  // namespace

TEST(NewJournalStates, LoadedWindowIsInBrowse) {
    NewJournalWindow f;
    auto& w = f.w;
    EXPECT_EQ(w.caption(), "บันทึกข้อมูลวารสารใหม่");
    EXPECT_EQ(w.SSTab1.tab(), 0);
    EXPECT_EQ(buttons(w), kBrowse);
    EXPECT_TRUE(w.Command6.enabled());
    EXPECT_TRUE(w.Text1.enabled());
    EXPECT_EQ(w.Text1.backColor(), kEditableColor);
    EXPECT_EQ(w.Text1.text(), "");
    EXPECT_TRUE(w.Text2.enabled());
    for (ui::TextBox* box :
         {&w.Text3, &w.Text4, &w.Text5, &w.Text7, &w.Text8, &w.Text9, &w.Text10, &w.Text11,
          &w.Text12, &w.Text14, &w.Mask1, &w.Mask2, &w.Mask3, &w.Mask4, &w.Mask5}) {
        EXPECT_FALSE(box->enabled()) << box->name().toStdString();
        EXPECT_EQ(box->backColor(), kLockedColor) << box->name().toStdString();
    }
    for (ui::PickList* list : {&w.dcblanguage, &w.dcbmagtype, &w.dcbdepart, &w.dcbrecei,
                               &w.dcbcurren, &w.dcbstatus, &w.dcbbindsta, &w.dcbbindco}) {
        EXPECT_FALSE(list->enabled()) << list->name().toStdString();
        EXPECT_EQ(list->backColor(), kLockedColor);
        EXPECT_FALSE(list->rows().empty()) << list->name().toStdString();
    }
    EXPECT_FALSE(w.opt1.enabled());
    EXPECT_FALSE(w.dlbtypemag.enabled());
    EXPECT_EQ(w.dlbtypemag.rows().size(), 5u);
    EXPECT_TRUE(w.dcbdeler1.enabled());
    for (auto* box : {&w.Mask1, &w.Mask3, &w.Mask4, &w.Mask5})
        EXPECT_EQ(box->text(), "05/03/2026");
    EXPECT_EQ(w.Mask2.text(), " ");
    EXPECT_EQ(w.Text7.text(), "1");
    for (auto* box : {&w.Text8, &w.Text9, &w.Text11, &w.Text12})
        EXPECT_EQ(box->text(), "0");
    EXPECT_EQ(w.Text6.text(), "Text6");
    EXPECT_EQ(w.Text13.text(), "Text13");
    for (ui::Control* hidden : std::initializer_list<ui::Control*>{
             &w.Text6, &w.Text13, &w.dlbnamemag, &w.dlbdeler, &w.dlbdeler1})
        EXPECT_FALSE(hidden->visible());
    EXPECT_EQ(w.Text1.maxLength(), 7);
    EXPECT_EQ(w.Mask1.maxLength(), 10);
    EXPECT_EQ(w.Mask2.maxLength(), 9);
    EXPECT_EQ(w.Text11.alignment(), ui::TextBox::Align::Right);
    EXPECT_EQ(w.Text2.alignment(), ui::TextBox::Align::Left);
}

TEST(NewJournalStates, AddingUnlocksAndCancelReturnsToBrowse) {
    NewJournalWindow f;
    auto& w = f.w;
    w.Text6.setText("9");
    w.Cmdadd.click();
    EXPECT_EQ(buttons(w), kEntering);
    EXPECT_TRUE(w.addmode);
    EXPECT_FALSE(w.editmode);
    EXPECT_FALSE(w.Text1.enabled());
    EXPECT_EQ(w.Text1.backColor(), kLockedColor);
    EXPECT_TRUE(w.opt1.enabled());
    EXPECT_TRUE(w.dlbtypemag.enabled());
    EXPECT_TRUE(w.Mask3.enabled());
    EXPECT_EQ(w.Mask3.backColor(), kEditableColor);
    EXPECT_EQ(w.dcbbindco.backColor(), kEditableColor);
    EXPECT_EQ(w.focus(), &w.opt1);
    // The hidden codes survive the clearing.
    EXPECT_EQ(w.Text6.text(), "9");

    w.Text3.setText("ชื่อเทียบ");
    f.messages.queue(ui::msg::kCancel);
    w.Cmdcancle.click();
    EXPECT_EQ(f.messages.last().text, "ต้องการยกเลิกข้อมูลหรือไม่");
    EXPECT_EQ(f.messages.last().caption, "ยกเลิกข้อมูล");
    EXPECT_EQ(f.messages.last().style, ui::msg::kConfirm);
    EXPECT_TRUE(w.addmode);
    EXPECT_EQ(w.Text3.text(), "ชื่อเทียบ");

    w.Cmdcancle.click();
    EXPECT_EQ(buttons(w), kBrowse);
    EXPECT_FALSE(w.addmode);
    EXPECT_EQ(w.Text3.text(), "");
    EXPECT_FALSE(w.Text3.enabled());
    EXPECT_EQ(f.cell("SELECT next_key1 FROM recsetup"), "J000001");
}

TEST(NewJournalChecks, EachMissingFieldStopsTheSaveInOrder) {
    NewJournalWindow f;
    auto& w = f.w;
    w.Cmdadd.click();
    w.Text8.setText("");
    w.Text9.setText(" ");
    // Each step: the message, the focus, the page it turns to (-1: the header,
    // no page), then filling the field.
    const std::vector<std::tuple<QString, ui::Control*, int, std::function<void()>>> steps = {
        {"กรุณาเลือกประเภทสิ่งพิมพ์ ", &w.opt1, -1, [&] { w.opt2.click(); }},
        {"กรุณาเลือกชนิดสิ่งพิมพ์ ", &w.dlbtypemag, -1, [&] { w.dlbtypemag.userChoose(1); }},
        {"กรุณากรอกข้อมูลช่อง ชื่อวารสาร/หนังสือพิมพ์ ", &w.Text2, 0, [&] { w.Text2.setText("ข่าว"); }},
        // A language text that names no row passes: only the shown text counts.
        {"กรุณาเลือกภาษา วารสาร/หนังสือพิมพ์ ", &w.dcblanguage, 0,
         [&] { w.dcblanguage.userType("ภาษาอื่น"); }},
        {"กรุณาเลือกกำหนดการออก วารสาร/หนังสือพิมพ์ ", &w.dcbmagtype, 0,
         [&] { w.dcbmagtype.userChoose(0); }},
        {"กรุณากรอกข้อมูลช่อง จำนวนเล่ม/Volume ", &w.Text8, 0, [&] { w.Text8.setText("4"); }},
        {"กรุณากรอกข้อมูลช่อง จำนวนVolume/ปี ", &w.Text9, 0, [&] { w.Text9.setText("2"); }},
        {"กรุณากรอกข้อมูลช่อง ผู้จัดพิมพ์ ", &w.Text10, 0, [&] { w.Text10.setText("Elsevier"); }},
        {"กรุณาเลือก คณะ/หน่วยงานที่บอกรับ ", &w.dcbdepart, 1, [&] { w.dcbdepart.userChoose(0); }},
        {"กรุณาเลือก สกุลเงิน ", &w.dcbcurren, 1, [&] { w.dcbcurren.userChoose(0); }},
        {"กรุณาเลือก สถานภาพการบอกรับ ", &w.dcbrecei, 1, [&] { w.dcbrecei.userChoose(0); }},
        {"กรุณาเลือก ตัวแทน/ร้านค้า ", &w.Text14, 1,
         [&] { w.Text14.setText(" บริษัท มติชน จำกัด (มหาชน)"); }},
        {"กรุณาเลือก สถานภาพสมาชิก", &w.dcbstatus, 1, [&] { w.dcbstatus.userChoose(0); }},
        {"กรุณาเลือก สถานภาพวารสาร", &w.dcbbindsta, 1, [&] { w.dcbbindsta.userChoose(0); }},
        // A cover colour text that names no row fails: its code is tested.
        {"กรุณาเลือก สีปก", &w.dcbbindco, 1, [&] { w.dcbbindco.userType("ลายสก๊อต"); }},
        {"กรุณาเลือก สีปก", &w.dcbbindco, 1, [&] { w.dcbbindco.userChoose(0); }},
    };
    for (const auto& [message, focus, page, fill] : steps) {
        f.messages.clear();
        // The other page is shown: a field on a hidden page brings its page up.
        const int shown = page < 0 ? 1 : 1 - page;
        w.SSTab1.setTab(shown);
        w.Cmdsave.click();
        ASSERT_EQ(f.messages.shown().size(), 2u) << message.toStdString();
        EXPECT_EQ(f.messages.shown()[1].text, message);
        EXPECT_EQ(f.messages.shown()[1].caption, kIncomplete);
        EXPECT_EQ(f.messages.shown()[1].style, ui::msg::kStop);
        EXPECT_EQ(w.focus(), focus) << message.toStdString();
        EXPECT_FALSE(w.inputok);
        EXPECT_EQ(w.SSTab1.tab(), page < 0 ? shown : page) << message.toStdString();
        EXPECT_EQ(buttons(w), kEntering);
        EXPECT_EQ(w.Text3.text(), "  ");
        EXPECT_EQ(w.Text5.text(), "  ");
        fill();
    }
    EXPECT_EQ(f.count("vorlen1"), 0);
    // The language text that names no row is refused inside the save: no
    // title is stored without a language code.
    f.messages.clear();
    w.Cmdsave.click();
    EXPECT_EQ(f.messages.last().text, "กรุณาเลือก ภาษา จากรายการ");
    EXPECT_EQ(w.focus(), &w.dcblanguage);
    EXPECT_EQ(w.SSTab1.tab(), 0);
    EXPECT_EQ(f.count("vorlen1"), 0);
    EXPECT_EQ(f.cell("SELECT next_key4 FROM recsetup"), "L000001") << "no key taken";
    w.dcblanguage.userChoose(1);
    w.Cmdsave.click();
    EXPECT_EQ(f.messages.last().text, "การบันทึกข้อมูลวารสารรายชื่อใหม่เรียบร้อยแล้ว");
    // Newspaper in a language other than "01": series 4.
    EXPECT_EQ(f.cell("SELECT pointer FROM vorlen1"), "L000001");
    EXPECT_EQ(f.cell("SELECT language_code FROM vorlen1"), "02");
    EXPECT_EQ(f.cell("SELECT compare_name FROM vorlen1"), "  ");
}

TEST(NewJournalChecks, CheckdateTestsOnlyTheMonthUpperBound) {
    NewJournalWindow f;
    auto& w = f.w;
    const std::pair<QString, int> cases[] = {
        {"31/13/2024", 1}, {"31/12/2024", 0},  {"00/00/0000", 0}, {"45/12/2024", 0},
        {"1/2", 0},        {"01/ 9x/2024", 0}, {"01/99", 1}};
    for (const auto& [text, expected] : cases) {
        w.baddate = 7;
        w.checkdate(text);
        EXPECT_EQ(w.baddate, expected) << text.toStdString();
    }
}

TEST(NewJournalSave, AddsJournalsAndNewspapersFromTheirSeries) {
    NewJournalWindow f;
    auto& w = f.w;
    EXPECT_EQ(f.addTitle("วารสารไทย"), "J000001");
    EXPECT_EQ(f.messages.last().caption, "ผลการบันทึกข้อมูล");
    EXPECT_EQ(f.messages.last().style, ui::msg::kInformation);
    EXPECT_EQ(buttons(w), kBrowse);
    EXPECT_FALSE(w.addmode);
    EXPECT_EQ(w.Text1.text(), "");
    EXPECT_FALSE(w.Text3.enabled());

    EXPECT_EQ(f.addTitle("Journal of O'Brien", true, "ภาษาอังกฤษ"), "I000001");
    EXPECT_EQ(f.addTitle("ไทยรัฐ", false), "K000001");
    EXPECT_EQ(f.addTitle("Bangkok Post", false, "ภาษาอังกฤษ"), "L000001");
    EXPECT_EQ(f.cell("SELECT next_key1 || next_key2 || next_key3 || next_key4 FROM recsetup"),
              "J000002I000002K000002L000002");

    const auto master = f.temp.db().first("SELECT * FROM vorlen1 WHERE pointer = 'I000001'");
    ASSERT_TRUE(master);
    EXPECT_EQ(master->text(1), "Journal of O'Brien");
    EXPECT_EQ(master->text(6), "05/03/2026");
    EXPECT_EQ(master->text(7), "12345679");
    EXPECT_EQ(master->text(8), "02");
    EXPECT_EQ(master->text(9), "04");
    EXPECT_EQ(master->text(12), "4");
    const auto sub = f.temp.db().first("SELECT * FROM vorlen WHERE pointer = 'I000001'");
    ASSERT_TRUE(sub);
    const QStringList expected = {"I000001",    "02",         "01", "1", "02",
                                  "1",          "1500",       "01", "0", "05/03/2026",
                                  "31/12/2026", "05/03/2026", "2",  "01"};
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(sub->text(i), expected[i]) << "vorlen position " << i;
    EXPECT_EQ(f.cell("SELECT type_code FROM typeclass WHERE pointer = 'I000001'"), "01");
}

TEST(NewJournalSave, DeclinedOrDuplicateSavesWriteNothing) {
    NewJournalWindow f;
    auto& w = f.w;
    f.addTitle("  Nature's Digest  ");
    w.Cmdadd.click();
    f.fillEntry("Nature's Digest");
    f.messages.queue(ui::msg::kCancel);
    w.Cmdsave.click();
    EXPECT_EQ(f.messages.last().text, "ต้องการบันทึกข้อมูลหรือไม่");
    EXPECT_EQ(f.messages.last().caption, "บันทึกข้อมูล");
    EXPECT_EQ(f.messages.last().style, ui::msg::kConfirm);
    EXPECT_TRUE(w.addmode);

    w.Cmdsave.click();
    EXPECT_EQ(f.messages.last().text, "พบวารสารรายชื่อนี้ในฐานข้อมูล ไม่สามารถทำการเพิ่มรายชื่อใหม่ได้");
    EXPECT_EQ(f.messages.last().caption, "การบันทึกข้อมูลล้มเหลว");
    EXPECT_EQ(f.messages.last().style, ui::msg::kStop);
    EXPECT_EQ(w.focus(), &w.Text2);
    EXPECT_EQ(buttons(w), kEntering);
    EXPECT_EQ(w.Text3.text(), "") << "refused before the checks";
    EXPECT_EQ(f.count("vorlen1"), 1);
    EXPECT_EQ(f.cell("SELECT next_key1 FROM recsetup"), "J000002");

    // Names are one name trimmed on both sides and in any letter case, from
    // either page; wildcards are plain characters.
    for (const char* same : {"Nature's Digest ", "NATURE'S DIGEST", " nature's digest"}) {
        w.Text2.setText(same);
        w.SSTab1.setTab(1);
        w.Cmdsave.click();
        EXPECT_EQ(f.messages.last().caption, "การบันทึกข้อมูลล้มเหลว") << same;
        EXPECT_EQ(w.SSTab1.tab(), 0);
    }
    EXPECT_EQ(f.count("vorlen1"), 1);
    EXPECT_EQ(f.addTitle("Nature_s Digest"), "J000002");
}

// Edit hands the keys to the name field; from either page the clerk sees
// where they type.
TEST(NewJournalEdit, TheNameThatTakesTheKeysIsOnThePageShown) {
    NewJournalWindow f;
    auto& w = f.w;
    f.addTitle("วารสารที่แก้ไข");
    for (int shown : {0, 1}) {
        f.showTitle("วารสารที่แก้ไข");
        w.SSTab1.click(shown);
        w.Cmdedit.click();
        ASSERT_TRUE(w.editmode);
        EXPECT_EQ(w.focus(), &w.Text2);
        EXPECT_EQ(w.SSTab1.tab(), 0) << "Edit pressed on page " << shown + 1;
        f.messages.queue(ui::msg::kOk);
        w.Cmdcancle.click();
    }
}

TEST(NewJournalSave, AnUnreadableDateStopsTheSaveOnItsPage) {
    NewJournalWindow f;
    auto& w = f.w;
    w.Cmdadd.click();
    f.fillEntry("วารสารวันที่ผิด");
    const std::tuple<ui::TextBox*, QString, int> bad[] = {{&w.Mask4, "31/02/2026", 1},
                                                          {&w.Mask1, "1/1/26", 0},
                                                          {&w.Mask5, "05/03/", 1},
                                                          {&w.Mask3, "00/00/0000", 1},
                                                          {&w.Mask3, "aa/bb/cccc", 1}};
    for (const auto& [field, text, page] : bad) {
        const QString kept = field->text();
        field->setText(text);
        w.SSTab1.setTab(1 - page);
        f.messages.clear();
        w.Cmdsave.click();
        EXPECT_EQ(f.messages.last().text, "พิมพ์ข้อมูลวันที่ผิดพลาด ใช้รูปแบบ DD/MM/YYYY");
        EXPECT_EQ(f.messages.last().caption, "รูปแบบข้อมูลผิดพลาด");
        EXPECT_EQ(f.messages.last().style, ui::msg::kStop);
        EXPECT_EQ(w.focus(), field) << text.toStdString();
        EXPECT_EQ(w.SSTab1.tab(), page);
        EXPECT_TRUE(w.addmode);
        EXPECT_EQ(f.count("vorlen1"), 0);
        field->setText(kept);
    }
    EXPECT_EQ(f.cell("SELECT next_key1 FROM recsetup"), "J000001");
    w.Mask1.setText(" 1/2/2025 ");
    w.Cmdsave.click();
    EXPECT_EQ(f.cell("SELECT First_year_printed FROM vorlen1"), "01/02/2025");
}

TEST(NewJournalSave, FailedWritesLeaveTheWindowAndDatabaseAsTheyWere) {
    NewJournalWindow f;
    auto& w = f.w;
    // The end of a series.
    f.temp.db().exec("UPDATE recsetup SET next_key1 = 'J032767'");
    w.Cmdadd.click();
    f.fillEntry("วารสารสุดท้าย");
    w.Cmdsave.click();
    EXPECT_EQ(f.messages.last().style, ui::msg::kStop);
    EXPECT_TRUE(f.messages.last().text.contains("ใช้หมดแล้ว"));
    EXPECT_TRUE(w.addmode);
    EXPECT_EQ(buttons(w), kEntering);
    EXPECT_EQ(w.Text1.text(), "");
    EXPECT_EQ(f.count("vorlen1"), 0);
    EXPECT_EQ(f.cell("SELECT next_key1 FROM recsetup"), "J032767");

    // A write that the database refuses.
    f.temp.db().exec("UPDATE recsetup SET next_key1 = 'J000010'");
    testing_support::refuseWrites(f.temp.db(), "BEFORE INSERT", "typeclass", "disk full");
    w.Cmdsave.click();
    EXPECT_EQ(f.messages.last().caption, ui::kDatabaseErrorCaption);
    EXPECT_TRUE(w.addmode);
    EXPECT_EQ(buttons(w), kEntering);
    EXPECT_EQ(w.Text1.text(), "");
    EXPECT_EQ(w.Text2.text(), "วารสารสุดท้าย");
    EXPECT_EQ(f.count("vorlen1") + f.count("vorlen") + f.count("typeclass"), 0);
    EXPECT_EQ(f.cell("SELECT next_key1 FROM recsetup"), "J000010");

    testing_support::allowWrites(f.temp.db(), "typeclass");
    w.Cmdsave.click();
    EXPECT_EQ(f.cell("SELECT pointer FROM typeclass"), "J000010");
}

TEST(NewJournalSave, EditingAKeyWithNoStoredTitleWritesNothing) {
    NewJournalWindow f;
    auto& w = f.w;
    const QString key = f.addTitle("วารสารเดิม");
    // A key typed into the key field that has no title.
    w.Text1.setText("J'99999");
    w.Cmdedit.setEnabled(true);
    w.Cmdedit.click();
    EXPECT_TRUE(w.editmode);
    EXPECT_EQ(buttons(w), kEntering);
    EXPECT_EQ(w.focus(), &w.Text2);
    f.fillEntry("วารสารเดิม");
    w.Cmdsave.click();
    EXPECT_EQ(f.messages.last().text, "ไม่พบข้อมูลที่ต้องการค้นหา กรุณาตรวจสอบอีกครั้ง");
    EXPECT_EQ(f.messages.last().caption, "ผลการค้นหา");
    EXPECT_EQ(f.messages.last().style, ui::msg::kStop);
    EXPECT_TRUE(w.editmode);
    EXPECT_EQ(buttons(w), kEntering);
    EXPECT_EQ(f.count("vorlen1"), 1);
    EXPECT_EQ(f.cell("SELECT pointer FROM vorlen1"), key);
}

TEST(NewJournalDelete, RemovesEveryRowOfTheShownTitleAfterSayingWhatItHolds) {
    NewJournalWindow f;
    auto& w = f.w;
    // Place markers in a name stay as typed in every question.
    const QString key = f.addTitle("วารสาร %1%2 ที่จะลบ");
    const QString other = f.addTitle("วารสารที่อยู่ต่อ");
    // A second subscribing faculty and a second subject row of the same key.
    f.temp.db().exec("INSERT INTO vorlen SELECT * FROM vorlen WHERE pointer = ?", {key});
    f.temp.db().exec(
        "UPDATE vorlen SET department_code = '03' WHERE rowid ="
        " (SELECT max(rowid) FROM vorlen)");
    f.temp.db().exec("INSERT INTO typeclass VALUES (?, '02')", {key});
    f.temp.db().exec("INSERT INTO tranfile (magno, pointer) VALUES ('1', ?)", {key});
    f.showTitle("วารสาร %1%2 ที่จะลบ");
    EXPECT_EQ(buttons(w), kTitleShown);
    EXPECT_FALSE(w.Text1.enabled()) << "the key of a shown title is read-only";
    // Another key put into the field does not redirect the delete.
    w.Text1.setText(other);

    const QString question =
        "ต้องการลบข้อมูลหรือไม่\n" + key + " วารสาร %1%2 ที่จะลบ\nการบอกรับ 2 รายการ ฉบับที่ลงทะเบียนแล้ว 1 ฉบับ";
    // Declined at the first question, or at the second one that a title with
    // registered issues gets: nothing goes.
    for (int declinedAt : {1, 2}) {
        f.messages.clear();
        if (declinedAt == 2)
            f.messages.queue(ui::msg::kOk);
        f.messages.queue(ui::msg::kCancel);
        w.Cmddel.click();
        ASSERT_EQ(f.messages.shown().size(), size_t(declinedAt));
        EXPECT_EQ(f.messages.shown()[0].text, question);
        EXPECT_EQ(f.messages.shown()[0].caption, "ลบข้อมูล");
        EXPECT_EQ(f.count("vorlen"), 3);
    }
    EXPECT_EQ(f.messages.last().text,
              "วารสาร " + key +
                  " มีฉบับที่ลงทะเบียนแล้ว 1 ฉบับ ซึ่งจะยังอยู่ในทะเบียนและสถิติการรับ แต่ไม่มีรายชื่อวารสารแล้ว\n"
                  "ยืนยันการลบอีกครั้งหรือไม่");

    f.messages.clear();
    w.Cmddel.click();
    ASSERT_EQ(f.messages.shown().size(), 3u);
    EXPECT_EQ(f.count("vorlen"), 1) << "both subscriptions of the key went";
    EXPECT_EQ(f.count("typeclass"), 1);
    EXPECT_EQ(f.messages.last().text, "ลบข้อมูลเรียบร้อแล้ว");
    EXPECT_EQ(f.messages.last().caption, "แจ้งผลการลบข้อมูล");
    EXPECT_EQ(f.messages.last().style, ui::msg::kInformation);
    EXPECT_EQ(f.cell("SELECT pointer FROM vorlen1"), other);
    EXPECT_EQ(f.cell("SELECT pointer FROM vorlen"), other);
    EXPECT_EQ(f.cell("SELECT pointer FROM typeclass"), other);
    EXPECT_EQ(f.count("tranfile"), 1) << "registered issues stay";
    // The window is as just opened: nothing shown, so nothing to edit or delete.
    EXPECT_EQ(buttons(w), kBrowse);
    EXPECT_EQ(w.Text1.text(), "");
    EXPECT_TRUE(w.Text1.enabled());
    EXPECT_EQ(w.focus(), &w.Text2);

    // Forced on a blank window: nothing to delete, and the user is told so.
    w.Text1.setText(other);
    w.Cmddel.setEnabled(true);
    w.Cmddel.click();
    EXPECT_EQ(f.messages.last().text, "ไม่พบข้อมูลที่ต้องการค้นหา กรุณาตรวจสอบอีกครั้ง");
    EXPECT_EQ(f.messages.last().caption, "ผลการค้นหา");
    EXPECT_EQ(f.count("vorlen1"), 1);
}

TEST(NewJournalSave, EditSaveWritesTheShownTitleWhateverTheKeyField) {
    NewJournalWindow f;
    auto& w = f.w;
    const QString a = f.addTitle("วารสารเอ");
    const QString b = f.addTitle("วารสารบี");
    f.showTitle("วารสารเอ");
    w.Text1.setText(b);
    w.Cmdedit.click();
    EXPECT_FALSE(w.Text1.enabled());
    w.Text3.setText("แก้แล้ว");
    w.Cmdsave.click();
    EXPECT_EQ(f.cell("SELECT compare_name FROM vorlen1 WHERE pointer = ?", {a}), "แก้แล้ว");
    EXPECT_EQ(f.cell("SELECT vorlen_name FROM vorlen1 WHERE pointer = ?", {b}), "วารสารบี");
    EXPECT_EQ(f.cell("SELECT compare_name FROM vorlen1 WHERE pointer = ?", {b}), "  ");
    EXPECT_EQ(w.focus(), &w.Text2) << "the next search starts in the name field";
}

TEST(NewJournalExit, Command6UnloadsWithoutAsking) {
    NewJournalWindow f;
    bool unloaded = false;
    f.w.onUnload = [&] { unloaded = true; };
    f.w.Cmdadd.click();
    f.w.Command6.click();
    EXPECT_TRUE(unloaded);
    EXPECT_TRUE(f.messages.shown().empty());
}

TEST(NewJournalEscape, ClosesTheResultListElseActsAsCancel) {
    NewJournalWindow f;
    auto& w = f.w;
    const QString key = f.addTitle("วารสารที่แสดงอยู่");
    f.addTitle("วารสารอื่น");
    f.showTitle("วารสารที่แสดงอยู่");
    f.messages.clear();

    // An open result list closes, by Escape or by the focus going elsewhere,
    // and leaves the title shown as it was.
    for (const auto& close : std::initializer_list<std::function<void()>>{
             [&] { w.escape(); }, [&] { w.dlbnamemag.loseFocus(); }}) {
        w.Text2.setText("วารสาร");
        w.Text2.doubleClick();
        ASSERT_TRUE(w.dlbnamemag.visible());
        close();
        EXPECT_FALSE(w.dlbnamemag.visible());
        EXPECT_EQ(w.Text1.text(), key);
        EXPECT_EQ(w.Text2.text(), "วารสาร");
        EXPECT_EQ(buttons(w), kTitleShown);
        EXPECT_EQ(w.focus(), &w.Text2);
    }
    EXPECT_TRUE(f.messages.shown().empty());

    // With no list open, Escape is Cancel with its question.
    f.messages.queue(ui::msg::kCancel);
    w.escape();
    EXPECT_EQ(f.messages.last().text, "ต้องการยกเลิกข้อมูลหรือไม่");
    EXPECT_EQ(w.Text1.text(), key);
    w.escape();
    EXPECT_EQ(buttons(w), kBrowse);
    EXPECT_EQ(w.Text1.text(), "");
    EXPECT_EQ(w.focus(), &w.Text2);

    // On the window as just opened there is nothing to cancel.
    f.messages.clear();
    w.escape();
    EXPECT_TRUE(f.messages.shown().empty());
}
