#pragma once

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "data/Database.h"
#include "settings/CodeTableRecords.h"
#include "settings/CodeTableSource.h"
#include "settings/FrequencyIntervals.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Grid.h"
#include "ui/PickList.h"
#include "ui/TextBox.h"

namespace settings {

// Keeps the code tables: lists a table's codes with their Thai descriptions
// (the frequencies with their interval), adds a row, changes a description
// and deletes an unused row, and says what each change did. Opened for one
// table, or for several with a table list; the defaults window also sets the
// unit name shown in the main window's caption.
class CodeTableWindow : public ui::Form {
  public:
    CodeTableWindow(ui::Services& services, QString caption, std::vector<CodeKind> kinds,
                    bool withUnitName = false);

    ui::Label tableLabel{"tableLabel", QStringLiteral("ตาราง")};
    ui::PickList tableList{"tableList"};
    ui::Grid codeList{"codeList", 1, 2};
    ui::Label codeLabel{"codeLabel", QStringLiteral("รหัส")};
    ui::TextBox codeText{"codeText"};
    ui::Label descriptionLabel{"descriptionLabel", QStringLiteral("คำอธิบาย")};
    ui::TextBox descriptionText{"descriptionText"};
    ui::CommandButton addButton{"addButton", QStringLiteral("เพิ่ม")};
    ui::CommandButton saveButton{"saveButton", QStringLiteral("แก้ไขคำอธิบาย")};
    ui::CommandButton deleteButton{"deleteButton", QStringLiteral("ลบ")};
    ui::CommandButton exitButton{"exitButton", QStringLiteral("ปิด")};
    ui::Label intervalLabel{"intervalLabel", QStringLiteral("ออกทุก (วัน)")};
    ui::TextBox intervalText{"intervalText"};
    ui::Label graceLabel{"graceLabel", QStringLiteral("ผ่อนผัน (วัน)")};
    ui::TextBox graceText{"graceText"};
    ui::CommandButton intervalButton{"intervalButton", QStringLiteral("บันทึกรอบการออก")};
    ui::Frame unitFrame{"unitFrame", QStringLiteral("ชื่อหน่วยงานบนแถบชื่อโปรแกรม")};
    ui::TextBox unitNameText{"unitNameText"};
    // The unit's address heads the claims the desk sends.
    ui::Label addressLabel{"addressLabel", QStringLiteral("ที่อยู่")};
    ui::TextBox addressText{"addressText"};
    // The desk under the unit's name on a claim, and how long it waits
    // before it claims an issue again.
    ui::Label claimDeskLabel{"claimDeskLabel", QStringLiteral("งานที่ทวงถาม")};
    ui::TextBox claimDeskText{"claimDeskText"};
    ui::Label deskAddressLabel{"deskAddressLabel", QStringLiteral("ที่อยู่งาน")};
    ui::TextBox deskAddressText{"deskAddressText"};
    ui::Label claimAgainLabel{"claimAgainLabel", QStringLiteral("ทวงถามซ้ำเมื่อผ่านไป (วัน)")};
    ui::TextBox claimAgainText{"claimAgainText"};
    ui::CommandButton unitButton{"unitButton", QStringLiteral("บันทึกชื่อหน่วยงาน")};

    static constexpr int kClientWidth = 8400, kClientHeight = 8520;  // twips

    // False when the database cannot be opened (the user was told).
    bool Form_Load();
    void tableList_Click();
    void codeList_Click();
    void addButton_Click();
    void saveButton_Click();
    void deleteButton_Click();
    void exitButton_Click();
    void unitButton_Click();
    void intervalButton_Click();

    CodeKind kind() const { return kinds_.at(std::size_t(std::max(0, tableList.chosenRow()))); }
    // The unit name was saved; the main window shows it at once.
    std::function<void(const QString&)> onUnitName;

  private:
    void showUnit();
    bool frequencies() const { return kind() == CodeKind::magtype; }
    // Lists the table from its first page in stored order.
    void showTable();
    // A change to a code's row: the row at `from` (its place before, -1 for a
    // row added) takes its place now, or leaves; the row there is current,
    // so a changed row stays in sight, and the fields are empty again.
    void placeRow(const QString& code, int from);
    // The cells of a code's row; nullopt when the table has none.
    std::optional<QStringList> rowOf(const QString& code) const;
    // The code's row and its place in the list; none, the clerk told why,
    // when it cannot be read or is not there.
    std::optional<QStringList> listedRow(const QString& code, int& from);
    // The interval fields show the interval of the code typed.
    void followCode();
    void done(const QString& text);
    bool refuse(const CodeTableRecords::Result& result, const QString& code);
    bool refuseInterval(FrequencyIntervals::Outcome outcome, const QString& code);

    ui::Services& services_;
    std::vector<CodeKind> kinds_;
    std::unique_ptr<data::Database> db_;
    std::shared_ptr<CodeTableSource> list_;
};

}  // namespace settings
