#pragma once

#include <memory>

#include "data/Database.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/TextBox.h"

namespace publishers {

// The publisher register: adds one publisher, agent or shop. It opens with
// the next free code and the name the title window handed over.
class Adddealer : public ui::Form {
  public:
    explicit Adddealer(ui::Services& services);

    ui::Label Label1{"Label1", QStringLiteral("รหัสสำนักพิมพ์")};
    ui::Label Label2{"Label2", QStringLiteral("ชื่อสำนักพิมพ์")};
    ui::Label Label3{"Label3", QStringLiteral("ที่อยู่ 1")};
    ui::Label Label4{"Label4", QStringLiteral("ที่อยู่ 2")};
    ui::Label Label5{"Label5", QStringLiteral("ติดต่อกับคุณ")};
    ui::TextBox Text1{"Text1"};
    ui::TextBox Text2{"Text2"};
    ui::TextBox Text3{"Text3"};
    ui::TextBox Text4{"Text4"};
    ui::TextBox Text5{"Text5"};
    ui::CommandButton Command1{"Command1", QStringLiteral("บันทึก")};
    ui::CommandButton Command2{"Command2", QStringLiteral("ยกเลิก")};

    static constexpr int kClientWidth = 8355, kClientHeight = 3420;  // twips

    // False when the database cannot be opened (the user was told).
    bool Form_Load();
    void Command1_Click();
    void Command2_Click();

  private:
    void refuse(const QString& text);

    ui::Services& services_;
    std::unique_ptr<data::Database> db_;
};

}  // namespace publishers
