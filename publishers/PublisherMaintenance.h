#pragma once

#include <memory>

#include "data/Database.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Grid.h"
#include "ui/TextBox.h"

namespace publishers {

// Publisher maintenance: finds publishers by part of the name or by code,
// corrects a name and deletes a publisher no title uses. Adding goes through
// the publisher register, with its proposed code and checks.
class PublisherMaintenance : public ui::Form {
  public:
    explicit PublisherMaintenance(ui::Services& services);

    ui::Label Label1{"Label1", QStringLiteral("ชื่อหรือรหัสสำนักพิมพ์")};
    ui::TextBox Text1{"Text1"};
    ui::CommandButton Cmdfind{"Cmdfind", QStringLiteral("ค้นหา")};
    ui::Grid showdealer{"showdealer", 1, 2};
    ui::Label Label2{"Label2", QStringLiteral("รหัสสำนักพิมพ์")};
    ui::TextBox Text2{"Text2"};
    ui::Label Label3{"Label3", QStringLiteral("ชื่อสำนักพิมพ์")};
    ui::TextBox Text3{"Text3"};
    ui::CommandButton Cmdsave{"Cmdsave", QStringLiteral("แก้ไขชื่อ")};
    ui::CommandButton Cmddel{"Cmddel", QStringLiteral("ลบ")};
    ui::CommandButton Cmdadd{"Cmdadd", QStringLiteral("เพิ่มสำนักพิมพ์")};
    ui::CommandButton Cmdexit{"Cmdexit", QStringLiteral("ปิด")};

    static constexpr int kClientWidth = 9000, kClientHeight = 6300;  // twips

    // False when the database cannot be opened (the user was told).
    bool Form_Load();
    void Cmdfind_Click();
    void showdealer_Click();
    void Cmdsave_Click();
    void Cmddel_Click();
    void Cmdadd_Click();
    void Cmdexit_Click();

  private:
    void find();
    // Empties the picked publisher; saving and deleting wait for a pick.
    void clearPick();
    void refuse(const QString& text, ui::Control& field);

    ui::Services& services_;
    std::unique_ptr<data::Database> db_;
};

}  // namespace publishers
