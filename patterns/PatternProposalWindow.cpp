#include "patterns/PatternProposalWindow.h"

#include "data/Database.h"
#include "data/DateText.h"

namespace patterns {

namespace {

const QString kCaption = QStringLiteral("รูปแบบการออกที่เสนอจากข้อมูลเดิม");

}  // namespace

PatternProposalWindow::PatternProposalWindow(ui::Services& services)
    : Form(kCaption, services.messages), services_(services) {
    const std::pair<Column, const char16_t*> headings[] = {{keyColumn, u"รหัส"},
                                                           {nameColumn, u"ชื่อวารสาร/สิ่งพิมพ์"},
                                                           {frequencyColumn, u"กำหนดออก"},
                                                           {knownColumn, u"ฉบับที่ทราบ"},
                                                           {basisColumn, u"เสนอจาก"}};
    const int widths[columns] = {1000, 3600, 1500, 2700, 2400};
    for (const auto& [column, heading] : headings) {
        proposalGrid.setTextMatrix(0, column, QString::fromUtf16(heading));
        proposalGrid.setColWidth(column, widths[column]);
    }
    acceptButton.onClick = [this] { acceptButton_Click(); };
    acceptAllButton.onClick = [this] { acceptAllButton_Click(); };
    closeButton.onClick = [this] { closeButton_Click(); };
    onEscape = [this] { closeButton_Click(); };
}

PatternProposalWindow::~PatternProposalWindow() = default;

bool PatternProposalWindow::Form_Load() {
    if (!guarded([this] { db_ = std::make_unique<data::Database>(services_.databasePath); }))
        return false;
    list();
    return true;
}

void PatternProposalWindow::list() {
    proposals_.clear();
    guarded([this] { proposals_ = proposePatterns(PatternRecords(*db_)); });
    std::vector<QStringList> rows;
    for (const ProposedPattern& p : proposals_)
        rows.push_back({p.title.pointer, p.title.name, frequencyName(p.pattern.frequency),
                        QStringLiteral("ปีที่ %1 ฉบับที่ %2 (%3)")
                            .arg(p.pattern.knownVolume)
                            .arg(p.pattern.knownIssue)
                            .arg(data::writeDate(p.pattern.knownDate)),
                        p.basis});
    proposalGrid.setDataRows(std::move(rows));
    proposalGrid.setRow(proposals_.empty() ? 0 : 1);
    countLabel.setCaption(proposals_.empty()
                              ? QStringLiteral("ไม่มีวารสารที่จะเสนอรูปแบบการออก")
                              : QStringLiteral("เสนอ %1 รายการ").arg(proposals_.size()));
    acceptButton.setEnabled(!proposals_.empty());
    acceptAllButton.setEnabled(!proposals_.empty());
}

void PatternProposalWindow::accept(const std::vector<ProposedPattern>& chosen) {
    std::vector<std::pair<QString, StoredPattern>> patterns;
    patterns.reserve(chosen.size());
    for (const ProposedPattern& p : chosen)
        patterns.push_back({p.title.pointer, {p.pattern, false}});
    if (!guarded([&] { PatternRecords(*db_).saveAll(patterns); }))
        return;
    messages().show(QStringLiteral("บันทึกรูปแบบการออก %1 รายการแล้ว").arg(chosen.size()), kCaption,
                    ui::msg::kInformation);
    list();
}

void PatternProposalWindow::acceptButton_Click() {
    const int r = proposalGrid.row();
    if (r >= 1 && r <= int(proposals_.size()))
        accept({proposals_[std::size_t(r - 1)]});
}

void PatternProposalWindow::acceptAllButton_Click() {
    if (messages().show(
            QStringLiteral("ต้องการใช้รูปแบบการออกที่เสนอทั้ง %1 รายการหรือไม่").arg(proposals_.size()),
            kCaption, ui::msg::kConfirm) == ui::msg::kOk)
        accept(proposals_);
}

void PatternProposalWindow::closeButton_Click() {
    unload();
}

}  // namespace patterns
