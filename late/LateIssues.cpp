#include "late/LateIssues.h"

#include "data/Database.h"
#include "data/DateText.h"

namespace late {

LateIssues::LateIssues(ui::Services& services)
    : Form(QStringLiteral("รายการวารสาร/สิ่งพิมพ์ที่ยังไม่ได้รับตามกำหนด"), services.messages),
      services_(services) {
    ui::OptionButton::group({&Option1, &Option2, &Option3});
    Option3.setValue(true);
    const std::pair<Column, const char16_t*> headings[] = {
        {pointer, u"เลขทะเบียน"},  {name, u"ชื่อวารสาร/สิ่งพิมพ์"}, {department, u"คณะ/หน่วยงาน"},
        {agent, u"ตัวแทน/ร้านค้า"},  {frequency, u"กำหนดออก"},  {lastIssue, u"ฉบับล่าสุด"},
        {lastReceived, u"วันที่รับ"}, {expected, u"กำหนดได้รับ"},  {daysLate, u"ช้า (วัน)"}};
    const int widths[columns] = {1000, 2800, 1800, 1800, 1000, 1500, 1100, 1100, 800};
    for (const auto& [column, heading] : headings) {
        showlate.setTextMatrix(0, column, QString::fromUtf16(heading));
        showlate.setColWidth(column, widths[column]);
    }
    Cmdreg.setEnabled(false);

    Cmdshow.onClick = [this] { Cmdshow_Click(); };
    showlate.onClick = [this] { showlate_Click(); };
    Cmdreg.onClick = [this] { Cmdreg_Click(); };
    Cmdexit.onClick = [this] { Cmdexit_Click(); };
}

LateIssues::~LateIssues() = default;

bool LateIssues::Form_Load() {
    return guarded([this] {
        db_ = std::make_unique<data::Database>(services_.databasePath);
        const LateRecords records(*db_);
        const ui::PickRow every{QString(), QStringLiteral("ทั้งหมด")};
        std::vector<ui::PickRow> departments{every}, agents{every};
        for (ui::PickRow& row : records.departments())
            departments.push_back(std::move(row));
        for (ui::PickRow& row : records.agents())
            agents.push_back(std::move(row));
        dcbdepart.setRows(std::move(departments));
        dcbdepart.chooseRow(0);
        dcbdealer.setRows(std::move(agents));
        dcbdealer.chooseRow(0);
        Cmdshow_Click();
    });
}

LateFilter LateIssues::filter() const {
    const auto code = [](const ui::PickList& list) {
        return list.chosenRow() < 0 ? QString() : list.rows().at(list.chosenRow()).code;
    };
    return {Option1.value()   ? Kind::Journals
            : Option2.value() ? Kind::Newspapers
                              : Kind::Both,
            code(dcbdepart), code(dcbdealer)};
}

void LateIssues::Cmdshow_Click() {
    std::vector<LateTitle> found;
    if (!guarded([&] { found = LateRecords(*db_).late(filter(), services_.clock.today()); }))
        return;
    listed_ = std::move(found);
    showlate.setRows(int(listed_.size()) + 1);
    for (int r = 0; r < int(listed_.size()); ++r) {
        const LateTitle& t = listed_[r];
        const QString cells[columns] = {t.pointer,
                                        t.name,
                                        t.departmentName,
                                        t.agentName,
                                        t.frequency,
                                        t.lastIssue,
                                        t.lastReceived,
                                        data::writeDate(t.expected),
                                        QString::number(t.daysLate)};
        for (int c = 0; c < columns; ++c)
            showlate.setTextMatrix(r + 1, c, cells[c]);
    }
    showlate.setRow(listed_.empty() ? 0 : 1);
    Label3.setCaption(listed_.empty() ? QStringLiteral("ไม่มีรายการคงค้าง")
                                      : QStringLiteral("คงค้าง %1 รายการ").arg(listed_.size()));
    Cmdreg.setEnabled(!listed_.empty());
}

const LateTitle* LateIssues::chosen() const {
    const int r = showlate.row();
    return r >= 1 && r <= int(listed_.size()) ? &listed_[r - 1] : nullptr;
}

void LateIssues::showlate_Click() {
    Cmdreg.setEnabled(chosen() != nullptr);
}

void LateIssues::Cmdreg_Click() {
    if (const LateTitle* title = chosen(); title && onRegister)
        onRegister(*title);
}

void LateIssues::Cmdexit_Click() {
    unload();
}

}  // namespace late
