#include "issues/reg_journal.h"

#include <utility>

#include "data/Database.h"
#include "data/DateText.h"
#include "data/FieldLimits.h"
#include "issues/EntryPattern.h"
#include "issues/IssueDelete.h"
#include "issues/IssueDeleteQuestion.h"
#include "issues/IssueRegister.h"
#include "issues/IssueSave.h"
#include "issues/IssueSource.h"
#include "issues/RegistrationSearch.h"
#include "issues/SavedRow.h"
#include "issues/TitleFinder.h"

namespace issues {

reg_journal::reg_journal(ui::Services& services)
    : Form(QStringLiteral("โปรแกรมลงทะเบียนวารสาร"), services.messages), services_(services) {
    fields_.lock();
    // No field takes more than its column keeps on either store.
    for (ui::TextBox* text : {&Text1, &Text3, &Text4, &Text5, &Text6})
        text->setMaxLength(data::kLongText);
    Text7.setMaxLength(data::kShortText);

    Command1.onClick = [this] { Command1_Click(); };
    Text1.onKeyPress = [this](int& keyAscii) { Text1_KeyPress(keyAscii); };
    show_journal.guard = [this](const std::function<void()>& step) { return guarded(step); };
    show_journal.onClick = [this] { show_journal_Click(); };
    show_item.guard = [this](const std::function<void()>& step) { return guarded(step); };
    show_item.onClick = [this] { show_item_Click(); };
    Command8.onClick = [this] { Command8_Click(); };
    Command5.onClick = [this] { Command5_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
    Command3.onClick = [this] { Command3_Click(); };
    Command4.onClick = [this] { Command4_Click(); };
    Command7.onClick = [this] { Command7_Click(); };
    Command6.onClick = [this] { Command6_Click(); };
    articlesButton.onClick = [this] { articlesButton_Click(); };
    Command9.onClick = [this] { Command9_Click(); };
    Command10.onClick = [this] { Command10_Click(); };
    MonthView1.onDateClick = [this](const QDate& d) { MonthView1_DateClick(d); };
    MonthView2.onDateClick = [this](const QDate& d) { MonthView2_DateClick(d); };
    // An open calendar closes first; then Escape abandons the entry.
    onEscape = [this] {
        if (EntryCalendars::Calendar* open = calendars_.closeOpen())
            setFocus(open->button);
        else if (Command4.enabled())
            Command4_Click();
    };
}

reg_journal::~reg_journal() = default;

bool reg_journal::Form_Load() {
    titles_.setHeadings();
    issues_.setHeadings();

    const bool opened = guarded([this] {
        db_.reset();
        db_ = std::make_unique<data::Database>(services_.databasePath);
    });
    if (opened)
        setFocus(Text1);
    return opened;
}

void reg_journal::Command1_Click() {
    RegistrationSearch::Found found;
    if (!guarded([&] { found = RegistrationSearch(*db_, messages()).find(Text1.text()); }))
        return;
    if (!found.titles) {
        if (!found.nothingTyped)
            Text1.setText({});
        setFocus(Text1);
        return;
    }
    if (!entryGivesWay() || !titles_.show(found.titles))
        return;
    titlesListed();
    if (found.scannedAddOn)
        registerScanned(titles_.single(), *found.scannedAddOn);
}

void reg_journal::titlesListed() {
    forgetListedTitle();
    setFocus(show_journal);
}

// The scanned issue is in hand: its title is picked and a new registration
// opens with the add-on as the issue number. A title several departments
// take waits for the clerk to pick the department, the add-on kept till then.
void reg_journal::registerScanned(bool single, const QString& addOn) {
    scannedAddOn_ = addOn;
    if (!single)
        return;
    show_journal.setRow(1);
    show_journal_Click();
}

void reg_journal::openScannedEntry() {
    if (!scannedAddOn_ || !Command2.enabled())
        return;
    const QString addOn = *std::exchange(scannedAddOn_, std::nullopt);
    Command2_Click();
    if (!entryOpen() || proposeExpected(addOn) || addOn.isEmpty())
        return;
    // New proposed the next expected issue; its date, volume and description
    // are not those of the issue in hand.
    for (ui::TextBox* other : {&Text3, &Text4, &Text6})
        other->setText({});
    Text5.setText(QString::number(addOn.toInt()));
    setFocus(Command9);
}

bool reg_journal::proposeExpected(const QString& addOn) {
    const bool proposed = EntryPattern(fields_, entry_, summary_.expected()).propose(addOn);
    // The proposal is confirmed with Enter.
    if (proposed)
        setFocus(Command7);
    return proposed;
}

void reg_journal::showExpected() {
    guarded([&] { summary_.show(*db_, listed_, services_.clock.today()); });
}

QString reg_journal::openEntry() const {
    if (!entryOpen())
        return {};
    const QString entry = entryMode == u"Edit"
                              ? QStringLiteral("กำลังแก้ไขฉบับเลขทะเบียน %1 ของ \"%2\"")
                              : QStringLiteral("กำลังลงทะเบียนฉบับใหม่ เลขทะเบียน %1 ของ \"%2\"");
    return entry.arg(Text2.text().trimmed(), entry_.name.trimmed());
}

bool reg_journal::entryGivesWay() {
    if (!entryOpen())
        return true;
    if (messages().show(openEntry() + QStringLiteral(" ซึ่งยังไม่ได้บันทึก ต้องการยกเลิกรายการนี้ก่อนหรือไม่"),
                        QStringLiteral("มีรายการที่ยังไม่ได้บันทึก"), ui::msg::kQuestion) != ui::msg::kOk)
        return false;
    Command4_Click();
    return true;
}

void reg_journal::showTitle(const QString& pointer) {
    std::vector<TitleMatch> found;
    if (!guarded([&] { found = TitleFinder(*db_).byKey(pointer); }))
        return;
    if (found.empty()) {
        messages().show(QStringLiteral("ไม่พบรายชื่อวารสารนี้"), QStringLiteral("ไม่พบข้อมูล"),
                        ui::msg::kStop);
        return;
    }
    if (!entryGivesWay())
        return;
    Text1.setText(found.front().name);
    titles_.show(found);
    titlesListed();
    show_journal.setRow(1);
    show_journal_Click();
}

void reg_journal::Text1_KeyPress(int& keyAscii) {
    if (keyAscii == ui::key::kEnter)
        Command1_Click();
}

void reg_journal::show_journal_Click() {
    cls_show_listitem();
    reset_textbox();
    const Subscription picked = titles_.at(show_journal.row());
    const bool isTitle = !picked.pointer.trimmed().isEmpty();
    const IssueList::Shown shown = isTitle ? fillIssues(picked.pointer) : IssueList::Shown::None;
    if (shown == IssueList::Shown::Failed)
        return;
    const bool listed = shown == IssueList::Shown::Issues;
    listed_ = picked;
    showExpected();
    if (!listed) {
        Label1.setCaption({});
        messages().show(QStringLiteral("รายชื่อวารสารนี้ไม่พบข้อมูลการลงทะเบียน"),
                        QStringLiteral("ไม่พบวารสารที่ลงทะเบียน"), ui::msg::kStop);
        // A blank row holds no title to register an issue under.
        Command2.setEnabled(isTitle);
    }
    if (isTitle)
        openScannedEntry();
}

void reg_journal::showTitle(const QString& pointer, const QString& name,
                            const QString& departmentCode, const QString& departmentName) {
    if (!entryGivesWay())
        return;
    Text1.setText(name);
    titles_.show({{pointer, name, departmentCode, departmentName}});
    forgetListedTitle();
    show_journal.click(1, 0);
}

void reg_journal::show_item_Click() {
    fields_.copyRow(show_item);
    show_item.setHighLight(1);
    Command3.setEnabled(true);
    Command6.setEnabled(true);
}

void reg_journal::Command8_Click() {
    if (!entryGivesWay())
        return;
    scannedAddOn_.reset();
    show_journal.setHighLight(2);
    show_item.setHighLight(2);
    fields_.clear();
    Label1.setCaption({});
    fields_.lock();
    cls_show_listitem();
    cls_show_journal();
    Command2.setEnabled(false);
    Command3.setEnabled(false);
    Command6.setEnabled(false);
    listed_ = {};
    summary_.clear();
    Text1.setText({});
    setFocus(Text1);
}

void reg_journal::Command5_Click() {
    unload();
}

void reg_journal::Command2_Click() {
    QString number;
    if (!guarded([&] { number = IssueRegister(*db_).nextNumber(); }))
        return;
    fields_.clear();
    beginEntry(QStringLiteral("New"));
    Text7.setText(data::writeDate(services_.clock.today()));
    Text2.setText(number);
    setFocus(Command9);
    // Another desk may have registered issues of the title since it was
    // listed: the proposal and the save's question go by a fresh read.
    showExpected();
    proposeExpected({});
}

void reg_journal::Command3_Click() {
    beginEntry(QStringLiteral("Edit"));
    setFocus(Command9);
}

void reg_journal::beginEntry(const QString& mode) {
    entry_ = listed_;
    active_textbox();
    entryMode = mode;
    commands_.begin();
}

void reg_journal::Command4_Click() {
    endEntry();
}

void reg_journal::Command7_Click() {
    const bool adding = entryMode == u"New";
    if (!IssueSave::complete(messages(), Text2.text(), adding, entry_.pointer))
        return;
    if (messages().show(QStringLiteral("ต้องการบันทึกข้อมูลวารสารเลขทะเบียนนี้หรือไม่"),
                        QStringLiteral(" ยืนยันการบันทึกข้อมูล"), ui::msg::kQuestion) != ui::msg::kOk)
        return;
    EntryPattern pattern(fields_, entry_, summary_.expected());
    if (adding)
        pattern.askAboutSkipped(messages());
    if (!saveEntry(adding))
        return;
    if (pattern.skipsIssues() &&
        guarded([&] { pattern.markSkipped(*db_, services_.clock.today()); }))
        showExpected();
    endEntry();
}

void reg_journal::articlesButton_Click() {
    if (Text2.text().trimmed().isEmpty()) {
        messages().show(QStringLiteral("กรุณาเลือกฉบับที่ต้องการใส่บทความ"), caption(), ui::msg::kStop);
        return;
    }
    services_.opener.openTitle(QStringLiteral("ArticleWindow"), Text2.text().trimmed());
}

void reg_journal::Command6_Click() {
    int articles = 0;
    if (articleCount && !guarded([&] { articles = articleCount(Text2.text()); }))
        return;
    if (!IssueDeleteQuestion(messages()).confirmed(articles))
        return;
    IssueDelete::Result result;
    if (!guarded([&] {
            result = IssueDelete(*db_, messages()).remove(Text2.text(), listed_.pointer, issues_);
        }))
        return;
    if (result.deleted) {
        fields_.clear();
        fields_.lock();
        // Only the row removed changes; a list another desk changed meanwhile
        // is read again.
        if (result.place) {
            issues_.remove(*result.place);
            issuesShown();
            showExpected();
            return;
        }
    }
    refillIssues(listed_);
}

void reg_journal::Command9_Click() {
    calendars_.open(calendars_.issueDate, services_.clock.today());
    // The open calendar takes the keys, so a keyboard user picks the day at once.
    if (MonthView1.visible())
        setFocus(MonthView1);
}

void reg_journal::Command10_Click() {
    calendars_.open(calendars_.received, services_.clock.today());
    if (MonthView2.visible())
        setFocus(MonthView2);
}

void reg_journal::MonthView1_DateClick(const QDate& date) {
    if (calendars_.pick(calendars_.issueDate, date))
        setFocus(Text4);
}

void reg_journal::MonthView2_DateClick(const QDate& date) {
    if (calendars_.pick(calendars_.received, date))
        setFocus(Command7);
}

void reg_journal::reset_textbox() {
    fields_.copyRow(show_item);
    fields_.lock();
}

void reg_journal::active_textbox() {
    fields_.unlockTyped();
}

void reg_journal::cls_show_listitem() {
    issues_.clear();
}

void reg_journal::cls_show_journal() {
    titles_.clear();
}

IssueList::Shown reg_journal::fillIssues(const QString& pointer) {
    const IssueList::Shown shown = issues_.show(std::make_shared<IssueSource>(*db_, pointer));
    if (shown == IssueList::Shown::Issues)
        issuesShown();
    return shown;
}

void reg_journal::issuesShown() {
    if (issues_.empty())
        return;
    show_journal.setHighLight(1);
    show_item.setHighLight(2);
    Command2.setEnabled(true);
}

void reg_journal::refillIssues(const Subscription& subscription) {
    if (fillIssues(subscription.pointer) == IssueList::Shown::Failed)
        return;
    listed_ = subscription;
    showExpected();
}

void reg_journal::showSaved(const QString& magno, bool added) {
    std::optional<SavedRow::Place> saved;
    if (!guarded([&] {
            saved = SavedRow(issues_, show_item)
                        .find(*db_, magno, added, entry_.pointer, listed_.pointer);
        }))
        return;
    if (!saved) {
        refillIssues(entry_);
        return;
    }
    issues_.put(saved->issue, saved->place, added);
    issuesShown();
    // A new issue of the subscription beside the list joins what was read of
    // it; an edit may have changed any issue's numbers, so it is read again.
    const IssueRow& row = saved->issue.row;
    if (added && summary_.expected() &&
        row.departmentCode.trimmed() == listed_.department.trimmed())
        summary_.added({row.yearno, row.issueno});
    else
        showExpected();
}

void reg_journal::forgetListedTitle() {
    listed_ = {};
    summary_.clear();
    scannedAddOn_.reset();
    cls_show_listitem();
    Label1.setCaption({});
    if (entryOpen())
        return;
    reset_textbox();
    enableTitleCommands();
}

void reg_journal::enableTitleCommands() {
    commands_.followTitle(!listed_.pointer.trimmed().isEmpty());
}

void reg_journal::endEntry() {
    reset_textbox();
    commands_.end();
    enableTitleCommands();
    setFocus(Text1);
}

bool reg_journal::saveEntry(bool adding) {
    IssueSave::Result result{};
    if (!guarded([&] {
            IssueSave save(*db_, messages());
            result = adding ? save.add(fields_.issue(entry_), entry_.name)
                            : save.correct(Text2.text(), fields_.changes(), entry_.name);
        }))
        return false;
    switch (result.outcome) {
        case IssueSave::Outcome::Refused:
            return false;
        case IssueSave::Outcome::Changed:
            refillIssues(entry_);
            return true;
        case IssueSave::Outcome::Saved:
            break;
    }
    showSaved(result.magno, adding);
    return true;
}

}  // namespace issues
