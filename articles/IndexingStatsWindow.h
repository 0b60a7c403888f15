#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "articles/IndexingStats.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Grid.h"
#include "ui/Services.h"
#include "ui/StatsOutput.h"
#include "ui/TextBox.h"

namespace data {
class Database;
}

namespace articles {

// Indexing statistics: articles indexed and cards printed in each month of a
// year, by faculty or by kind, as a table (and a bar chart in the view),
// printed or saved.
class IndexingStatsWindow : public ui::Form {
  public:
    explicit IndexingStatsWindow(ui::Services& services);
    ~IndexingStatsWindow() override;

    ui::Label yearLabel{"yearLabel", QStringLiteral("ปี ค.ศ.")};
    ui::TextBox yearText{"yearText"};
    ui::Frame groupFrame{"groupFrame", QStringLiteral("แยกตาม")};
    ui::OptionButton facultyOption{"facultyOption", QStringLiteral("คณะ/หน่วยงาน")};
    ui::OptionButton kindOption{"kindOption", QStringLiteral("ประเภท")};
    ui::CommandButton showButton{"showButton", QStringLiteral("แสดง")};
    ui::Grid statsTable{"statsTable", 1, 14};
    ui::CommandButton printButton{"printButton", QStringLiteral("พิมพ์")};
    ui::CommandButton pdfButton{"pdfButton", QStringLiteral("บันทึก PDF")};
    ui::CommandButton pngButton{"pngButton", QStringLiteral("บันทึก PNG")};
    ui::CommandButton closeButton{"closeButton", QStringLiteral("ปิด")};

    using Output = ui::StatsOutput;

    bool Form_Load();
    void showButton_Click();
    // The view wrote the file the user named, or could not.
    void reportSaved(const QString& path);
    void reportUnsaved(const QString& path);

    // The groups shown, without the totals.
    const std::vector<IndexingCounts>& shown() const { return shown_; }
    // A new table was shown (the view redraws its chart).
    std::function<void()> onShown;
    // The view puts the table and the chart on the printer or into a file.
    std::function<void(Output)> onOutput;

  private:
    void output(Output to);

    ui::Services& services_;
    std::unique_ptr<data::Database> db_;
    std::vector<IndexingCounts> shown_;
};

}  // namespace articles
