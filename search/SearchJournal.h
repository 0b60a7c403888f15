#pragma once

#include <memory>

#include "data/Database.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Grid.h"
#include "ui/TextBox.h"

namespace search {

struct FoundTitle;

// The search window: one field that takes part of a name (main, compare,
// former or short), an ISSN, a key, part of a publisher's or agent's name, or
// a scanned barcode, and a grid of the titles found. A found title opens in
// the title window or in the registration window.
class SearchJournal : public ui::Form {
  public:
    explicit SearchJournal(ui::Services& services);

    // Result columns.
    enum Column { Key, Kind, Name, Issn, Publisher, Status, PeriodEnd, LatestIssue, kColumns };
    // Follows an ISSN whose check character is wrong.
    static inline const QString kIssnMark = QStringLiteral(" ผิด");

    ui::Frame Frame1{"Frame1", QStringLiteral("ชื่อวารสาร / ISSN / เลขทะเบียน / ผู้จัดพิมพ์ / รหัสแท่ง")};
    ui::TextBox Text1{"Text1"};
    ui::CommandButton Command1{"Command1", QStringLiteral("ค้นหา")};
    ui::Grid show_result{"show_result", 14, kColumns};
    ui::Label Label1{"Label1"};
    // What the desk holds of the chosen title.
    ui::Label holdingsLabel{"holdingsLabel"};
    ui::CommandButton Command2{"Command2", QStringLiteral("ข้อมูลวารสาร")};
    ui::CommandButton Command3{"Command3", QStringLiteral("ลงทะเบียนวารสาร")};
    ui::CommandButton Command4{"Command4", QStringLiteral("Exit")};
    ui::CommandButton patternButton{"patternButton", QStringLiteral("รูปแบบการออก")};

    // False when the database cannot be opened (the user was told).
    bool Form_Load();
    void Command1_Click();
    // Enter searches, so a scanner's code is looked up as it ends.
    void Text1_KeyPress(int& keyAscii);
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

  private:
    std::vector<FoundTitle> find(const QString& text, bool& refused);
    void showFound(const std::vector<FoundTitle>& found);
    void blankResult();
    void showHoldings();
    void openChosen(const QString& window);
    void backToField();

    ui::Services& services_;
    std::unique_ptr<data::Database> db_;
};

}  // namespace search
