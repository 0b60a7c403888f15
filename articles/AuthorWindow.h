#pragma once

#include <memory>
#include <optional>

#include "articles/AuthorRecords.h"
#include "articles/AuthorSource.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Grid.h"
#include "ui/Services.h"
#include "ui/TextBox.h"

namespace articles {

// The author names ("ชื่อผุ้แต่ง"): find by part of a name, correct a name
// (every article follows), merge a second form of a name into the right one,
// and delete a name no article uses.
class AuthorWindow : public ui::Form {
  public:
    explicit AuthorWindow(ui::Services& services);
    ~AuthorWindow() override;

    ui::TextBox searchText{"searchText"};
    ui::CommandButton findButton{"findButton", QStringLiteral("ค้นหา")};
    ui::Grid authorList{"authorList", 1, 3};
    ui::TextBox nameText{"nameText"};
    ui::OptionButton personOption{"personOption", QStringLiteral("บุคคล")};
    ui::OptionButton corporateOption{"corporateOption", QStringLiteral("นิติบุคคล")};
    ui::CommandButton correctButton{"correctButton", QStringLiteral("แก้ไขชื่อ")};
    ui::CommandButton keepButton{"keepButton", QStringLiteral("ใช้เป็นชื่อที่ถูกต้อง")};
    ui::Label keptLabel{"keptLabel"};
    ui::CommandButton mergeButton{"mergeButton", QStringLiteral("รวมเข้ากับชื่อที่ถูกต้อง")};
    ui::CommandButton deleteButton{"deleteButton", QStringLiteral("ลบชื่อ")};
    ui::CommandButton closeButton{"closeButton", QStringLiteral("ปิด")};

    bool Form_Load();
    void findButton_Click();
    void authorList_Click();
    void correctButton_Click();
    void keepButton_Click();
    void mergeButton_Click();
    void deleteButton_Click();

  private:
    bool attempt(const std::function<void()>& step);
    // The author of the current row, as the list shows it.
    std::optional<Author> current() const;
    // Lists the authors found again in the order chosen, the row of `select` current.
    void refresh(qint64 select);

    ui::Services& services_;
    std::unique_ptr<data::Database> db_;
    std::shared_ptr<AuthorSource> list_;
    std::optional<Author> kept_;
};

}  // namespace articles
