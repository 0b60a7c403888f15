#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "titlelist/TitleListRecords.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Grid.h"
#include "ui/PickList.h"

namespace data {
class Database;
}

namespace titlelist {

// The printed title lists: the subscriptions of one faculty, one kind, one
// subject kind or all, in Thai dictionary order with their holdings, read a
// page at a time and sorted by any column but the holdings; printed, saved
// as PDF or as CSV a page at a time too.
class TitleListWindow : public ui::Form {
  public:
    TitleListWindow(ui::Services& services, TitleListFilter start);
    ~TitleListWindow() override;

    ui::Label scopeLabel{"scopeLabel", QStringLiteral("รายการของ")};
    ui::PickList scopeList{"scopeList"};
    ui::PickList codeList{"codeList"};
    ui::CommandButton showButton{"showButton", QStringLiteral("แสดงรายการ")};
    ui::Grid titleGrid{"titleGrid", 1, 8};
    ui::Label countLabel{"countLabel", QString()};
    ui::CommandButton printButton{"printButton", QStringLiteral("พิมพ์")};
    ui::CommandButton pdfButton{"pdfButton", QStringLiteral("บันทึก PDF")};
    ui::CommandButton csvButton{"csvButton", QStringLiteral("บันทึก CSV")};
    ui::CommandButton exitButton{"exitButton", QStringLiteral("ปิด")};

    bool Form_Load();
    void scopeList_Change();
    void showButton_Click();
    void printButton_Click() { printList(false); }
    void pdfButton_Click() { printList(true); }
    void csvButton_Click();
    void exitButton_Click() { unload(); }

    TitleListFilter filter() const;
    // Where the CSV goes: the file the user names, none when cancelled.
    std::function<std::optional<QString>(const QString& proposedName)> askCsvPath;

  private:
    void showCount(int total);
    void printList(bool toPdf);
    QString proposedName(const char* suffix) const;

    ui::Services& services_;
    std::unique_ptr<data::Database> db_;
    TitleListFilter start_;
};

}  // namespace titlelist
