#include "patterns/ExpectedIssueProposal.h"

#include <QStringList>

#include "data/DateText.h"
#include "patterns/ClaimRecords.h"
#include "patterns/PatternRecords.h"
#include "ui/Grid.h"
#include "ui/Services.h"

namespace patterns {

ExpectedIssueProposal::ExpectedIssueProposal(data::Database& db, const QString& pointer,
                                             const QString& departmentCode, QDate today)
    : db_(db),
      pointer_(pointer.trimmed()),
      departmentCode_(departmentCode.trimmed()),
      today_(today) {
    if (pointer_.isEmpty())
        return;
    const PatternRecords records(db_);
    const auto stored = records.pattern(pointer_);
    // A title without a pattern still has its registrations counted.
    registered_ = records.registered(pointer_, departmentCode_);
    if (!stored)
        return;
    pattern_ = stored->pattern;
    era_ = records.era();
    marks_ = records.marks(pointer_, departmentCode_);
    issues_ = expectedIssues(*pattern_, registered_, marks_, today_);
    claims_ = ClaimRecords(static_cast<const data::Database&>(db_))
                  .ofSubscription(pointer_, departmentCode_);
}

void ExpectedIssueProposal::addRegistered(const RegisteredNumbers& numbers) {
    registered_.push_back(numbers);
    if (pattern_)
        issues_ = expectedIssues(*pattern_, registered_, marks_, today_);
}

ProposedFields ExpectedIssueProposal::fields(const ExpectedIssue& issue) const {
    const PredictedIssue& p = issue.predicted;
    return {data::writeDate(p.published), QString::number(p.volume), p.issueText(),
            chronology(*pattern_, p, era_)};
}

std::optional<ProposedFields> ExpectedIssueProposal::next() const {
    const auto issue = nextExpected(issues_);
    return issue ? std::optional(fields(*issue)) : std::nullopt;
}

std::optional<ProposedFields> ExpectedIssueProposal::withNumber(const QString& addOn) const {
    bool ok = false;
    const int number = addOn.toInt(&ok);
    const auto issue = ok ? expectedWithNumber(issues_, number) : std::nullopt;
    return issue ? std::optional(fields(*issue)) : std::nullopt;
}

std::vector<PredictedIssue> ExpectedIssueProposal::askAboutSkipped(ui::MessageBox& box,
                                                                   const QString& yearno,
                                                                   const QString& issueno) const {
    const auto issue = expectedAs(issues_, {yearno, issueno});
    if (!issue || issue->status == IssueStatus::Received)
        return {};
    std::vector<PredictedIssue> skipped;
    QStringList names;
    for (const ExpectedIssue& e : skippedBefore(issues_, issue->predicted)) {
        skipped.push_back(e.predicted);
        names
            << QStringLiteral("ปีที่ %1 ฉบับที่ %2").arg(e.predicted.volume).arg(e.predicted.issueText());
    }
    if (skipped.empty())
        return {};
    const int answer = box.show(QStringLiteral("ฉบับนี้ไม่ใช่ฉบับที่ควรได้รับถัดไป ยังไม่ได้รับ %1\n"
                                               "ตกลง: บันทึกว่าฉบับเหล่านั้นขาด (เพื่อทวงถาม)\n"
                                               "ยกเลิก: รับฉบับนี้เป็นฉบับที่มาไม่ตามลำดับ")
                                    .arg(names.join(QStringLiteral(", "))),
                                QStringLiteral("ฉบับที่ข้ามไป"), ui::msg::kQuestion);
    return answer == ui::msg::kOk ? skipped : std::vector<PredictedIssue>{};
}

void ExpectedIssueProposal::markMissing(const std::vector<PredictedIssue>& issues) {
    if (!issues.empty())
        PatternRecords(db_).mark(pointer_, departmentCode_, issues, IssueStatus::Missing, today_);
}

void ExpectedIssueProposal::showIn(ui::Grid& grid) const {
    setHeadings(grid);
    grid.setDataRows(listRows());
}

void ExpectedIssueProposal::setHeadings(ui::Grid& grid) {
    const char16_t* const headings[kListColumns] = {u"ปีที่", u"ฉบับที่", u"กำหนดได้รับ", u"สถานะ",
                                                    u"การทวงถาม"};
    const int widths[kListColumns] = {600, 700, 1200, 1100, 2700};
    grid.setCols(kListColumns);
    for (int c = 0; c < kListColumns; ++c) {
        grid.setTextMatrix(0, c, QString::fromUtf16(headings[c]));
        grid.setColWidth(c, widths[c]);
    }
}

std::vector<QStringList> ExpectedIssueProposal::listRows() const {
    std::vector<QStringList> rows, received;
    for (const ExpectedIssue& e : issues_) {
        const QStringList row{
            QString::number(e.predicted.volume), e.predicted.issueText(),
            data::writeDate(e.predicted.expected), statusName(e.status),
            claimHistory(claims_.value(
                ClaimKey{pointer_, departmentCode_, e.predicted.volume, e.predicted.issue, {}}
                    .text()))};
        (e.status == IssueStatus::Received ? received : rows).push_back(row);
    }
    // The latest received first, under the ones still to come.
    rows.insert(rows.end(), received.rbegin(), received.rend());
    return rows;
}

}  // namespace patterns
