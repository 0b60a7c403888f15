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
    tableList.setRows(std::move(tables));
    tableList.chooseRow(0);
    // One table needs no list to choose it from.
    tableLabel.setVisible(kinds_.size() > 1);
    tableList.setVisible(kinds_.size() > 1);
    for (ui::Control* c : std::initializer_list<ui::Control*>{
             &unitFrame, &unitNameText, &addressLabel, &addressText, &claimDeskLabel,
             &claimDeskText, &deskAddressLabel, &deskAddressText, &claimAgainLabel, &claimAgainText,
             &unitButton})
        c->setVisible(withUnitName);
    const bool anyFrequencies =
        std::find(kinds_.begin(), kinds_.end(), CodeKind::magtype) != kinds_.end();
    for (ui::Control* c : std::initializer_list<ui::Control*>{
             &intervalLabel, &intervalText, &graceLabel, &graceText, &intervalButton})
        c->setVisible(anyFrequencies);

    codeText.setMaxLength(10);
    descriptionText.setMaxLength(100);
    unitNameText.setMaxLength(150);
    intervalText.setMaxLength(4);
    graceText.setMaxLength(4);
    claimAgainText.setMaxLength(3);

    tableList.onClick = [this] { tableList_Click(); };
    codeList.onClick = [this] { codeList_Click(); };
    codeList.guard = [this](const std::function<void()>& step) { return guarded(step); };
    codeText.onChange = [this] { followCode(); };
    addButton.onClick = [this] { addButton_Click(); };
    saveButton.onClick = [this] { saveButton_Click(); };
    deleteButton.onClick = [this] { deleteButton_Click(); };
    exitButton.onClick = [this] { exitButton_Click(); };
    unitButton.onClick = [this] { unitButton_Click(); };
    intervalButton.onClick = [this] { intervalButton_Click(); };
    onEscape = [this] { exitButton_Click(); };
}

bool CodeTableWindow::Form_Load() {
    return guarded([this] {
        db_ = std::make_unique<data::Database>(services_.databasePath);
        if (unitNameText.visible()) {
            unitNameText.setText(readUnitName(*db_));
            showUnit();
        }
        showTable();
    });
}

void CodeTableWindow::showTable() {
    auto list = std::make_shared<CodeTableSource>(*db_, kind());
    const bool intervals = list->intervals();
    codeList.setCols(intervals ? 4 : 2);
    codeList.setTextMatrix(0, 0, QStringLiteral("รหัส"));
    codeList.setTextMatrix(0, 1, QStringLiteral("คำอธิบาย"));
    codeList.setColWidth(0, intervals ? 1200 : 1500);
    codeList.setColWidth(1, intervals ? 3900 : 5700);
    if (intervals) {
        codeList.setTextMatrix(0, 2, QStringLiteral("ออกทุก (วัน)"));
        codeList.setTextMatrix(0, 3, QStringLiteral("ผ่อนผัน (วัน)"));
        codeList.setColWidth(2, 1200);
        codeList.setColWidth(3, 1200);
    }
    if (!codeList.setSource(list))
        return;
    list_ = std::move(list);
    codeText.setText({});
    descriptionText.setText({});
    intervalText.setText({});
    graceText.setText({});
    setFocus(codeText);
}

void CodeTableWindow::placeRow(const QString& code, int from) {
    const int to = list_->placeOf(code);
    codeList.moveRow(from < 0 ? -1 : from + 1, to < 0 ? -1 : to + 1,
                     to < 0 ? QStringList() : list_->cellsOf(code).value_or(QStringList()));
    const int row = to >= 0 ? to + 1 : from + 1;
    while (codeList.rows() <= row && codeList.canFetchMore())
        codeList.fetchMore();
    codeList.setRow(codeList.rows() > 1 ? std::clamp(row, 1, codeList.rows() - 1) : 0);
    codeText.setText({});
    descriptionText.setText({});
    intervalText.setText({});
    graceText.setText({});
    setFocus(codeText);
}

