#pragma once

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "data/Database.h"
#include "settings/CodeTableRecords.h"
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

    ui::Label Label1{"Label1", QStringLiteral("ตาราง")};
    ui::PickList dcbtable{"dcbtable"};
    ui::Grid showcode{"showcode", 1, 2};
    ui::Label Label2{"Label2", QStringLiteral("รหัส")};
    ui::TextBox Text1{"Text1"};
    ui::Label Label3{"Label3", QStringLiteral("คำอธิบาย")};
    ui::TextBox Text2{"Text2"};
    ui::CommandButton Cmdadd{"Cmdadd", QStringLiteral("เพิ่ม")};
    ui::CommandButton Cmdsave{"Cmdsave", QStringLiteral("แก้ไขคำอธิบาย")};
    ui::CommandButton Cmddel{"Cmddel", QStringLiteral("ลบ")};
    ui::CommandButton Cmdexit{"Cmdexit", QStringLiteral("ปิด")};
    ui::Label Label4{"Label4", QStringLiteral("ออกทุก (วัน)")};
    ui::TextBox Text4{"Text4"};
    ui::Label Label5{"Label5", QStringLiteral("ผ่อนผัน (วัน)")};
    ui::TextBox Text5{"Text5"};
    ui::CommandButton Cmdinterval{"Cmdinterval", QStringLiteral("บันทึกรอบการออก")};
    ui::Frame Frame1{"Frame1", QStringLiteral("ชื่อหน่วยงานบนแถบชื่อโปรแกรม")};
    ui::TextBox Text3{"Text3"};
    // The unit's address heads the claims the desk sends.
    ui::Label Label6{"Label6", QStringLiteral("ที่อยู่")};
    ui::TextBox Text6{"Text6"};
    // The desk under the unit's name on a claim, and how long it waits
    // before it claims an issue again.
    ui::Label Label7{"Label7", QStringLiteral("งานที่ทวงถาม")};
    ui::TextBox Text7{"Text7"};
    ui::Label Label8{"Label8", QStringLiteral("ที่อยู่งาน")};
    ui::TextBox Text8{"Text8"};
    ui::Label Label9{"Label9", QStringLiteral("ทวงถามซ้ำเมื่อผ่านไป (วัน)")};
    ui::TextBox Text9{"Text9"};
    ui::CommandButton Cmdunit{"Cmdunit", QStringLiteral("บันทึกชื่อหน่วยงาน")};

    static constexpr int kClientWidth = 8400, kClientHeight = 8520;  // twips

    // False when the database cannot be opened (the user was told).
    bool Form_Load();
    void dcbtable_Click();
    void showcode_Click();
    void Cmdadd_Click();
    void Cmdsave_Click();
    void Cmddel_Click();
    void Cmdexit_Click();
    void Cmdunit_Click();
    void Cmdinterval_Click();

    CodeKind kind() const { return kinds_.at(std::max(0, dcbtable.chosenRow())); }
    // The unit name was saved; the main window shows it at once.
    std::function<void(const QString&)> onUnitName;

  private:
    void showUnit();
    bool frequencies() const { return kind() == CodeKind::magtype; }
    // Reads the table again; the row of `current` (else the row at `row`)
    // becomes the current one, so a changed row stays in sight.
    void showTable(const QString& current = {}, int row = 1);
    // The grid row of a code; 0 when the table has none.
    int rowOf(const QString& code) const;
    // The interval fields show the interval of the code typed.
    void followCode();
    void done(const QString& text);
    bool refuse(const CodeTableRecords::Result& result, const QString& code);
    bool refuseInterval(FrequencyIntervals::Outcome outcome, const QString& code);

    ui::Services& services_;
    std::vector<CodeKind> kinds_;
    std::unique_ptr<data::Database> db_;
};

}  // namespace settings
