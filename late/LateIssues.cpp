#include "late/LateIssues.h"

#include <QFileInfo>
#include <QSaveFile>

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
    ui::OptionButton::group({&journalsOption, &newspapersOption, &allKindsOption});
    allKindsOption.setValue(true);
    for (ui::CommandButton* b :
         {&registerButton, &claimButton, &claimPdfButton, &csvButton, &notReceivedButton})
        b->setEnabled(false);
    ui::OptionButton::group({&chosenAgentOption, &everyAgentOption});
    chosenAgentOption.setValue(true);
    reasonText.setMaxLength(100);
    const QStringList headings{QStringLiteral("รหัส"),         QStringLiteral("ชื่อวารสาร/สิ่งพิมพ์"),
                               QStringLiteral("คณะ/หน่วยงาน"), QStringLiteral("ตัวแทน/ร้านค้า"),
                               QStringLiteral("กำหนดออก"),    QStringLiteral("ฉบับล่าสุด"),
                               QStringLiteral("วันที่รับ"),       QStringLiteral("กำหนดได้รับ"),
                               QStringLiteral("ช้า (วัน)"),     QStringLiteral("ฉบับที่ค้าง"),
                               QStringLiteral("การทวงถาม")};
    const int widths[] = {1000, 2500, 1600, 1600, 1000, 1950, 1100, 1100, 800, 1900, 2700};
    for (int c = 0; c < column::count; ++c) {
        lateList.setTextMatrix(0, c, headings.at(c));
        lateList.setColWidth(c, widths[c]);
    }
    listed_->setOrder({column::daysLate, true});

    showButton.onClick = [this] { showButton_Click(); };
    lateList.guard = [this](const std::function<void()>& step) { return guarded(step); };
    lateList.onClick = [this] { lateList_Click(); };
    lateList.onSort = [this] { lateList_Click(); };
    // A long list paints its first rows before it is counted, and before
    // the filters are read again.
    lateList.onCount = [this](int total) {
        countLabel.setCaption(total == 0 ? QStringLiteral("ไม่มีรายการคงค้าง")
                                         : QStringLiteral("คงค้าง %1 รายการ").arg(total));
        refreshFilters();
    };
    registerButton.onClick = [this] { registerButton_Click(); };
    claimButton.onClick = [this] { claimButton_Click(); };
    claimPdfButton.onClick = [this] { claimPdfButton_Click(); };
    csvButton.onClick = [this] { csvButton_Click(); };
    notReceivedButton.onClick = [this] { notReceivedButton_Click(); };
    closeButton.onClick = [this] { closeButton_Click(); };
    // A list to read and print: Escape closes it, as the close button does.
    onEscape = [this] { closeButton_Click(); };
}

LateIssues::~LateIssues() = default;

bool LateIssues::Form_Load() {
    if (!guarded([this] { db_ = std::make_unique<data::Database>(services_.databasePath); }))
        return false;
    showButton_Click();
    // The list is what the window is opened for: the keys start there.
    if (lateList.rows() > 1)
        setFocus(lateList);
    return true;
}

void LateIssues::refreshFilters() {
    if (filtersRead_)
        return;
    filtersRead_ = true;
    const QString faculty = filter().departmentCode, agent = filter().agentCode;
    guarded([this] { readFilters(); });
    // The list shown is of a faculty or an agent that has gone since: it is
    // shown again for every one, as the filter now reads.
    if (filter().departmentCode == faculty && filter().agentCode == agent)
        return;
    if (showing_)
        showAgain_ = true;
    else
        showButton_Click();
}

void LateIssues::readFilters() {
    const LateRecords records(*db_);
    const auto refill = [](ui::PickList& list, std::vector<ui::PickRow> rows, bool withCodes) {
        const int was = list.chosenRow();
        const QString chosen = was > 0 ? list.rows().at(std::size_t(was)).code : QString();
        std::vector<ui::PickRow> every{{QString(), QStringLiteral("ทั้งหมด")}};
        for (ui::PickRow& row : ui::thaiSorted(std::move(rows))) {
            if (withCodes)
                row.description += ui::codeSuffix(row.code);
            every.push_back(std::move(row));
        }
        int row = 0;
        for (std::size_t i = 1; i < every.size() && row == 0 && !chosen.isEmpty(); ++i)
            if (every[i].code == chosen)
                row = int(i);
        list.setRows(std::move(every));
        list.chooseRow(row);
    };
    refill(facultyFilter, records.departments(), false);
    // Two agents may bear one name: the code beside it tells which a claim
    // goes to.
    refill(agentFilter, records.agents(), true);
}

LateFilter LateIssues::filter() const {
    const auto code = [](const ui::PickList& list) {
        return list.chosenRow() < 0 ? QString()
                                    : list.rows().at(std::size_t(list.chosenRow())).code;
    };
    return {journalsOption.value()     ? Kind::Journals
            : newspapersOption.value() ? Kind::Newspapers
                                       : Kind::Both,
            code(facultyFilter), code(agentFilter)};
}

