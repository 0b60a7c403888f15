#include "tests/catalogue/NewJournalFixture.h"

using testing_support::NewJournalWindow;

// Where the title window meets the settings, another desk and the search
// window: nothing is stored that the clerk did not see or mean.

TEST(EntrySeams, AnUntouchedPickListKeepsItsStoredCodeWhenTwoCodesShareADescription) {
    NewJournalWindow f;
    auto& w = f.w;
    // Faculty 09 carries faculty 02's description.
    f.temp.db().exec("INSERT INTO department VALUES ('09', 'คณะครุศาสตร์')");
    f.temp.db().exec("INSERT INTO currmony VALUES ('06', 'บาท')");
    const QString key = f.addTitle("วารสารคณะเก้า");
    f.temp.db().exec("UPDATE vorlen SET department_code = '09', currency_code = '06'"
                     " WHERE pointer = ?",
                     {key});

    f.showTitle("วารสารคณะเก้า");
    EXPECT_EQ(w.dcbdepart.boundText(), "09");
    w.Cmdedit.click();  // reads the code lists again
    w.Text3.setText("แก้ชื่อเทียบเคียงอย่างเดียว");
    w.Cmdsave.click();
    EXPECT_EQ(f.messages.last().text, "การบันทึกข้อมูลวารสารรายชื่อใหม่เรียบร้อยแล้ว");
    EXPECT_EQ(f.cell("SELECT department_code FROM vorlen WHERE pointer = ?", {key}), "09");
    EXPECT_EQ(f.cell("SELECT currency_code FROM vorlen WHERE pointer = ?", {key}), "06");
}

TEST(EntrySeams, ASaveRechecksInsideItsTransactionWhatAnotherDeskChangedMeanwhile) {
    // Each: what a second connection does while the save runs, and the refusal.
    const std::pair<const char*, QString> cases[] = {
        {"INSERT INTO vorlen1 (pointer, vorlen_name) VALUES ('J000099', 'วารสารชื่อซ้ำ')",
         "พบวารสารรายชื่อนี้ในฐานข้อมูล ไม่สามารถทำการเพิ่มรายชื่อใหม่ได้"},
        {"DELETE FROM dealer WHERE Publisher_Code = '4'", "ไม่พบผู้จัดพิมพ์ชื่อนี้ กรุณาเลือกจากรายการ"},
        {"DELETE FROM dealer WHERE Publisher_Code = '2'",
         "ไม่พบตัวแทน/ร้านค้าชื่อนี้ กรุณาเลือกจากรายการ"},
        {"DELETE FROM department WHERE Department_Code = '02'",
         "ไม่พบรหัส 02 ของ คณะ/หน่วยงานที่บอกรับ ในตารางรหัสแล้ว กรุณาเลือกใหม่"},
        {"DELETE FROM bindcolor WHERE BindType_Code = '02'",
         "ไม่พบรหัส 02 ของ สีปก ในตารางรหัสแล้ว กรุณาเลือกใหม่"},
    };
    for (const auto& [meanwhile, message] : cases) {
        NewJournalWindow f;
        auto& w = f.w;
        w.Cmdadd.click();
        f.fillEntry("วารสารชื่อซ้ำ");
        // The ISSN warning is up after the window's own checks passed and
        // before the save's transaction begins.
        w.Mask2.setText("1234-5678");
        f.messages.onShow = [&f, sql = meanwhile](const ui::FakeMessageBox::Shown& shown) {
            if (shown.style == ui::msg::kWarning)
                f.temp.db().exec(sql);
        };
        w.Cmdsave.click();
        f.messages.onShow = nullptr;
        EXPECT_EQ(f.messages.last().text, message) << meanwhile;
        EXPECT_EQ(f.messages.last().caption, "การบันทึกข้อมูลล้มเหลว");
        EXPECT_TRUE(w.addmode) << "the entry stays to be put right";
        EXPECT_EQ(f.cell("SELECT count(*) FROM vorlen1 WHERE pointer <> 'J000099'"), "0");
        EXPECT_EQ(f.count("vorlen"), 0);
        EXPECT_EQ(f.cell("SELECT next_key1 FROM recsetup"), "J000001") << "no key taken";
    }
}

TEST(EntrySeams, ATitleHandedOverDuringAnEntryAsksFirstAndThenShowsTheTitle) {
    NewJournalWindow f;
    auto& w = f.w;
    const QString key = f.addTitle("วารสารจากการสืบค้น");
    for (bool editing : {false, true}) {
        if (editing) {
            f.addTitle("วารสารที่แก้อยู่");
            f.showTitle("วารสารที่แก้อยู่");
            w.Cmdedit.click();
        } else {
            w.Cmdadd.click();
        }
        w.Text2.setText("ชื่อที่ยังไม่บันทึก");
        f.messages.clear();
        f.messages.queue(ui::msg::kCancel);
        w.showTitle(key);
        ASSERT_EQ(f.messages.shown().size(), 1u);
        EXPECT_EQ(f.messages.last().text, "ต้องการยกเลิกข้อมูลหรือไม่");
        EXPECT_EQ(w.Text2.text(), "ชื่อที่ยังไม่บันทึก") << "declined: the entry stays";
        EXPECT_TRUE(w.Cmdsave.enabled());

        w.showTitle(key);
        EXPECT_EQ(w.Text2.text(), "วารสารจากการสืบค้น");
        EXPECT_FALSE(w.addmode || w.editmode);
        EXPECT_FALSE(w.Text3.enabled()) << "no field is left open";
        EXPECT_FALSE(w.Text1.enabled());
        EXPECT_EQ(std::vector<bool>({w.Cmdadd.enabled(), w.Cmdedit.enabled(), w.Cmddel.enabled(),
                                     w.Cmdsave.enabled(), w.Cmdcancle.enabled()}),
                  std::vector<bool>({false, true, true, false, true}));
        w.Cmdcancle.click();
    }
}

TEST(EntrySeams, EscapeClosesAnOpenPublisherOrAgentListBeforeItCancels) {
    NewJournalWindow f;
    auto& w = f.w;
    w.Cmdadd.click();
    const std::pair<ui::TextBox*, ui::PickList*> lists[] = {{&w.Text10, &w.dlbdeler},
                                                            {&w.Text14, &w.dlbdeler1}};
    for (const auto& [name, list] : lists) {
        name->setText("");
        name->doubleClick();  // F4 does what a double-click does
        ASSERT_TRUE(list->visible());
        EXPECT_EQ(w.focus(), list) << "the keys go to the list it opened";
        f.messages.clear();
        w.escape();
        EXPECT_FALSE(list->visible());
        EXPECT_TRUE(f.messages.shown().empty()) << "no question about the entry";
        EXPECT_EQ(w.focus(), name);
        EXPECT_TRUE(w.addmode);
    }
    // After a cancel no list stays drawn over the fields.
    w.Text10.doubleClick();
    w.Text14.doubleClick();
    w.Cmdcancle.click();
    EXPECT_FALSE(w.dlbdeler.visible());
    EXPECT_FALSE(w.dlbdeler1.visible());
}
