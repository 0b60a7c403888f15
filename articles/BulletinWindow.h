#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Services.h"
#include "ui/TextBox.h"

namespace data {
class Database;
}

namespace articles {

// The index bulletin of the articles indexed in a range of days: printed,
// or saved as PDF, RIS or CSV.
class BulletinWindow : public ui::Form {
  public:
    explicit BulletinWindow(ui::Services& services);
    ~BulletinWindow() override;

    ui::Label fromLabel{"fromLabel", QStringLiteral("ทำดัชนีตั้งแต่วันที่")};
    ui::TextBox fromText{"fromText"};
    ui::Label toLabel{"toLabel", QStringLiteral("ถึงวันที่")};
    ui::TextBox toText{"toText"};
    ui::OptionButton withAbstractOption{"withAbstractOption", QStringLiteral("พร้อมบทคัดย่อ")};
    ui::OptionButton citationOnlyOption{"citationOnlyOption", QStringLiteral("เฉพาะบรรณานุกรม")};
    ui::Label countLabel{"countLabel"};
    ui::CommandButton printButton{"printButton", QStringLiteral("พิมพ์")};
    ui::CommandButton pdfButton{"pdfButton", QStringLiteral("บันทึก PDF")};
    ui::CommandButton risButton{"risButton", QStringLiteral("บันทึก RIS")};
    ui::CommandButton csvButton{"csvButton", QStringLiteral("บันทึก CSV")};
    ui::CommandButton closeButton{"closeButton", QStringLiteral("ปิด")};

    enum class Output { Printer, Pdf, Ris, Csv };

    bool Form_Load();
    void output(Output to);
    // The view asks where to save a RIS or CSV file.
    std::function<std::optional<QString>(const QString& proposed, Output kind)> askPath;

  private:
    bool attempt(const std::function<void()>& step);

    ui::Services& services_;
    std::unique_ptr<data::Database> db_;
};

}  // namespace articles