void LateIssues::showButton_Click() {
    showing_ = true;
    do {
        showAgain_ = false;
        showList();
    } while (showAgain_);
    showing_ = false;
    for (ui::CommandButton* b : {&claimButton, &claimPdfButton, &csvButton})
        b->setEnabled(lateList.rows() > 1);
    lateList_Click();
}

void LateIssues::showList() {
    // The old list is let go first: its memory serves the new one, and a
    // list that could not be read is not shown as if it were current.
    const ui::ListOrder order = listed_->order();
    lateList.setRows(1);
    listed_ = std::make_shared<LateList>();
    listed_->setOrder(order);
    // Told once the list is counted.
    countLabel.setCaption(QString());
    filtersRead_ = false;
    // The list is of the faculty and agent chosen; the filters' own lists
    // are read again once it is shown.
    bool shown = false;
    guarded([&] {
        auto list =
            std::make_shared<LateList>(LateRecords(*db_).list(filter(), services_.clock.today()));
        // The order the clerk chose stays.
        list->setOrder(order);
        shown = lateList.setSource(list);
        if (shown)
            listed_ = std::move(list);
    });
    if (!shown)
        refreshFilters();
}

void LateIssues::showAgain() {
    const int row = lateList.row();
    showButton_Click();
    if (row >= 1) {
        while (lateList.rows() <= row && lateList.canFetchMore())
            lateList.fetchMore();
        if (row < lateList.rows())
            lateList.setRow(row);
    }
    lateList_Click();
}

std::optional<LateTitle> LateIssues::chosen() {
    const int r = lateList.row() - 1;
    if (!lateList.paged() || r < 0 || r + 1 >= lateList.rows())
        return std::nullopt;
    std::optional<LateTitle> title;
    guarded([&] { title = listed_->title(r); });
    return title;
}

void LateIssues::lateList_Click() {
    const std::optional<LateTitle> title = chosen();
    registerButton.setEnabled(title.has_value());
    notReceivedButton.setEnabled(title && patterns::mayMarkNotReceived(title->claim));
}

void LateIssues::registerButton_Click() {
    if (const std::optional<LateTitle> title = chosen(); title && onRegister)
        onRegister(*title);
}

QString LateIssues::claimAgent() {
    const int r = agentFilter.chosenRow();
    if (r > 0)
        return agentFilter.rows().at(std::size_t(r)).code.trimmed();
    const std::optional<LateTitle> title = chosen();
    return title ? title->agentCode.trimmed() : QString();
}

void LateIssues::printClaim(bool toPdf) {
    const QString agent = everyAgentOption.value() ? QString() : claimAgent();
    std::vector<LateTitle> titles;
    guarded([&] {
        listed_->forEach([&](const LateTitle& t) {
            if (agent.isEmpty() ? !t.agentCode.trimmed().isEmpty() : t.agentCode.trimmed() == agent)
                titles.push_back(t);
        });
    });
    if ((chosenAgentOption.value() && agent.isEmpty()) || titles.empty()) {
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
    showAgain();
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

void LateIssues::notReceivedButton_Click() {
    const std::optional<LateTitle> title = chosen();
    if (!title)
        return;
    const QString reason = reasonText.text().trimmed();
    if (reason.isEmpty()) {
        messages().show(QStringLiteral("กรุณาระบุเหตุผลที่ไม่ได้รับ"), kClaimCaption, ui::msg::kStop);
        setFocus(reasonText);
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
    reasonText.setText({});
    showAgain();
}

void LateIssues::claimButton_Click() {
    printClaim(false);
}

void LateIssues::claimPdfButton_Click() {
    printClaim(true);
}

void LateIssues::csvButton_Click() {
    if (!askCsvPath)
        return;
    const std::optional<QString> path = askCsvPath(
        QStringLiteral("late-issues-%1.csv").arg(services_.clock.today().toString(Qt::ISODate)));
    if (!path)
        return;
    // The rows go out a page at a time; a file half written is not kept.
    QSaveFile file(*path);
    bool written = false;
    if (!guarded([&] {
            written =
                file.open(QIODevice::WriteOnly) && writeLateCsv(*listed_, file) && file.commit();
        }))
        return;
    if (!written) {
        messages().show(
            QStringLiteral("บันทึกไฟล์ ") + *path + QStringLiteral(" ไม่ได้: ") + file.errorString(),
            QStringLiteral("บันทึก CSV"), ui::msg::kStop);
        return;
    }
    messages().show(
        QStringLiteral("บันทึกรายการคงค้างเป็นไฟล์ CSV แล้วที่ ") + QFileInfo(*path).absoluteFilePath(),
        QStringLiteral("บันทึก CSV"), ui::msg::kInformation);
}

void LateIssues::closeButton_Click() {
    unload();
}

}  // namespace late
