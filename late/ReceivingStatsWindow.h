#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "late/ReceivingStats.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Grid.h"
#include "ui/StatsOutput.h"
#include "ui/TextBox.h"

namespace data {
class Database;
}

namespace late {

// Receiving statistics: issues received per month of a year, by faculty or by
// kind, as a table (and a bar chart in the view), printed or saved.
class ReceivingStatsWindow : public ui::Form {
  public:
    explicit ReceivingStatsWindow(ui::Services& services);
    ~ReceivingStatsWindow() override;

    ui::Label yearLabel{"yearLabel", QStringLiteral("ปี ค.ศ.")};
    ui::TextBox yearText{"yearText"};
    ui::Frame groupFrame{"groupFrame", QStringLiteral("แยกตาม")};
    ui::OptionButton byFacultyOption{"byFacultyOption", QStringLiteral("คณะ/หน่วยงาน")};
    ui::OptionButton byKindOption{"byKindOption", QStringLiteral("ประเภท")};
    ui::CommandButton showButton{"showButton", QStringLiteral("แสดง")};
    ui::Grid statsGrid{"statsGrid", 1, 14};
    ui::CommandButton printButton{"printButton", QStringLiteral("พิมพ์")};
    ui::CommandButton pdfButton{"pdfButton", QStringLiteral("บันทึก PDF")};
    ui::CommandButton pngButton{"pngButton", QStringLiteral("บันทึก PNG")};
    ui::CommandButton closeButton{"closeButton", QStringLiteral("ปิด")};

    using Output = ui::StatsOutput;

    bool Form_Load();
    void showButton_Click();
    void printButton_Click() { output(Output::Printer); }
    void pdfButton_Click() { output(Output::Pdf); }
    void pngButton_Click() { output(Output::Png); }
    void closeButton_Click();
    // The view wrote the file the user named, or could not.
    void reportSaved(const QString& path);
    void reportUnsaved(const QString& path);

    // The groups shown, without the total row.
    const std::vector<MonthCounts>& shown() const { return shown_; }
    // A new table was shown (the view redraws its chart).
    std::function<void()> onShown;
    // The view puts the table and the chart on the printer or into a file.
    std::function<void(Output)> onOutput;

  private:
    void output(Output to);

    ui::Services& services_;
    std::unique_ptr<data::Database> db_;
    std::vector<MonthCounts> shown_;
};

}  // namespace late
