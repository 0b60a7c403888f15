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
         std::initializer_list<ui::Control*>{&Frame1, &Text3, &Label6, &Text6, &Label7, &Text7,
                                             &Label8, &Text8, &Label9, &Text9, &Cmdunit})
        c->setVisible(withUnitName);
    const bool anyFrequencies =
        std::find(kinds_.begin(), kinds_.end(), CodeKind::magtype) != kinds_.end();
    for (ui::Control* c :
         std::initializer_list<ui::Control*>{&Label4, &Text4, &Label5, &Text5, &Cmdinterval})
        c->setVisible(anyFrequencies);

    Text1.setMaxLength(10);
    Text2.setMaxLength(100);
    Text3.setMaxLength(150);
    Text4.setMaxLength(4);
    Text5.setMaxLength(4);
    Text9.setMaxLength(3);

    dcbtable.onClick = [this] { dcbtable_Click(); };
    showcode.onClick = [this] { showcode_Click(); };
    Text1.onChange = [this] { followCode(); };
    Cmdadd.onClick = [this] { Cmdadd_Click(); };
    Cmdsave.onClick = [this] { Cmdsave_Click(); };
    Cmddel.onClick = [this] { Cmddel_Click(); };
    Cmdexit.onClick = [this] { Cmdexit_Click(); };
    Cmdunit.onClick = [this] { Cmdunit_Click(); };
    Cmdinterval.onClick = [this] { Cmdinterval_Click(); };
    onEscape = [this] { Cmdexit_Click(); };
}

bool CodeTableWindow::Form_Load() {
    return guarded([this] {
        db_ = std::make_unique<data::Database>(services_.databasePath);
        if (Text3.visible()) {
            Text3.setText(readUnitName(*db_));
            showUnit();
        }
        showTable();
    });
}

void CodeTableWindow::showTable(const QString& current, int row) {
    const std::vector<ui::PickRow> rows = CodeTableRecords(*db_, kind()).rows();
    const bool intervals = frequencies();
    showcode.setCols(intervals ? 4 : 2);
    showcode.setTextMatrix(0, 0, QStringLiteral("รหัส"));
    showcode.setTextMatrix(0, 1, QStringLiteral("คำอธิบาย"));
    showcode.setColWidth(0, intervals ? 1200 : 1500);
    showcode.setColWidth(1, intervals ? 3900 : 5700);
    if (intervals) {
        showcode.setTextMatrix(0, 2, QStringLiteral("ออกทุก (วัน)"));
        showcode.setTextMatrix(0, 3, QStringLiteral("ผ่อนผัน (วัน)"));
        showcode.setColWidth(2, 1200);
        showcode.setColWidth(3, 1200);
    }
    std::vector<QStringList> cells;
    for (const ui::PickRow& r : rows) {
        QStringList line{r.code, r.description};
        if (intervals) {
            const std::optional<Interval> interval = FrequencyIntervals(*db_).of(r.code);
            line << (interval ? QString::number(interval->days) : QString())
                 << (interval ? QString::number(interval->grace) : QString());
        }
        cells.push_back(std::move(line));
    }
    showcode.setDataRows(std::move(cells));
    const int found = current.isEmpty() ? 0 : rowOf(current);
    showcode.setRow(rows.empty() ? 0 : found > 0 ? found : std::clamp(row, 1, int(rows.size())));
    Text1.setText({});
    Text2.setText({});
    Text4.setText({});
    Text5.setText({});
    setFocus(Text1);
}

int CodeTableWindow::rowOf(const QString& code) const {
    for (int r = 1; r < showcode.rows(); ++r)
        if (showcode.textMatrix(r, 0).trimmed() == code.trimmed())
            return r;
    return 0;
}

void CodeTableWindow::followCode() {
    if (!frequencies())
        return;
    // Never the interval of the row chosen before: only the code's own.
    const int r = rowOf(Text1.text());
    Text4.setText(r > 0 ? showcode.textMatrix(r, 2) : QString());
    Text5.setText(r > 0 ? showcode.textMatrix(r, 3) : QString());
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
    setFocus(Text2);
}

void CodeTableWindow::done(const QString& text) {
    messages().show(text, kCaption, ui::msg::kInformation);
}

void CodeTableWindow::Cmdadd_Click() {
    guarded([this] {
        const QString code = Text1.text().trimmed();
        const QString description = Text2.text().trimmed();
        if (refuse(CodeTableRecords(*db_, kind()).add(code, description), code))
            return;
        showTable(code);
        done(
            QStringLiteral("เพิ่มรหัส %1 %2 ในตาราง%3 แล้ว").arg(code, description, kindLabel(kind())));
    });
}

