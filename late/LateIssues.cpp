#include "late/LateIssues.h"

#include <QFile>
#include <QFileInfo>

#include "data/Database.h"
#include "data/DateText.h"
#include "late/ClaimLetters.h"
#include "late/ClaimPrint.h"
#include "late/LateCsv.h"
#include "ui/Printing.h"
#include "ui/ThaiOrder.h"

namespace late {

namespace {

const QString kClaimCaption = QStringLiteral("ใบทวงถาม");

}  // namespace

LateIssues::LateIssues(ui::Services& services)
    : Form(QStringLiteral("รายการวารสาร/สิ่งพิมพ์ที่ยังไม่ได้รับตามกำหนด"), services.messages),
      services_(services) {
    ui::OptionButton::group({&Option1, &Option2, &Option3});
    Option3.setValue(true);
    const std::pair<Column, const char16_t*> headings[] = {
        {pointer, u"รหัส"},          {name, u"ชื่อวารสาร/สิ่งพิมพ์"}, {department, u"คณะ/หน่วยงาน"},
        {agent, u"ตัวแทน/ร้านค้า"},    {frequency, u"กำหนดออก"},  {lastIssue, u"ฉบับล่าสุด"},
        {lastReceived, u"วันที่รับ"},   {expected, u"กำหนดได้รับ"},  {daysLate, u"ช้า (วัน)"},
        {overdueIssue, u"ฉบับที่ค้าง"}, {claims, u"การทวงถาม"}};
    const int widths[columns] = {1000, 2500, 1600, 1600, 1000, 1950, 1100, 1100, 800, 1900, 2700};
    for (const auto& [column, heading] : headings) {
        showlate.setTextMatrix(0, column, QString::fromUtf16(heading));
        showlate.setColWidth(column, widths[column]);
    }
    for (ui::CommandButton* b : {&Cmdreg, &Cmdclaim, &Cmdclaimpdf, &Cmdcsv, &Cmdnotreceived})
        b->setEnabled(false);
    ui::OptionButton::group({&Option4, &Option5});
    Option4.setValue(true);
    Textreason.setMaxLength(100);

    Cmdshow.onClick = [this] { Cmdshow_Click(); };
    showlate.onClick = [this] { showlate_Click(); };
    Cmdreg.onClick = [this] { Cmdreg_Click(); };
    Cmdclaim.onClick = [this] { Cmdclaim_Click(); };
    Cmdclaimpdf.onClick = [this] { Cmdclaimpdf_Click(); };
    Cmdcsv.onClick = [this] { Cmdcsv_Click(); };
    Cmdnotreceived.onClick = [this] { Cmdnotreceived_Click(); };
    Cmdexit.onClick = [this] { Cmdexit_Click(); };
    // A list to read and print: Escape closes it, as the close button does.
    onEscape = [this] { Cmdexit_Click(); };
}

LateIssues::~LateIssues() = default;

bool LateIssues::Form_Load() {
    if (!guarded([this] { db_ = std::make_unique<data::Database>(services_.databasePath); }))
        return false;
    Cmdshow_Click();
    // The list is what the window is opened for: the keys start there.
    if (!listed_.empty())
        setFocus(showlate);
    return true;
}

void LateIssues::readFilters() {
    const LateRecords records(*db_);
    const auto refill = [](ui::PickList& list, std::vector<ui::PickRow> rows, bool withCodes) {
        const int was = list.chosenRow();
        const QString chosen = was > 0 ? list.rows().at(was).code : QString();
        std::vector<ui::PickRow> every{{QString(), QStringLiteral("ทั้งหมด")}};
        for (ui::PickRow& row : ui::thaiSorted(std::move(rows))) {
            if (withCodes)
                row.description += ui::codeSuffix(row.code);
            every.push_back(std::move(row));
        }
        int row = 0;
        for (int i = 1; i < int(every.size()) && row == 0 && !chosen.isEmpty(); ++i)
            if (every[i].code == chosen)
                row = i;
        list.setRows(std::move(every));
        list.chooseRow(row);
    };
    refill(dcbdepart, records.departments(), false);
    // Two agents may bear one name: the code beside it tells which a claim
    // goes to.
    refill(dcbdealer, records.agents(), true);
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
    // The old list is let go first: its memory serves the new one, and a
    // list that could not be read is not shown as if it were current.
    listed_ = {};
    showlate.setDataRows({});
    guarded([&] {
        readFilters();
        listed_ = LateRecords(*db_).late(filter(), services_.clock.today());
    });
    std::vector<QStringList> cells;
    cells.reserve(listed_.size());
    for (const LateTitle& t : listed_)
        cells.push_back({t.pointer, t.name, t.departmentName,
                         t.agentName + ui::codeSuffix(t.agentCode), t.frequency, t.lastIssue,
                         t.lastReceived, data::writeDate(t.expected), QString::number(t.daysLate),
                         t.issue, patterns::claimHistory(t.claim)});
    showlate.setDataRows(std::move(cells));
    showlate.setRow(listed_.empty() ? 0 : 1);
    Label3.setCaption(listed_.empty() ? QStringLiteral("ไม่มีรายการคงค้าง")
                                      : QStringLiteral("คงค้าง %1 รายการ").arg(listed_.size()));
    for (ui::CommandButton* b : {&Cmdreg, &Cmdclaim, &Cmdclaimpdf, &Cmdcsv})
        b->setEnabled(!listed_.empty());
    showlate_Click();
}

const LateTitle* LateIssues::chosen() const {
    const int r = showlate.row();
    return r >= 1 && r <= int(listed_.size()) ? &listed_[r - 1] : nullptr;
}

void LateIssues::showlate_Click() {
    const LateTitle* title = chosen();
    Cmdreg.setEnabled(title != nullptr);
    Cmdnotreceived.setEnabled(title && patterns::mayMarkNotReceived(title->claim));
}

void LateIssues::Cmdreg_Click() {
    if (const LateTitle* title = chosen(); title && onRegister)
        onRegister(*title);
}

QString LateIssues::claimAgent() const {
    const int r = dcbdealer.chosenRow();
    if (r > 0)
        return dcbdealer.rows().at(r).code.trimmed();
    const LateTitle* title = chosen();
    return title ? title->agentCode.trimmed() : QString();
}

void LateIssues::printClaim(bool toPdf) {
    const QString agent = Option5.value() ? QString() : claimAgent();
    std::vector<LateTitle> titles;
    for (const LateTitle& t : listed_)
        if (agent.isEmpty() ? !t.agentCode.trimmed().isEmpty() : t.agentCode.trimmed() == agent)
            titles.push_back(t);
    if ((Option4.value() && agent.isEmpty()) || titles.empty()) {
        messages().show(QStringLiteral("กรุณาเลือกตัวแทน/ร้านค้า หรือเลือกรายการที่ต้องการทวงถาม"),
                        kClaimCaption, ui::msg::kStop);
        return;
    }
    ui::Printing* printing = services_.printing;
    if (!printing) {
        messages().show(QStringLiteral("ไม่พบเครื่องพิมพ์"), kClaimCaption, ui::msg::kStop);
        return;
    }
    if (!toPdf && !printing->hasDefaultPrinter()) {
        if (messages().show(QStringLiteral("ไม่พบเครื่องพิมพ์ ต้องการบันทึกใบทวงถามเป็นไฟล์ PDF หรือไม่"),
                            kClaimCaption, ui::msg::kConfirm) != ui::msg::kOk)
            return;
        toPdf = true;
    }
    std::optional<QString> path;
    if (toPdf) {
        path = printing->askPdfPath(QStringLiteral("claim-%1-%2.pdf")
                                        .arg(agent.isEmpty() ? QStringLiteral("all") : agent,
                                             services_.clock.today().toString(Qt::ISODate)));
        if (!path)
            return;
    }
    const QDate today = services_.clock.today();
    std::vector<ClaimLetter> letters;
    try {
        // The letters print inside the claim's transaction: a letter that
        // could not be made leaves no claim counted.
        if (!guarded([&] {
                const ClaimSender sender = claimSender(*db_);
                letters = sendClaims(*db_, titles, today, [&](const auto& made) {
                    std::unique_ptr<ui::PageSurface> surface =
                        path ? printing->openPdf(*path) : printing->openDefaultPrinter();
                    ClaimPrint(*surface).print(sender, made, today);
                });
            }))
            return;
    } catch (const ui::PrintError& e) {
        messages().show(e.thaiMessage(), kClaimCaption, ui::msg::kStop);
        return;
    }
    if (letters.empty()) {
        messages().show(QStringLiteral("ไม่มีรายการที่ทวงถามได้ในวันนี้: ทวงถามซ้ำได้เมื่อครบกำหนด"
                                       " และทวงถามได้ไม่เกิน 3 ครั้ง"),
                        kClaimCaption, ui::msg::kInformation);
        return;
    }
    const int row = showlate.row();
    Cmdshow_Click();
    if (row <= int(listed_.size()))
        showlate.setRow(row);
    showlate_Click();
    int claimed = 0;
    for (const ClaimLetter& letter : letters)
        claimed += int(letter.lines.size());
    const QString what =
        QStringLiteral("ทวงถาม %1 ฉบับ ถึงตัวแทน %2 ราย").arg(claimed).arg(letters.size());
    messages().show(
        path ? what + QStringLiteral(" บันทึกเป็นไฟล์ PDF แล้วที่ ") + QFileInfo(*path).absoluteFilePath()
             : what + QStringLiteral(" ส่งไปที่เครื่องพิมพ์แล้ว"),
        kClaimCaption, ui::msg::kInformation);
}

void LateIssues::Cmdnotreceived_Click() {
    const LateTitle* title = chosen();
    if (!title)
        return;
    const QString reason = Textreason.text().trimmed();
    if (reason.isEmpty()) {
        messages().show(QStringLiteral("กรุณาระบุเหตุผลที่ไม่ได้รับ"), kClaimCaption, ui::msg::kStop);
        setFocus(Textreason);
        return;
    }
    if (messages().show(
            QStringLiteral("บันทึกว่าไม่ได้รับ %1 %2 หรือไม่").arg(title->name.trimmed(), title->issue),
            kClaimCaption, ui::msg::kConfirm) != ui::msg::kOk)
        return;
    const patterns::ClaimKey key = title->claimKey();
    bool marked = false;
    if (!guarded([&] {
            marked =
                patterns::ClaimRecords(*db_).markNotReceived(key, reason, services_.clock.today());
        }))
        return;
    if (!marked) {
        messages().show(QStringLiteral("บันทึกว่าไม่ได้รับได้เมื่อทวงถามครบ 3 ครั้งแล้วเท่านั้น"), kClaimCaption,
                        ui::msg::kStop);
        return;
    }
    Textreason.setText({});
    Cmdshow_Click();
}

void LateIssues::Cmdclaim_Click() {
    printClaim(false);
}

void LateIssues::Cmdclaimpdf_Click() {
    printClaim(true);
}

void LateIssues::Cmdcsv_Click() {
    if (!askCsvPath)
        return;
    const std::optional<QString> path = askCsvPath(
        QStringLiteral("late-issues-%1.csv").arg(services_.clock.today().toString(Qt::ISODate)));
    if (!path)
        return;
    QFile file(*path);
    const QByteArray csv = lateCsv(listed_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(csv) != csv.size() ||
        !file.flush()) {
        messages().show(
            QStringLiteral("บันทึกไฟล์ ") + *path + QStringLiteral(" ไม่ได้: ") + file.errorString(),
            QStringLiteral("บันทึก CSV"), ui::msg::kStop);
        return;
    }
    file.close();
    messages().show(
        QStringLiteral("บันทึกรายการคงค้างเป็นไฟล์ CSV แล้วที่ ") + QFileInfo(*path).absoluteFilePath(),
        QStringLiteral("บันทึก CSV"), ui::msg::kInformation);
}

void LateIssues::Cmdexit_Click() {
    unload();
}

}  // namespace late