std::optional<QStringList> CodeTableWindow::rowOf(const QString& code) const {
    if (!list_ || code.trimmed().isEmpty())
        return std::nullopt;
    return list_->cellsOf(code);
}

std::optional<QStringList> CodeTableWindow::listedRow(const QString& code, int& from) {
    std::optional<QStringList> row;
    if (!guarded([&] {
            row = rowOf(code);
            from = list_->placeOf(code);
        }))
        return std::nullopt;
    if (!row)
        refuse({CodeTableRecords::Outcome::Missing}, code);
    return row;
}

void CodeTableWindow::followCode() {
    if (!frequencies())
        return;
    // Never the interval of the row chosen before: only the code's own.
    std::optional<QStringList> row;
    guarded([&] { row = rowOf(codeText.text()); });
    intervalText.setText(row ? row->value(codeColumn::days) : QString());
    graceText.setText(row ? row->value(codeColumn::grace) : QString());
}

void CodeTableWindow::tableList_Click() {
    guarded([this] { showTable(); });
}

void CodeTableWindow::codeList_Click() {
    const int row = codeList.row();
    if (row < 1)
        return;
    codeText.setText(codeList.textMatrix(row, 0));
    descriptionText.setText(codeList.textMatrix(row, 1));
    setFocus(descriptionText);
}

void CodeTableWindow::done(const QString& text) {
    messages().show(text, kCaption, ui::msg::kInformation);
}

void CodeTableWindow::addButton_Click() {
    guarded([this] {
        const QString code = codeText.text().trimmed();
        const QString description = descriptionText.text().trimmed();
        if (refuse(CodeTableRecords(*db_, kind()).add(code, description), code))
            return;
        placeRow(code, -1);
        done(
            QStringLiteral("เพิ่มรหัส %1 %2 ในตาราง%3 แล้ว").arg(code, description, kindLabel(kind())));
    });
}

void CodeTableWindow::saveButton_Click() {
    guarded([this] {
        const QString code = codeText.text().trimmed();
        const QString description = descriptionText.text().trimmed();
        const int from = list_->placeOf(code);
        if (refuse(CodeTableRecords(*db_, kind()).describe(code, description), code))
            return;
        placeRow(code, from);
        done(QStringLiteral("แก้ไขคำอธิบายของรหัส %1 เป็น %2 แล้ว").arg(code, description));
    });
}

void CodeTableWindow::deleteButton_Click() {
    const QString code = codeText.text().trimmed();
    if (code.isEmpty()) {
        refuse({CodeTableRecords::Outcome::EmptyCode}, code);
        return;
    }
    if (CodeTableRecords::meaningful(kind(), code)) {
        refuse({CodeTableRecords::Outcome::Meaningful}, code);
        return;
    }
    // The question names the row that goes, whatever the description field says.
    int from = -1;
    const std::optional<QStringList> row = listedRow(code, from);
    if (!row)
        return;
    const QString description = row->value(codeColumn::description);
    if (messages().show(QStringLiteral("ต้องการลบรหัส %1 %2 ใช่หรือไม่").arg(code, description),
                        kCaption, ui::msg::kConfirm) != ui::msg::kOk)
        return;
    guarded([&] {
        if (refuse(CodeTableRecords(*db_, kind()).remove(code), code))
            return;
        placeRow(code, from);
        done(QStringLiteral("ลบรหัส %1 %2 แล้ว").arg(code, description));
    });
}

void CodeTableWindow::exitButton_Click() {
    unload();
}

void CodeTableWindow::showUnit() {
    unitNameText.setText(readUnitName(*db_));
    addressText.setText(readUnitAddress(*db_));
    claimDeskText.setText(readDeskName(*db_));
    deskAddressText.setText(readDeskAddress(*db_));
    claimAgainText.setText(QString::number(readReclaimDays(*db_)));
}

