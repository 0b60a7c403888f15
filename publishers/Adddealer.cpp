#include "publishers/Adddealer.h"

#include "data/FieldLimits.h"
#include "publishers/DealerTable.h"

namespace publishers {

namespace {

const QString kIncomplete = QStringLiteral("ข้อมูลไม่สมบรูณ์");

}  // namespace

Adddealer::Adddealer(ui::Services& services)
    : Form(QStringLiteral("เพิ่มผู้จัดพิมพ์"), services.messages), services_(services) {
    Text1.setAlignment(ui::TextBox::Align::Right);
    // No field takes more than its column keeps on either store.
    Text1.setMaxLength(data::kShortText);
    for (ui::TextBox* text : {&Text2, &Text3, &Text4, &Text5})
        text->setMaxLength(data::kLongText);
    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
}

bool Adddealer::Form_Load() {
    const bool loaded = guarded([this] {
        db_ = std::make_unique<data::Database>(services_.databasePath);
        Text1.setText(DealerTable(*db_).proposeCode());
    });
    if (!loaded)
        return false;
    Text2.setText(services_.newdealer);
    setFocus(Text2);
    return true;
}

void Adddealer::Command1_Click() {
    if (Text1.text().trimmed().isEmpty()) {
        refuse(QStringLiteral("กรุณาพิมพ์รหัสสำนักพิมพ์"));
        return;
    }
    if (!DealerTable::isCode(Text1.text())) {
        refuse(QStringLiteral("รหัสสำนักพิมพ์ต้องเป็นตัวเลข 0-9 เท่านั้น"));
        return;
    }
    bool saved = false;
    guarded([this, &saved] {
        if (!DealerTable(*db_).addIfFree(
                {Text1.text().trimmed(), Text2.text(), Text3.text(), Text4.text(), Text5.text()})) {
            refuse(QStringLiteral("รหัสสำนักพิมพ์ %1 มีอยู่แล้ว กรุณาใช้รหัสอื่น").arg(Text1.text().trimmed()));
            return;
        }
        saved = true;
    });
    if (saved)
        unload();
}

void Adddealer::Command2_Click() {
    unload();
}

void Adddealer::refuse(const QString& text) {
    messages().show(text, kIncomplete, ui::msg::kStop);
    setFocus(Text1);
    Text1.setSelStart(0);
    Text1.setSelLength(int(Text1.text().size()));
}

}  // namespace publishers
