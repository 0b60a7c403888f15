#pragma once

#include <memory>
#include <vector>

#include "catalogue/DealerPicks.h"
#include "catalogue/TitleRecords.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/PickList.h"
#include "ui/TextBox.h"

namespace data {
class Database;
}  // namespace data

namespace catalogue {

// The title entry window: a periodical title with its subscription and subject
// kind, entered, found by name, shown, edited and deleted.
class NewJournal : public ui::Form {
  public:
    explicit NewJournal(ui::Services& services);
    ~NewJournal() override;

    // Blanks and locks the entry, opens the database and reads the code lists.
    bool Form_Load();

    // Header
    ui::TextBox Text1{"Text1"};
    ui::Frame Frame1{"Frame1", QStringLiteral("ประเภท")};
    ui::OptionButton opt1{"opt1", QStringLiteral("วารสาร")};
    ui::OptionButton opt2{"opt2", QStringLiteral("หนังสือพิมพ์")};
    ui::PickList dlbtypemag{"dlbtypemag"};
    ui::TabControl SSTab1{"SSTab1", {QStringLiteral("หน้าที่1"), QStringLiteral("หน้าที่ 2")}};

    // Page 1: the title
    ui::TextBox Text2{"Text2"}, Text3{"Text3"}, Text4{"Text4"}, Text5{"Text5"};
    ui::TextBox Mask1{"Mask1"}, Mask2{"Mask2"};
    ui::PickList dcblanguage{"dcblanguage"}, dcbmagtype{"dcbmagtype"};
    ui::TextBox Text8{"Text8"}, Text9{"Text9"}, Text10{"Text10"}, Text6{"Text6"};
    ui::PickList dlbnamemag{"dlbnamemag"}, dlbdeler{"dlbdeler"};

    // Page 2: the subscription
    ui::PickList dcbdepart{"dcbdepart"}, dcbrecei{"dcbrecei"};
    ui::TextBox Text7{"Text7"}, Text11{"Text11"}, Text12{"Text12"};
    ui::PickList dcbcurren{"dcbcurren"};
    ui::TextBox Mask3{"Mask3"}, Mask4{"Mask4"}, Mask5{"Mask5"};
    ui::TextBox Text14{"Text14"}, Text13{"Text13"};
    ui::PickList dcbstatus{"dcbstatus"}, dcbbindsta{"dcbbindsta"}, dcbbindco{"dcbbindco"};
    ui::PickList dcbdeler1{"dcbdeler1"}, dlbdeler1{"dlbdeler1"};

    ui::CommandButton Cmdadd{"Cmdadd", QStringLiteral("เพิ่มรายชื่อใหม่")};
    ui::CommandButton Cmdedit{"Cmdedit", QStringLiteral("แก้ไขข้อมูล")};
    ui::CommandButton Cmddel{"Cmddel", QStringLiteral("ลบรายชื่อ")};
    ui::CommandButton Cmdsave{"Cmdsave", QStringLiteral("บันทึก")};
    ui::CommandButton Cmdcancle{"Cmdcancle", QStringLiteral("ยกเลิก")};
    ui::CommandButton Command6{"Command6", QStringLiteral("Exit")};
    // Page 2: the title's publication pattern, in a window of its own.
    ui::CommandButton patternButton{"patternButton", QStringLiteral("รูปแบบการออก...")};
    // What the desk holds of the title shown, per faculty.
    ui::Label holdingsLabel{"holdingsLabel"};

    // Window-level state
    bool addmode = false;
    bool editmode = false;
    bool inputok = false;
    int baddate = 0;

    // Commands
    void Cmdadd_Click();
    void cmdedit_Click();
    void cmdsave_Click();
    void Cmdcancle_Click();
    void Cmddel_Click();
    void Command6_Click();
    void patternButton_Click();

    // Title search and load
    void Text2_DblClick();
    void dlbnamemag_Click();
    // Another window hands over a title. An entry in progress is dropped only
    // when the clerk confirms, as Cancel asks; the title is then shown as in a
    // fresh window.
    void showTitle(const QString& pointer);
    QString openEntry() const override;

    // Publisher pick lists
    void Text10_DblClick();
    void Text14_DblClick();
    void dcbdeler1_Click();
    void dlbdeler_DblClick();
    void dlbdeler1_DblClick();

    // The name search result: closed without a pick, the fields stay as they were.
    void dlbnamemag_LostFocus();

    // Date and number fields: their key, change and click handlers are wired
    // from one table (EntryFields).
    void monthCheck(ui::TextBox& field);
    // Focus moved on by Enter selects the whole field, as Tab does.
    void focusSelected(ui::TextBox& field);

    // Procedures
    void clearinput();
    void lockinput();
    void unlockinput();
    void resetbuttom(bool add, bool edit, bool del, bool save, bool cancel);
    void checkinput();
    void checkdate(const QString& dateText);
    // Fills the window from the stored title of the key in Text1.
    void loadtitle();

  private:
    // Fills the code lists from the code tables, keeping each chosen code.
    void readCodeLists();
    void wire();
    void closeNameList();
    void escapePressed();
    // Writes the entry as a new title or over the loaded one; false when
    // nothing was written.
    bool writeTitle();
    void showNotFound();
    // Back to the window just opened; the focus waits in the name field.
    void backToBrowse();
    // Publishers whose names contain the text; when none, the register opens
    // with `newdealer` set. Returns the rows found (empty when none or failed).
    std::vector<ui::PickRow> findDealers(const QString& text, const QString& newdealer);

    ui::Services& services_;
    std::unique_ptr<data::Database> db_;
    DealerPicks picks_;
    // The title a load showed: edit-save and delete act on it, whatever the
    // key field holds by then. Empty when none is shown.
    QString loadedKey_;
    QString loadedName_;
};

}  // namespace catalogue
