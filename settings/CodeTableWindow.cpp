#include "settings/CodeTableWindow.h"

#include "settings/UnitName.h"

namespace settings {

namespace {

const QString kCaption = QStringLiteral("กำหนดค่า");

}  // namespace

CodeTableWindow::CodeTableWindow(ui::Services& services, QString caption,
                                 std::vector<CodeKind> kinds, bool withUnitName)
    : Form(std::move(caption), services.messages), services_(services), kinds_(std::move(kinds)) {
    std::vector<ui::PickRow> tables;
    for (CodeKind k : kinds_)
        tables.push_back({QString::number(int(k)), kindLabel(k)});
    dcbtable.setRows(std::move(tables));
    dcbtable.chooseRow(0);
    // One table needs no list to choose it from.
    Label1.setVisible(kinds_.size() > 1);
    dcbtable.setVisible(kinds_.size() > 1);
    for (ui::Control* c :
         std::initializer_list<ui::Control*>{&Frame1, &Text3, &Label6, &Text6, &Cmdunit})
        c->setVisible(withUnitName);
    const bool frequencies =
        std::find(kinds_.begin(), kinds_.end(), CodeKind::magtype) != kinds_.end();
    for (ui::Control* c :
         std::initializer_list<ui::Control*>{&Label4, &Text4, &Label5, &Text5, &Cmdinterval})
        c->setVisible(frequencies);

    showcode.setColWidth(0, 1500);
    showcode.setColWidth(1, 5700);
    showcode.setTextMatrix(0, 0, QStringLiteral("รหัส"));
    showcode.setTextMatrix(0, 1, QStringLiteral("คำอธิบาย"));
    Text1.setMaxLength(10);
    Text2.setMaxLength(100);
    Text3.setMaxLength(150);
    Text4.setMaxLength(4);
    Text5.setMaxLength(4);

    dcbtable.onClick = [this] { dcbtable_Click(); };
    showcode.onClick = [this] { showcode_Click(); };
    Cmdadd.onClick = [this] { Cmdadd_Click(); };
    Cmdsave.onClick = [this] { Cmdsave_Click(); };
    Cmddel.onClick = [this] { Cmddel_Click(); };
    Cmdexit.onClick = [this] { Cmdexit_Click(); };
    Cmdunit.onClick = [this] { Cmdunit_Click(); };
    Cmdinterval.onClick = [this] { Cmdinterval_Click(); };
}

bool CodeTableWindow::Form_Load() {
    return guarded([this] {
        db_ = std::make_unique<data::Database>(services_.databasePath);
        if (Text3.visible()) {
            Text3.setText(readUnitName(*db_));
            Text6.setText(readUnitAddress(*db_));
        }
        showTable();
    });
}

void CodeTableWindow::showTable() {
    const std::vector<ui::PickRow> rows = CodeTableRecords(*db_, kind()).rows();
    showcode.setRows(int(rows.size()) + 1);
    for (int r = 0; r < int(rows.size()); ++r) {
        showcode.setTextMatrix(r + 1, 0, rows[r].code);
        showcode.setTextMatrix(r + 1, 1, rows[r].description);
    }
    showcode.setRow(rows.empty() ? 0 : 1);
    Text1.setText({});
    Text2.setText({});
    Text4.setText({});
    Text5.setText({});
    setFocus(Text1);
}

void CodeTableWindow::showInterval(const QString& code) {
    if (kind() != CodeKind::magtype)
        return;
    const std::optional<Interval> interval = FrequencyIntervals(*db_).of(code);
    Text4.setText(interval ? QString::number(interval->days) : QString());
    Text5.setText(interval ? QString::number(interval->grace) : QString());
}

void CodeTableWindow::dcbtable_Click() {
    guarded([this] { showTable(); });
}

void CodeTableWindow::showcode_Click() {
    const int row = showcode.row();
    if (row < 1)
        return;
    Text1.setText(showcode.textMatrix(row, 0));
    Text2.setText(showcode.textMatrix(row, 1));
    guarded([this] { showInterval(Text1.text()); });
    setFocus(Text2);
}

void CodeTableWindow::Cmdadd_Click() {
    guarded([this] {
        const QString code = Text1.text().trimmed();
        if (refuse(CodeTableRecords(*db_, kind()).add(code, Text2.text()), code))
            return;
        showTable();
    });
}

void CodeTableWindow::Cmdsave_Click() {
    guarded([this] {
        const QString code = Text1.text().trimmed();
        if (refuse(CodeTableRecords(*db_, kind()).describe(code, Text2.text()), code))
            return;
        showTable();
    });
}

void CodeTableWindow::Cmddel_Click() {
    const QString code = Text1.text().trimmed();
    if (code.isEmpty()) {
        refuse({CodeTableRecords::Outcome::EmptyCode}, code);
        return;
    }
    if (CodeTableRecords::meaningful(kind(), code)) {
        refuse({CodeTableRecords::Outcome::Meaningful}, code);
        return;
    }
    if (messages().show(
            QStringLiteral("ต้องการลบรหัส %1 %2 ใช่หรือไม่").arg(code, Text2.text().trimmed()), kCaption,
            ui::msg::kConfirm) != ui::msg::kOk)
        return;
    guarded([this, &code] {
        if (refuse(CodeTableRecords(*db_, kind()).remove(code), code))
            return;
        showTable();
    });
}

void CodeTableWindow::Cmdexit_Click() {
    unload();
}

void CodeTableWindow::Cmdunit_Click() {
    guarded([this] {
        {
            data::Transaction tx(*db_);
            writeUnitName(*db_, Text3.text());
            writeUnitAddress(*db_, Text6.text());
            tx.commit();
        }
        const QString name = readUnitName(*db_);
        Text3.setText(name);
        Text6.setText(readUnitAddress(*db_));
        // The main window's caption shows the new name at once.
        if (onUnitName)
            onUnitName(name);
    });
}

void CodeTableWindow::Cmdinterval_Click() {
    const QString code = Text1.text().trimmed();
    if (code.isEmpty()) {
        refuse({CodeTableRecords::Outcome::EmptyCode}, code);
        return;
    }
    // Both empty: the frequency has no regular interval and is never late.
    std::optional<Interval> interval;
    if (!Text4.text().trimmed().isEmpty() || !Text5.text().trimmed().isEmpty()) {
        bool daysOk = false, graceOk = false;
        interval =
            Interval{Text4.text().trimmed().toInt(&daysOk), Text5.text().trimmed().toInt(&graceOk)};
        if (!daysOk || !graceOk || interval->days < 1 || interval->grace < 0) {
            messages().show(
                QStringLiteral("กรุณาพิมพ์จำนวนวันที่ออกทุก (ตั้งแต่ 1) และวันผ่อนผัน (ตั้งแต่ 0) เป็นตัวเลข"),
                kCaption, ui::msg::kStop);
            setFocus(daysOk && interval->days >= 1 ? Text5 : Text4);
            return;
        }
    }
    guarded([this, &code, &interval] {
        const std::vector<ui::PickRow> rows = CodeTableRecords(*db_, kind()).rows();
        if (std::none_of(rows.begin(), rows.end(),
                         [&code](const ui::PickRow& r) { return r.code.trimmed() == code; })) {
            refuse({CodeTableRecords::Outcome::Missing}, code);
            return;
        }
        FrequencyIntervals(*db_).set(code, interval);
        showInterval(code);
    });
}

bool CodeTableWindow::refuse(const CodeTableRecords::Result& result, const QString& code) {
    using Outcome = CodeTableRecords::Outcome;
    QString text;
    ui::Control* field = &Text1;
    switch (result.outcome) {
        case Outcome::Done:
            return false;
        case Outcome::EmptyCode:
            text = QStringLiteral("กรุณาพิมพ์รหัส");
            break;
        case Outcome::EmptyDescription:
            text = QStringLiteral("กรุณาพิมพ์คำอธิบาย");
            field = &Text2;
            break;
        case Outcome::DuplicateCode:
            text = QStringLiteral("รหัส %1 มีอยู่แล้ว กรุณาใช้รหัสอื่น").arg(code);
            break;
        case Outcome::Missing:
            text = QStringLiteral("ไม่พบรหัส %1 ในตาราง%2").arg(code, kindLabel(kind()));
            break;
        case Outcome::Meaningful:
            text =
                kind() == CodeKind::maglang
                    ? QStringLiteral("ลบรหัส %1 ไม่ได้ เพราะโปรแกรมใช้รหัสนี้เลือกชุดเลขทะเบียนของวารสารใหม่")
                          .arg(code)
                    : QStringLiteral("ลบรหัส %1 ไม่ได้ เพราะโปรแกรมใช้รหัสนี้เลือกรายการวารสารที่ใกล้ครบอายุ")
                          .arg(code);
            break;
        case Outcome::InUse:
            text = QStringLiteral("ลบรหัส %1 ไม่ได้ เพราะมีวารสาร %2 รายการใช้รหัสนี้อยู่")
                       .arg(code)
                       .arg(result.titles);
            break;
    }
    messages().show(text, kCaption, ui::msg::kStop);
    setFocus(*field);
    return true;
}

}  // namespace settings