void CodeTableWindow::Cmdsave_Click() {
    guarded([this] {
        const QString code = Text1.text().trimmed();
        const QString description = Text2.text().trimmed();
        if (refuse(CodeTableRecords(*db_, kind()).describe(code, description), code))
            return;
        showTable(code);
        done(QStringLiteral("แก้ไขคำอธิบายของรหัส %1 เป็น %2 แล้ว").arg(code, description));
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
    // The question names the row that goes, whatever the description field says.
    const int row = rowOf(code);
    if (row == 0) {
        refuse({CodeTableRecords::Outcome::Missing}, code);
        return;
    }
    const QString description = showcode.textMatrix(row, 1);
    if (messages().show(QStringLiteral("ต้องการลบรหัส %1 %2 ใช่หรือไม่").arg(code, description),
                        kCaption, ui::msg::kConfirm) != ui::msg::kOk)
        return;
    guarded([&] {
        if (refuse(CodeTableRecords(*db_, kind()).remove(code), code))
            return;
        showTable({}, row);
        done(QStringLiteral("ลบรหัส %1 %2 แล้ว").arg(code, description));
    });
}

void CodeTableWindow::Cmdexit_Click() {
    unload();
}

void CodeTableWindow::showUnit() {
    Text3.setText(readUnitName(*db_));
    Text6.setText(readUnitAddress(*db_));
    Text7.setText(readDeskName(*db_));
    Text8.setText(readDeskAddress(*db_));
    Text9.setText(QString::number(readReclaimDays(*db_)));
}

void CodeTableWindow::Cmdunit_Click() {
    guarded([this] {
        {
            data::Transaction tx(*db_);
            if (!writeReclaimDays(*db_, Text9.text())) {
                messages().show(QStringLiteral("กรุณาระบุจำนวนวันที่จะทวงถามซ้ำเป็นตัวเลข 1 ถึง 365"),
                                kCaption, ui::msg::kStop);
                setFocus(Text9);
                return;
            }
            writeUnitName(*db_, Text3.text());
            writeUnitAddress(*db_, Text6.text());
            writeDeskName(*db_, Text7.text());
            writeDeskAddress(*db_, Text8.text());
            tx.commit();
        }
        showUnit();
        const QString name = Text3.text();
        // The main window's caption shows the new name at once: that says it.
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
    const int row = rowOf(code);
    if (row == 0) {
        refuse({CodeTableRecords::Outcome::Missing}, code);
        return;
    }
    const QString description = showcode.textMatrix(row, 1);
    // Both empty: the frequency has no regular interval and is never late.
    std::optional<Interval> interval;
    if (!Text4.text().trimmed().isEmpty() || !Text5.text().trimmed().isEmpty()) {
        bool daysOk = false, graceOk = false;
        interval =
            Interval{Text4.text().trimmed().toInt(&daysOk), Text5.text().trimmed().toInt(&graceOk)};
        if (!daysOk || !graceOk || interval->days < 1 || interval->grace < 0) {
            refuseInterval(FrequencyIntervals::Outcome::Invalid, code);
            setFocus(daysOk && interval->days >= 1 ? Text5 : Text4);
            return;
        }
    } else if (showcode.textMatrix(row, 2).isEmpty()) {
        messages().show(QStringLiteral("รหัส %1 %2 ยังไม่มีรอบการออก กรุณาพิมพ์จำนวนวันที่ออกทุกและวันผ่อนผัน")
                            .arg(code, description),
                        kCaption, ui::msg::kStop);
        setFocus(Text4);
        return;
    } else if (messages().show(QStringLiteral("ต้องการลบรอบการออกของรหัส %1 %2 ใช่หรือไม่ "
                                              "รายการที่มีกำหนดออกนี้จะไม่นับว่าคงค้างอีก")
                                   .arg(code, description),
                               kCaption, ui::msg::kConfirm) != ui::msg::kOk) {
        setFocus(Text4);
        return;
    }
    guarded([&] {
        if (refuseInterval(FrequencyIntervals(*db_).set(code, interval), code))
            return;
        showTable(code);
        done(interval ? QStringLiteral("บันทึกรอบการออกของรหัส %1 %2 แล้ว: ออกทุก %3 วัน ผ่อนผัน %4 วัน")
                            .arg(code, description, QString::number(interval->days),
                                 QString::number(interval->grace))
                      : QStringLiteral("ลบรอบการออกของรหัส %1 %2 แล้ว").arg(code, description));
    });
}

bool CodeTableWindow::refuseInterval(FrequencyIntervals::Outcome outcome, const QString& code) {
    switch (outcome) {
        case FrequencyIntervals::Outcome::Done:
            return false;
        case FrequencyIntervals::Outcome::Missing:
            return refuse({CodeTableRecords::Outcome::Missing}, code);
        case FrequencyIntervals::Outcome::Invalid:
            break;
    }
    messages().show(QStringLiteral("กรุณาพิมพ์จำนวนวันที่ออกทุก (ตั้งแต่ 1) และวันผ่อนผัน (ตั้งแต่ 0) เป็นตัวเลข"),
                    kCaption, ui::msg::kStop);
    setFocus(Text4);
    return true;
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
        case Outcome::DuplicateDescription:
            text = QStringLiteral("คำอธิบาย %1 เป็นของรหัส %2 อยู่แล้ว กรุณาใช้คำอธิบายอื่น")
                       .arg(Text2.text().trimmed(), result.other);
            field = &Text2;
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
                       .arg(code, QString::number(result.titles));
            break;
    }
    messages().show(text, kCaption, ui::msg::kStop);
    setFocus(*field);
    return true;
}

}  // namespace settings
