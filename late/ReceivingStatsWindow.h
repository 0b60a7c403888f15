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

    ui::Label Label1{"Label1", QStringLiteral("ปี ค.ศ.")};
    ui::TextBox Text1{"Text1"};
    ui::Frame Frame1{"Frame1", QStringLiteral("แยกตาม")};
    ui::OptionButton Option1{"Option1", QStringLiteral("คณะ/หน่วยงาน")};
    ui::OptionButton Option2{"Option2", QStringLiteral("ประเภท")};
    ui::CommandButton Cmdshow{"Cmdshow", QStringLiteral("แสดง")};
    ui::Grid showstat{"showstat", 1, 14};
    ui::CommandButton Cmdprint{"Cmdprint", QStringLiteral("พิมพ์")};
    ui::CommandButton Cmdpdf{"Cmdpdf", QStringLiteral("บันทึก PDF")};
    ui::CommandButton Cmdpng{"Cmdpng", QStringLiteral("บันทึก PNG")};
    ui::CommandButton Cmdexit{"Cmdexit", QStringLiteral("ปิด")};

    using Output = ui::StatsOutput;

    bool Form_Load();
    void Cmdshow_Click();
    void Cmdprint_Click() { output(Output::Printer); }
    void Cmdpdf_Click() { output(Output::Pdf); }
    void Cmdpng_Click() { output(Output::Png); }
    void Cmdexit_Click();
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
