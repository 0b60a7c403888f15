#pragma once

#include <memory>

#include "data/Database.h"
#include "search/SearchRecords.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Grid.h"
#include "ui/TextBox.h"

namespace search {

// The search window: one field that takes part of a name (main, compare,
// former or short), an ISSN, a key, part of a publisher's or agent's name, or
// a scanned barcode, and a grid of the titles found. A found title opens in
// the title window or in the registration window.
class SearchJournal : public ui::Form {
  public:
    explicit SearchJournal(ui::Services& services);

    ui::Frame findFrame{"findFrame",
                        QStringLiteral("ชื่อวารสาร / ISSN / เลขทะเบียน / ผู้จัดพิมพ์ / รหัสแท่ง")};
    ui::TextBox findText{"findText"};
    ui::CommandButton findButton{"findButton", QStringLiteral("ค้นหา")};
    // The titles found, in the columns of SearchColumn.
    ui::Grid resultList{"resultList", 14, kColumns};
    ui::Label countLabel{"countLabel"};
    // What the desk holds of the chosen title.
    ui::Label holdingsLabel{"holdingsLabel"};
    ui::CommandButton titleButton{"titleButton", QStringLiteral("ข้อมูลวารสาร")};
    ui::CommandButton registerButton{"registerButton", QStringLiteral("ลงทะเบียนวารสาร")};
    ui::CommandButton exitButton{"exitButton", QStringLiteral("Exit")};
    ui::CommandButton patternButton{"patternButton", QStringLiteral("รูปแบบการออก")};

    // False when the database cannot be opened (the user was told).
    bool Form_Load();
    void findButton_Click();
    // Enter searches, so a scanner's code is looked up as it ends.
    void findText_KeyPress(int& keyAscii);
    void titleButton_Click();
    void registerButton_Click();
    void exitButton_Click();

  private:
    std::shared_ptr<ui::RowSource> find(const QString& text, bool& refused);
    void showFound();
    void blankResult();
    // How many were found (-1 while a long list is being counted), and whether
    // an ISSN shown is wrong.
    void showSummary(int total);
    void showHoldings();
    void openChosen(const QString& window);
    void backToField();

    ui::Services& services_;
    std::unique_ptr<data::Database> db_;
};

}  // namespace search
