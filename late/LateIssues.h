#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "late/LateList.h"
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

    ui::Frame kindFrame{"kindFrame", QStringLiteral("เลือกประเภท")};
    ui::OptionButton journalsOption{"journalsOption", QStringLiteral("วารสาร")};
    ui::OptionButton newspapersOption{"newspapersOption", QStringLiteral("หนังสือพิมพ์")};
    ui::OptionButton allKindsOption{"allKindsOption", QStringLiteral("ทั้งหมด")};
    ui::Label facultyLabel{"facultyLabel", QStringLiteral("คณะ/หน่วยงาน")};
    ui::PickList facultyFilter{"facultyFilter"};
    ui::Label agentLabel{"agentLabel", QStringLiteral("ตัวแทน/ร้านค้า")};
    ui::PickList agentFilter{"agentFilter"};
    ui::CommandButton showButton{"showButton", QStringLiteral("แสดงรายการ")};
    // The late issues, their rows read a page at a time as the view asks.
    ui::Grid lateList{"lateList", 1, column::count};
    ui::Label countLabel{"countLabel", QString()};
    ui::CommandButton registerButton{"registerButton", QStringLiteral("ลงทะเบียนฉบับที่มาถึง")};
    ui::CommandButton claimButton{"claimButton", QStringLiteral("พิมพ์ใบทวงถาม")};
    ui::CommandButton claimPdfButton{"claimPdfButton", QStringLiteral("ใบทวงถามเป็น PDF")};
    ui::CommandButton csvButton{"csvButton", QStringLiteral("บันทึกเป็น CSV")};
    ui::CommandButton closeButton{"closeButton", QStringLiteral("ปิด")};
    ui::Frame claimToFrame{"claimToFrame", QStringLiteral("ใบทวงถามถึง")};
    ui::OptionButton chosenAgentOption{"chosenAgentOption", QStringLiteral("ตัวแทนที่เลือก")};
    ui::OptionButton everyAgentOption{"everyAgentOption", QStringLiteral("ทุกตัวแทน")};
    ui::Label reasonLabel{"reasonLabel", QStringLiteral("เหตุผลที่ไม่ได้รับ")};
    ui::TextBox reasonText{"reasonText"};
    ui::CommandButton notReceivedButton{"notReceivedButton", QStringLiteral("บันทึกว่าไม่ได้รับ")};

    bool Form_Load();
    void showButton_Click();
    void lateList_Click();
    void registerButton_Click();
    void claimButton_Click();
    void claimPdfButton_Click();
    void csvButton_Click();
    void notReceivedButton_Click();
    void closeButton_Click();

    // The shell opens the registration window on the title of a row.
    std::function<void(const LateTitle&)> onRegister;
    // Where the CSV goes: the file the user names, none when cancelled.
    std::function<std::optional<QString>(const QString& proposedName)> askCsvPath;

    const LateList& listed() const { return *listed_; }

  private:
    // Faculties and agents may have changed since the window opened: the
    // filters are read again on every Show, keeping what is chosen while it
    // is still there.
    void readFilters();
    // Reads them once a list is shown; shows it again if what it was chosen
    // by is gone.
    void refreshFilters();
    void showList();
    LateFilter filter() const;
    std::optional<LateTitle> chosen();
    // The agent a claim goes to: the one filtered on, else the chosen row's;
    // empty for every agent.
    QString claimAgent();
    void printClaim(bool toPdf);
    // Shows the list again, the same row current where there still is one.
    void showAgain();

    ui::Services& services_;
    std::unique_ptr<data::Database> db_;
    std::shared_ptr<LateList> listed_ = std::make_shared<LateList>();
    bool filtersRead_ = false;
    bool showing_ = false;    // within a Show
    bool showAgain_ = false;  // the filters changed within it
};

}  // namespace late
