#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "late/LateRecords.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Grid.h"
#include "ui/PickList.h"
#include "ui/TextBox.h"

namespace data {
class Database;
}

namespace late {

// The late issues window: lists the live subscriptions whose next issue is
// overdue, by kind, faculty and agent, with the claims sent for each; opens
// the registration window on one; claims from one agent or from every agent
// (a letter each, printed or as PDF) the issues the ladder offers today;
// gives up an issue whose final claim went unanswered; saves the list as CSV.
class LateIssues : public ui::Form {
  public:
    explicit LateIssues(ui::Services& services);
    ~LateIssues() override;

    ui::Frame Frame1{"Frame1", QStringLiteral("เลือกประเภท")};
    ui::OptionButton Option1{"Option1", QStringLiteral("วารสาร")};
    ui::OptionButton Option2{"Option2", QStringLiteral("หนังสือพิมพ์")};
    ui::OptionButton Option3{"Option3", QStringLiteral("ทั้งหมด")};
    ui::Label Label1{"Label1", QStringLiteral("คณะ/หน่วยงาน")};
    ui::PickList dcbdepart{"dcbdepart"};
    ui::Label Label2{"Label2", QStringLiteral("ตัวแทน/ร้านค้า")};
    ui::PickList dcbdealer{"dcbdealer"};
    ui::CommandButton Cmdshow{"Cmdshow", QStringLiteral("แสดงรายการ")};
    ui::Grid showlate{"showlate", 1, columns};
    ui::Label Label3{"Label3", QString()};
    ui::CommandButton Cmdreg{"Cmdreg", QStringLiteral("ลงทะเบียนฉบับที่มาถึง")};
    ui::CommandButton Cmdclaim{"Cmdclaim", QStringLiteral("พิมพ์ใบทวงถาม")};
    ui::CommandButton Cmdclaimpdf{"Cmdclaimpdf", QStringLiteral("ใบทวงถามเป็น PDF")};
    ui::CommandButton Cmdcsv{"Cmdcsv", QStringLiteral("บันทึกเป็น CSV")};
    ui::CommandButton Cmdexit{"Cmdexit", QStringLiteral("ปิด")};
    ui::Frame Frame2{"Frame2", QStringLiteral("ใบทวงถามถึง")};
    ui::OptionButton Option4{"Option4", QStringLiteral("ตัวแทนที่เลือก")};
    ui::OptionButton Option5{"Option5", QStringLiteral("ทุกตัวแทน")};
    ui::Label Label4{"Label4", QStringLiteral("เหตุผลที่ไม่ได้รับ")};
    ui::TextBox Textreason{"Textreason"};
    ui::CommandButton Cmdnotreceived{"Cmdnotreceived", QStringLiteral("บันทึกว่าไม่ได้รับ")};

    // Grid columns.
    enum Column {
        pointer,
        name,
        department,
        agent,
        frequency,
        lastIssue,
        lastReceived,
        expected,
        daysLate,
        overdueIssue,
        claims,
        columns
    };

    bool Form_Load();
    void Cmdshow_Click();
    void showlate_Click();
    void Cmdreg_Click();
    void Cmdclaim_Click();
    void Cmdclaimpdf_Click();
    void Cmdcsv_Click();
    void Cmdnotreceived_Click();
    void Cmdexit_Click();

    // The shell opens the registration window on the title of a row.
    std::function<void(const LateTitle&)> onRegister;
    // Where the CSV goes: the file the user names, none when cancelled.
    std::function<std::optional<QString>(const QString& proposedName)> askCsvPath;

    const std::vector<LateTitle>& listed() const { return listed_; }

  private:
    // Faculties and agents may have changed since the window opened: the
    // filters are read again on every Show, keeping what is chosen while it
    // is still there.
    void readFilters();
    LateFilter filter() const;
    const LateTitle* chosen() const;
    // The agent a claim goes to: the one filtered on, else the chosen row's;
    // empty for every agent.
    QString claimAgent() const;
    void printClaim(bool toPdf);

    ui::Services& services_;
    std::unique_ptr<data::Database> db_;
    std::vector<LateTitle> listed_;
};

}  // namespace late