void CodeTableWindow::unitButton_Click() {
    guarded([this] {
        {
            data::Transaction tx(*db_);
            if (!writeReclaimDays(*db_, claimAgainText.text())) {
                messages().show(QStringLiteral("กรุณาระบุจำนวนวันที่จะทวงถามซ้ำเป็นตัวเลข 1 ถึง 365"),
                                kCaption, ui::msg::kStop);
                setFocus(claimAgainText);
                return;
            }
            writeUnitName(*db_, unitNameText.text());
            writeUnitAddress(*db_, addressText.text());
            writeDeskName(*db_, claimDeskText.text());
            writeDeskAddress(*db_, deskAddressText.text());
            tx.commit();
        }
        showUnit();
        const QString name = unitNameText.text();
        // The main window's caption shows the new name at once: that says it.
        if (onUnitName)
            onUnitName(name);
    });
}

void CodeTableWindow::intervalButton_Click() {
    const QString code = codeText.text().trimmed();
    if (code.isEmpty()) {
        refuse({CodeTableRecords::Outcome::EmptyCode}, code);
        return;
    }
    int from = -1;
    const std::optional<QStringList> row = listedRow(code, from);
    if (!row)
        return;
    const QString description = row->value(codeColumn::description);
    // Both empty: the frequency has no regular interval and is never late.
    std::optional<Interval> interval;
    if (!intervalText.text().trimmed().isEmpty() || !graceText.text().trimmed().isEmpty()) {
        bool daysOk = false, graceOk = false;
        interval = Interval{intervalText.text().trimmed().toInt(&daysOk),
                            graceText.text().trimmed().toInt(&graceOk)};
        if (!daysOk || !graceOk || interval->days < 1 || interval->grace < 0) {
            refuseInterval(FrequencyIntervals::Outcome::Invalid, code);
            setFocus(daysOk && interval->days >= 1 ? graceText : intervalText);
            return;
        }
    } else if (row->value(codeColumn::days).isEmpty()) {
        messages().show(QStringLiteral("รหัส %1 %2 ยังไม่มีรอบการออก กรุณาพิมพ์จำนวนวันที่ออกทุกและวันผ่อนผัน")
                            .arg(code, description),
                        kCaption, ui::msg::kStop);
        setFocus(intervalText);
        return;
    } else if (messages().show(QStringLiteral("ต้องการลบรอบการออกของรหัส %1 %2 ใช่หรือไม่ "
                                              "รายการที่มีกำหนดออกนี้จะไม่นับว่าคงค้างอีก")
                                   .arg(code, description),
                               kCaption, ui::msg::kConfirm) != ui::msg::kOk) {
        setFocus(intervalText);
        return;
    }
    guarded([&] {
        if (refuseInterval(FrequencyIntervals(*db_).set(code, interval), code))
            return;
        placeRow(code, from);
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
    setFocus(intervalText);
    return true;
}

bool CodeTableWindow::refuse(const CodeTableRecords::Result& result, const QString& code) {
    using Outcome = CodeTableRecords::Outcome;
    QString text;
    ui::Control* field = &codeText;
    switch (result.outcome) {
        case Outcome::Done:
            return false;
        case Outcome::EmptyCode:
            text = QStringLiteral("กรุณาพิมพ์รหัส");
            break;
        case Outcome::EmptyDescription:
            text = QStringLiteral("กรุณาพิมพ์คำอธิบาย");
            field = &descriptionText;
            break;
        case Outcome::DuplicateCode:
            text = QStringLiteral("รหัส %1 มีอยู่แล้ว กรุณาใช้รหัสอื่น").arg(code);
            break;
        case Outcome::DuplicateDescription:
            text = QStringLiteral("คำอธิบาย %1 เป็นของรหัส %2 อยู่แล้ว กรุณาใช้คำอธิบายอื่น")
                       .arg(descriptionText.text().trimmed(), result.other);
            field = &descriptionText;
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
