#include "patterns/PatternWindow.h"

#include <QRegularExpression>

#include "data/Database.h"
#include "data/DateText.h"

namespace patterns {

namespace {

const QString kCaption = QStringLiteral("รูปแบบการออกของวารสาร");

std::optional<int> number(const ui::TextBox& box) {
    bool ok = false;
    const int n = box.text().trimmed().toInt(&ok);
    return ok ? std::optional(n) : std::nullopt;
}

std::optional<QList<int>> numbers(const ui::TextBox& box) {
    QList<int> out;
    static const QRegularExpression separator(QStringLiteral("[,\\s]+"));
    for (const QString& part : box.text().split(separator, Qt::SkipEmptyParts)) {
        bool ok = false;
        out << part.toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    return out;
}

QString joined(const QList<int>& list) {
    QStringList parts;
    for (int n : list)
        parts << QString::number(n);
    return parts.join(QStringLiteral(", "));
}

}  // namespace

PatternWindow::PatternWindow(ui::Services& services)
    : Form(kCaption, services.messages), services_(services) {
    std::vector<ui::PickRow> frequencies;
    frequencies.reserve(kFrequencyCount);
    for (int f = 0; f < kFrequencyCount; ++f)
        frequencies.push_back({QString::number(f), frequencyName(Frequency(f))});
    frequencyList.setRows(std::move(frequencies));
    std::vector<ui::PickRow> starts{{QStringLiteral("0"), QStringLiteral("เมื่อครบจำนวนฉบับ")}};
    for (int m = 1; m <= 12; ++m)
        starts.push_back({QString::number(m), QStringLiteral("เดือน") + thaiMonthName(m)});
    volumeStartList.setRows(std::move(starts));
    ui::OptionButton::group({&restartOption, &runOnOption});
    ui::OptionButton::group({&buddhistOption, &christianOption});
    ui::OptionButton::group({&publishingOption, &ceasedOption});

    const std::pair<PreviewColumn, const char16_t*> headings[] = {{volumeColumn, u"ปีที่"},
                                                                  {issueColumn, u"ฉบับที่"},
                                                                  {publishedColumn, u"วันที่ออก"},
                                                                  {expectedColumn, u"กำหนดได้รับ"},
                                                                  {chronologyColumn, u"คำอธิบาย"}};
    const int widths[previewColumns] = {600, 700, 1200, 1200, 4200};
    for (const auto& [column, heading] : headings) {
        previewGrid.setTextMatrix(0, column, QString::fromUtf16(heading));
        previewGrid.setColWidth(column, widths[column]);
    }

    frequencyList.onChange = [this] { frequencyList_Change(); };
    for (ui::TextBox* box :
         {&everyDaysText, &knownDateText, &knownVolumeText, &knownIssueText, &issuesPerVolumeText,
          &leadDaysText, &graceDaysText, &omittedMonthsText, &combinedIssuesText})
        box->onChange = [this] { preview(); };
    volumeStartList.onChange = [this] { preview(); };
    for (ui::OptionButton* b : {&restartOption, &runOnOption, &buddhistOption, &christianOption})
        b->onClick = [this] { preview(); };
    saveButton.onClick = [this] { saveButton_Click(); };
    removeButton.onClick = [this] { removeButton_Click(); };
    closeButton.onClick = [this] { closeButton_Click(); };
    proposalsButton.onClick = [this] { services_.opener.open(QStringLiteral("PatternProposals")); };
    onEscape = [this] { closeButton_Click(); };
    for (ui::CommandButton* b : {&saveButton, &removeButton})
        b->setEnabled(false);
}

PatternWindow::~PatternWindow() = default;

bool PatternWindow::Form_Load() {
    return guarded([this] {
        db_ = std::make_unique<data::Database>(services_.databasePath);
        const Era era = PatternRecords(*db_).era();
        buddhistOption.setValue(era == Era::Buddhist);
        christianOption.setValue(era == Era::Christian);
    });
}

void PatternWindow::showTitle(const QString& pointer) {
    if (const QString entry = openEntry();
        !entry.isEmpty() &&
        messages().show(entry + QStringLiteral(" ซึ่งยังไม่ได้บันทึก ต้องการยกเลิกการแก้ไขนี้ก่อนหรือไม่"),
                        QStringLiteral("มีรายการที่ยังไม่ได้บันทึก"), ui::msg::kQuestion) != ui::msg::kOk)
        return;
    std::optional<StoredPattern> stored;
    if (!guarded([&] {
            const PatternRecords records(*db_);
            title_ = records.title(pointer);
            if (title_)
                stored = records.pattern(pointer);
        }))
        return;
    if (!title_) {
        messages().show(QStringLiteral("ไม่พบรายชื่อวารสารนี้"), kCaption, ui::msg::kStop);
        return;
    }
    titleLabel.setCaption(title_->pointer + QStringLiteral("  ") + title_->name);
    const QDate today = services_.clock.today();
    showPattern(stored.value_or(StoredPattern{
        presetPattern(frequencyOfCode(title_->magtypeCode).value_or(Frequency::Monthly),
                      title_->numberPerVolume, title_->volumePerYear, today)}));
    removeButton.setEnabled(stored.has_value());
    stored_ = shownValues();
    setFocus(frequencyList);
}

QString PatternWindow::openEntry() const {
    if (!title_ || shownValues() == stored_)
        return {};
    return QStringLiteral("กำลังแก้ไขรูปแบบการออกของ \"%1\"").arg(title_->name.trimmed());
}

QStringList PatternWindow::shownValues() const {
    QStringList values{frequencyList.text(), volumeStartList.text()};
    for (const ui::TextBox* t :
         {&everyDaysText, &knownDateText, &knownVolumeText, &knownIssueText, &issuesPerVolumeText,
          &leadDaysText, &graceDaysText, &omittedMonthsText, &combinedIssuesText})
        values << t->text();
    for (const ui::OptionButton* o : {&restartOption, &christianOption, &ceasedOption})
        values << (o->value() ? QStringLiteral("1") : QStringLiteral("0"));
    return values;
}

void PatternWindow::showPattern(const StoredPattern& stored) {
    const PublicationPattern& p = stored.pattern;
    frequencyList.onChange = nullptr;  // the stored grace is not replaced by the preset's
    frequencyList.chooseRow(int(p.frequency));
    frequencyList.onChange = [this] { frequencyList_Change(); };
    everyDaysText.setText(p.everyDays > 0 ? QString::number(p.everyDays) : QString());
    everyDaysText.setEnabled(p.frequency == Frequency::EveryNDays);
    knownDateText.setText(data::writeDate(p.knownDate));
    knownVolumeText.setText(QString::number(p.knownVolume));
    knownIssueText.setText(QString::number(p.knownIssue));
    issuesPerVolumeText.setText(QString::number(p.issuesPerVolume));
    restartOption.setValue(p.restartNumbers);
    runOnOption.setValue(!p.restartNumbers);
    volumeStartList.chooseRow(p.volumeStartMonth);
    leadDaysText.setText(QString::number(p.leadDays));
    graceDaysText.setText(QString::number(p.graceDays));
    omittedMonthsText.setText(joined(p.omittedMonths));
    combinedIssuesText.setText(joined(p.combinedIssues));
    publishingOption.setValue(!stored.ceased);
    ceasedOption.setValue(stored.ceased);
    preview();
}

void PatternWindow::frequencyList_Change() {
    const int row = frequencyList.chosenRow();
    if (row < 0)
        return;
    const Frequency f = Frequency(row);
    graceDaysText.setText(QString::number(defaultGrace(f)));
    if (title_) {
        const auto preset = presetPattern(f, title_->numberPerVolume, title_->volumePerYear, {});
        issuesPerVolumeText.setText(QString::number(preset.issuesPerVolume));
        volumeStartList.chooseRow(preset.volumeStartMonth);
    }
    everyDaysText.setEnabled(f == Frequency::EveryNDays);
    preview();
}

std::optional<PublicationPattern> PatternWindow::fieldsPattern(QString& problem) const {
    PublicationPattern p;
    const int f = frequencyList.chosenRow();
    const auto known = data::readDate(knownDateText.text());
    const auto volume = number(knownVolumeText), issue = number(knownIssueText),
               perVolume = number(issuesPerVolumeText), lead = number(leadDaysText),
               grace = number(graceDaysText);
    const auto omitted = numbers(omittedMonthsText), combined = numbers(combinedIssuesText);
    if (f < 0)
        problem = QStringLiteral("กรุณาเลือกกำหนดออก");
    else if (!known)
        problem = QStringLiteral("วันที่ออกของฉบับที่ทราบต้องเป็นวันที่ในรูป วว/ดด/ปปปป");
    else if (!volume || !issue || !perVolume || !lead || !grace || !omitted || !combined)
        problem = QStringLiteral("ปีที่ ฉบับที่ จำนวนฉบับ และจำนวนวัน ต้องเป็นตัวเลข");
    if (!problem.isEmpty())
        return std::nullopt;
    p.frequency = Frequency(f);
    p.everyDays = number(everyDaysText).value_or(0);
    p.knownDate = *known;
    p.knownVolume = *volume;
    p.knownIssue = *issue;
    p.issuesPerVolume = *perVolume;
    p.restartNumbers = restartOption.value();
    p.volumeStartMonth = std::max(volumeStartList.chosenRow(), 0);
    p.leadDays = *lead;
    p.graceDays = *grace;
    p.omittedMonths = *omitted;
    p.combinedIssues = *combined;
    problem = patternProblem(p);
    return problem.isEmpty() ? std::optional(p) : std::nullopt;
}

Era PatternWindow::chosenEra() const {
    return christianOption.value() ? Era::Christian : Era::Buddhist;
}

void PatternWindow::preview() {
    QString problem;
    const auto p = fieldsPattern(problem);
    std::vector<QStringList> rows;
    if (p) {
        // The next issues from today, or from the known one when it is later.
        const QDate today = services_.clock.today();
        for (const PredictedIssue& i : predictThrough(*p, today.addYears(3))) {
            if (i.expected < today)
                continue;
            rows.push_back({QString::number(i.volume), i.issueText(), data::writeDate(i.published),
                            data::writeDate(i.expected), chronology(*p, i, chosenEra())});
            if (int(rows.size()) == kPreviewCount)
                break;
        }
    }
    previewGrid.setDataRows(std::move(rows));
    problemLabel.setCaption(problem);
    saveButton.setEnabled(p.has_value() && title_.has_value());
}

void PatternWindow::saveButton_Click() {
    QString problem;
    const auto p = fieldsPattern(problem);
    if (!title_ || !p) {
        messages().show(problem.isEmpty() ? QStringLiteral("ยังไม่ได้เลือกรายชื่อวารสาร") : problem,
                        kCaption, ui::msg::kStop);
        return;
    }
    if (!guarded([&] {
            PatternRecords records(*db_);
            records.save(title_->pointer, {*p, ceasedOption.value()});
            records.setEra(chosenEra());
        }))
        return;
    stored_ = shownValues();
    removeButton.setEnabled(true);
    messages().show(QStringLiteral("บันทึกรูปแบบการออกของวารสารนี้แล้ว"), kCaption,
                    ui::msg::kInformation);
}

void PatternWindow::removeButton_Click() {
    if (!title_ || messages().show(QStringLiteral("ต้องการเลิกใช้รูปแบบการออกของวารสารนี้หรือไม่ "
                                                  "(รายการค้างรับจะคิดจากฉบับล่าสุดที่ได้รับแทน)"),
                                   kCaption, ui::msg::kConfirm) != ui::msg::kOk)
        return;
    if (!guarded([&] { PatternRecords(*db_).remove(title_->pointer); }))
        return;
    // Nothing the clerk typed waits to be saved: the pattern is given up.
    stored_ = shownValues();
    removeButton.setEnabled(false);
}

void PatternWindow::closeButton_Click() {
    unload();
}

}  // namespace patterns
