#include "publishers/PublisherMaintenance.h"

#include "data/FieldLimits.h"
#include "publishers/DealerTable.h"

namespace publishers {

namespace {

const QString kCaption = QStringLiteral("ข้อมูลสำนักพิมพ์");

}  // namespace

PublisherMaintenance::PublisherMaintenance(ui::Services& services)
    : Form(kCaption, services.messages), services_(services) {
    Text1.setMaxLength(data::kLongText);
    Text3.setMaxLength(data::kLongText);
    showdealer.setColWidth(0, 1300);
    showdealer.setColWidth(1, 7000);
    showdealer.setTextMatrix(0, 0, QStringLiteral("รหัส"));
    showdealer.setTextMatrix(0, 1, QStringLiteral("ชื่อสำนักพิมพ์"));
    Text2.setEnabled(false);
    Text2.setBackColor(ui::kLockedColor);
    Text2.setAlignment(ui::TextBox::Align::Right);

    Cmdfind.onClick = [this] { Cmdfind_Click(); };
    showdealer.onClick = [this] { showdealer_Click(); };
    Cmdsave.onClick = [this] { Cmdsave_Click(); };
    Cmddel.onClick = [this] { Cmddel_Click(); };
    Cmdadd.onClick = [this] { Cmdadd_Click(); };
    Cmdexit.onClick = [this] { Cmdexit_Click(); };
    Text1.onKeyPress = [this](int& key) {
        if (key == ui::key::kEnter) {
            key = 0;
            Cmdfind_Click();
        }
    };
}

bool PublisherMaintenance::Form_Load() {
    return guarded([this] {
        db_ = std::make_unique<data::Database>(services_.databasePath);
        find();
        setFocus(Text1);
    });
}

void PublisherMaintenance::find() {
    const std::vector<ui::PickRow> found = DealerTable(*db_).findByNameOrCode(Text1.text());
    showdealer.setRows(int(found.size()) + 1);
    int r = 1;
    for (const ui::PickRow& row : found) {
        showdealer.setTextMatrix(r, 0, row.code);
        showdealer.setTextMatrix(r, 1, row.description);
        ++r;
    }
    showdealer.setRow(found.empty() ? 0 : 1);
    clearPick();
}

void PublisherMaintenance::clearPick() {
    Text2.setText({});
    Text3.setText({});
    Cmdsave.setEnabled(false);
    Cmddel.setEnabled(false);
}

void PublisherMaintenance::Cmdfind_Click() {
    guarded([this] {
        find();
        if (showdealer.rows() == 1)
            refuse(QStringLiteral("ไม่พบสำนักพิมพ์ \"%1\"").arg(Text1.text().trimmed()), Text1);
    });
}

void PublisherMaintenance::showdealer_Click() {
    const int row = showdealer.row();
    if (row < 1)
        return;
    Text2.setText(showdealer.textMatrix(row, 0));
    Text3.setText(showdealer.textMatrix(row, 1));
    Cmdsave.setEnabled(true);
    Cmddel.setEnabled(true);
    setFocus(Text3);
}

void PublisherMaintenance::Cmdsave_Click() {
    if (Text3.text().trimmed().isEmpty()) {
        refuse(QStringLiteral("กรุณาพิมพ์ชื่อสำนักพิมพ์"), Text3);
        return;
    }
    guarded([this] {
        switch (DealerTable(*db_).rename(Text2.text(), Text3.text())) {
            case DealerTable::Renamed::noSuchCode:
                refuse(QStringLiteral("ไม่พบสำนักพิมพ์รหัส %1").arg(Text2.text()), Text1);
                return;
            case DealerTable::Renamed::nameTaken:
                refuse(QStringLiteral("มีสำนักพิมพ์อื่นชื่อ \"%1\" อยู่แล้ว กรุณาใช้ชื่ออื่น")
                           .arg(Text3.text().trimmed()),
                       Text3);
                return;
            case DealerTable::Renamed::done:
                break;
        }
        find();
    });
}

void PublisherMaintenance::Cmddel_Click() {
    const QString code = Text2.text();
    if (messages().show(QStringLiteral("ต้องการลบสำนักพิมพ์รหัส %1 %2 ใช่หรือไม่").arg(code, Text3.text()),
                        kCaption, ui::msg::kConfirm) != ui::msg::kOk)
        return;
    guarded([this, &code] {
        if (const int titles = DealerTable(*db_).remove(code); titles > 0) {
            refuse(QStringLiteral("ลบสำนักพิมพ์รหัส %1 ไม่ได้ เพราะมีวารสาร %2 รายการใช้สำนักพิมพ์นี้อยู่")
                       .arg(code, QString::number(titles)),
                   Text1);
            return;
        }
        find();
    });
}

void PublisherMaintenance::Cmdadd_Click() {
    // The register starts from what was searched for, unless it was a code.
    const QString typed = Text1.text().trimmed();
    services_.newdealer = DealerTable::isCode(typed) ? QString() : typed;
    services_.opener.open(QStringLiteral("Adddealer"));
}

void PublisherMaintenance::Cmdexit_Click() {
    unload();
}

void PublisherMaintenance::refuse(const QString& text, ui::Control& field) {
    messages().show(text, kCaption, ui::msg::kStop);
    setFocus(field);
}

}  // namespace publishers
