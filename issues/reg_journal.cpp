#include "issues/reg_journal.h"

#include <utility>

#include "data/Barcode.h"
#include "data/Database.h"
#include "data/DateText.h"
#include "data/FieldLimits.h"
#include "holdings/HoldingsStatement.h"
#include "issues/IssueRegister.h"
#include "issues/TitleFinder.h"
#include "patterns/ExpectedIssueProposal.h"

namespace issues {

namespace {

// Columns of the titles list.
namespace title {
constexpr int name = 0, department = 1, pointer = 2, departmentCode = 3;
}
// Columns of the issues list; the entry fields Text2 to Text7 follow them.
namespace item {
constexpr int magno = 0, daily = 1, yearno = 2, issueno = 3, description = 4, received = 5;
}
constexpr int kBlankRows = 14;

const QString kResultCaption = QStringLiteral("ผลการบันทึก");

}  // namespace

reg_journal::reg_journal(ui::Services& services)
    : Form(QStringLiteral("โปรแกรมลงทะเบียนวารสาร"), services.messages), services_(services) {
    for (ui::CommandButton* b : {&Command2, &Command3, &Command6, &Command7, &Command4})
        b->setEnabled(false);
    lockTextboxes();
    // No field takes more than its column keeps on either store.
    for (ui::TextBox* text : {&Text1, &Text3, &Text4, &Text5, &Text6})
        text->setMaxLength(data::kLongText);
    Text7.setMaxLength(data::kShortText);

    Command1.onClick = [this] { Command1_Click(); };
    Text1.onKeyPress = [this](int& keyAscii) { Text1_KeyPress(keyAscii); };
    show_journal.onClick = [this] { show_journal_Click(); };
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
    show_journal.setColWidth(title::name, 3500);
    show_journal.setColWidth(title::department, 6000);
    show_journal.setTextMatrix(0, title::name, QStringLiteral("ชื่อวาสาร"));
    show_journal.setTextMatrix(0, title::department, QStringLiteral("คณะที่บอกรับ"));

    const int widths[] = {950, 1200, 600, 700, 5000};
    const QString headings[] = {QStringLiteral("เลขทะเบียน"), QStringLiteral("ประจำเดือน"),
                                QStringLiteral("ปีที่"), QStringLiteral("เล่มที่"),
                                QStringLiteral("คำอธิบาย")};
    for (int c = 0; c < 5; ++c) {
        show_item.setColWidth(c, widths[c]);
        show_item.setTextMatrix(0, c, headings[c]);
    }
    show_item.setColAlignment(item::description, ui::Grid::Align::LeftTop);

    const bool opened = guarded([this] {
        db_.reset();
        db_ = std::make_unique<data::Database>(services_.databasePath);
    });
    if (opened)
        setFocus(Text1);
    return opened;
}

void reg_journal::Command1_Click() {
    if (Text1.text().trimmed().isEmpty()) {
        messages().show(QStringLiteral("กรุณาพิมพ์รายชื่อวารสารที่ต้องการลงทะเบียน"),
                        QStringLiteral("ข้อผิดพลาด"), ui::msg::kStop);
        setFocus(Text1);
        return;
    }
    const data::Barcode code = data::readBarcode(Text1.text());
    if (code.kind == data::Barcode::Kind::BadCheck) {
        messages().show(QStringLiteral("รหัสแท่งไม่ถูกต้อง (เลขตรวจสอบไม่ตรง) กรุณาสแกนอีกครั้ง"),
                        QStringLiteral("ข้อผิดพลาด"), ui::msg::kStop);
        Text1.setText({});
        setFocus(Text1);
        return;
    }
    std::vector<TitleMatch> found;
    if (!guarded([&] {
            const TitleFinder finder(*db_);
            found = code.kind == data::Barcode::Kind::Serial ? finder.byCover(code.issn)
                                                             : finder.find(Text1.text());
        }))
        return;
    if (found.empty()) {
        messages().show(QStringLiteral("ไม่พบรายชื่อวารสารนี้"), QStringLiteral("ไม่พบข้อมูล"),
                        ui::msg::kStop);
        Text1.setText({});
        setFocus(Text1);
        return;
    }
    if (!entryGivesWay())
        return;
    listTitles(found);
    if (code.kind == data::Barcode::Kind::Serial)
        registerScanned(int(found.size()), code.addOn);
}

void reg_journal::listTitles(const std::vector<TitleMatch>& found) {
    show_journal.setRows(int(found.size()) + 1);
    for (int i = 0; i < int(found.size()); ++i) {
        const TitleMatch& m = found[i];
        show_journal.setTextMatrix(i + 1, title::name, m.name);
        show_journal.setTextMatrix(i + 1, title::department, m.departmentName);
        show_journal.setTextMatrix(i + 1, title::pointer, m.pointer);
        show_journal.setTextMatrix(i + 1, title::departmentCode, m.departmentCode);
    }
    forgetListedTitle();
    setFocus(show_journal);
}

// The scanned issue is in hand: its title is picked and a new registration
// opens with the add-on as the issue number. A title several departments
// take waits for the clerk to pick the department, the add-on kept till then.
void reg_journal::registerScanned(int subscriptions, const QString& addOn) {
    scannedAddOn_ = addOn;
    if (subscriptions != 1)
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
    std::optional<patterns::ProposedFields> f;
    guarded([&] {
        const patterns::ExpectedIssueProposal expected(*db_, entry_.pointer, entry_.department,
                                                       services_.clock.today());
        f = addOn.isEmpty() ? expected.next() : expected.withNumber(addOn);
    });
    if (!f)
        return false;
    Text3.setText(f->daily);
    Text4.setText(f->yearno);
    Text5.setText(f->issueno);
    Text6.setText(f->description);
    // The proposal is confirmed with Enter.
    setFocus(Command7);
    return true;
}

void reg_journal::showExpected() {
    expectedList.setDataRows({});
    holdingsLabel.setCaption({});
    guarded([&] {
        patterns::ExpectedIssueProposal(*db_, listed_.pointer, listed_.department,
                                        services_.clock.today())
            .showIn(expectedList);
        holdingsLabel.setCaption(QStringLiteral("ฉบับที่มี: ") +
                                 holdings::HoldingsStatement(*db_).of(
                                     listed_.pointer, listed_.department, services_.clock.today()));
    });
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
    listTitles(found);
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
    const int r = show_journal.row();
    const QString key = show_journal.textMatrix(r, title::pointer);
    const bool isTitle = !key.trimmed().isEmpty();
    bool listed = false;
    if (isTitle && !guarded([&] { listed = fillIssues(key); }))
        return;
    listed_ = {key, show_journal.textMatrix(r, title::departmentCode),
               show_journal.textMatrix(r, title::name)};
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
    show_journal.setRows(2);
    show_journal.setTextMatrix(1, title::name, name);
    show_journal.setTextMatrix(1, title::department, departmentName);
    show_journal.setTextMatrix(1, title::pointer, pointer);
    show_journal.setTextMatrix(1, title::departmentCode, departmentCode);
    forgetListedTitle();
    show_journal.click(1, title::name);
}

void reg_journal::show_item_Click() {
    copyIssueRow();
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
    clearTextboxes();
    Label1.setCaption({});
    lockTextboxes();
    cls_show_listitem();
    cls_show_journal();
    Command2.setEnabled(false);
    Command3.setEnabled(false);
    Command6.setEnabled(false);
    listed_ = {};
    expectedList.setDataRows({});
    holdingsLabel.setCaption({});
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
    entry_ = listed_;
    clearTextboxes();
    active_textbox();
    entryMode = QStringLiteral("New");
    setListsEnabled(false);
    Command4.setEnabled(true);
    Command7.setEnabled(true);
    Command2.setEnabled(false);
    Command3.setEnabled(false);
    Command6.setEnabled(false);
    calendars_.setEntryOpen(true);
    Text7.setText(data::writeDate(services_.clock.today()));
    Text2.setText(number);
    setFocus(Command9);
    proposeExpected({});
}

void reg_journal::Command3_Click() {
    entry_ = listed_;
    active_textbox();
    entryMode = QStringLiteral("Edit");
    setListsEnabled(false);
    Command4.setEnabled(true);
    Command7.setEnabled(true);
    Command2.setEnabled(false);
    Command3.setEnabled(false);
    Command6.setEnabled(false);
    calendars_.setEntryOpen(true);
    setFocus(Command9);
}

void reg_journal::Command4_Click() {
    endEntry();
}

void reg_journal::Command7_Click() {
    if (!entryComplete())
        return;
    if (messages().show(QStringLiteral("ต้องการบันทึกข้อมูลวารสารเลขทะเบียนนี้หรือไม่"),
                        QStringLiteral(" ยืนยันการบันทึกข้อมูล"), ui::msg::kQuestion) != ui::msg::kOk)
        return;
    const bool adding = entryMode == u"New";
    const auto today = services_.clock.today();
    std::vector<patterns::PredictedIssue> missing;
    if (adding && !guarded([&] {
            missing =
                patterns::ExpectedIssueProposal(*db_, entry_.pointer, entry_.department, today)
                    .askAboutSkipped(messages(), Text4.text(), Text5.text());
        }))
        return;
    if (adding && !saveNew())
        return;
    if (entryMode == u"Edit" && !saveEdit())
        return;
    if (!missing.empty() && guarded([&] {
            patterns::ExpectedIssueProposal(*db_, entry_.pointer, entry_.department, today)
                .markMissing(missing);
        }))
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
    // The issue's articles go with it (the database removes them).
    if (articles > 0 &&
        messages().show(QStringLiteral("ฉบับนี้มีบทความที่ทำดัชนีไว้ %1 รายการ"
                                       " ถ้าลบฉบับนี้ บทความเหล่านั้นจะถูกลบด้วย")
                            .arg(articles),
                        QStringLiteral(" ยืนยันการลบข้อมูล"), ui::msg::kQuestion) != ui::msg::kOk)
        return;
    if (messages().show(QStringLiteral("ต้องการลบข้อมูลวารสารเลขทะเบียนนี้หรือไม่"),
                        QStringLiteral(" ยืนยันการลบข้อมูล"), ui::msg::kQuestion) != ui::msg::kOk)
        return;
    bool deleted = false;
    if (!guarded([&] { deleted = IssueRegister(*db_).deleteIssue(Text2.text()); }))
        return;
    if (deleted) {
        messages().show(QStringLiteral("ทำการลบข้อมูลเรียบร้อยแล้ว"), QStringLiteral("ผลการลบข้อมูล"),
                        ui::msg::kInformation);
        clearTextboxes();
        lockTextboxes();
    } else if (!Text2.text().trimmed().isEmpty()) {
        messages().show(QStringLiteral("ไม่พบฉบับเลขทะเบียน %1 ในทะเบียนแล้ว อาจถูกลบจากเครื่องอื่น")
                            .arg(Text2.text().trimmed()),
                        QStringLiteral("ผลการลบข้อมูล"), ui::msg::kStop);
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
    copyIssueRow();
    lockTextboxes();
}

void reg_journal::active_textbox() {
    Text4.setEnabled(true);
    Text5.setEnabled(true);
    Text6.setEnabled(true);
}

void reg_journal::cls_show_listitem() {
    show_item.setRows(kBlankRows);
    for (int r = 1; r < kBlankRows; ++r)
        for (int c = 0; c < show_item.cols(); ++c)
            show_item.setTextMatrix(r, c, {});
}

void reg_journal::cls_show_journal() {
    show_journal.setRows(kBlankRows);
    for (int r = 1; r < kBlankRows; ++r)
        for (int c = 0; c < show_journal.cols(); ++c)
            show_journal.setTextMatrix(r, c, {});
}

bool reg_journal::fillIssues(const QString& pointer) {
    const std::vector<IssueRow> rows = IssueRegister(*db_).issuesOf(pointer);
    if (rows.empty())
        return false;
    show_item.setRows(int(rows.size()) + 1);
    for (int i = 0; i < int(rows.size()); ++i) {
        const IssueRow& row = rows[i];
        show_item.setTextMatrix(i + 1, item::magno, row.magno);
        show_item.setTextMatrix(i + 1, item::daily, data::reformatDate(row.daily));
        show_item.setTextMatrix(i + 1, item::yearno, row.yearno);
        show_item.setTextMatrix(i + 1, item::issueno, row.issueno);
        show_item.setTextMatrix(i + 1, item::description, row.descriptionitem);
        show_item.setTextMatrix(i + 1, item::received, data::reformatDate(row.receivedate));
    }
    Label1.setCaption(QStringLiteral("   Magno= ") + show_item.textMatrix(1, item::magno) +
                      QStringLiteral("   Daily=  ") + show_item.textMatrix(1, item::daily) +
                      QStringLiteral("  :  ") + show_item.textMatrix(1, item::description));
    show_journal.setHighLight(1);
    show_item.setHighLight(2);
    Command2.setEnabled(true);
    return true;
}

void reg_journal::refillIssues(const Subscription& subscription) {
    bool listed = false;
    if (!guarded([&] { listed = fillIssues(subscription.pointer); }))
        return;
    listed_ = subscription;
    showExpected();
    if (!listed) {
        cls_show_listitem();
        Label1.setCaption({});
    }
}

void reg_journal::forgetListedTitle() {
    listed_ = {};
    expectedList.setDataRows({});
    holdingsLabel.setCaption({});
    scannedAddOn_.reset();
    cls_show_listitem();
    Label1.setCaption({});
    if (entryOpen())
        return;
    reset_textbox();
    enableTitleCommands();
}

void reg_journal::copyIssueRow() {
    const int r = show_item.row();
    ui::TextBox* fields[] = {&Text2, &Text3, &Text4, &Text5, &Text6, &Text7};
    for (int c = 0; c < 6; ++c)
        fields[c]->setText(r >= 1 ? show_item.textMatrix(r, c) : QString());
}

void reg_journal::clearTextboxes() {
    for (ui::TextBox* t : {&Text2, &Text3, &Text4, &Text5, &Text6, &Text7})
        t->setText({});
}

void reg_journal::lockTextboxes() {
    for (ui::TextBox* t : {&Text2, &Text3, &Text4, &Text5, &Text6, &Text7})
        t->setEnabled(false);
}

void reg_journal::setListsEnabled(bool on) {
    show_journal.setEnabled(on);
    show_item.setEnabled(on);
}

void reg_journal::enableTitleCommands() {
    const bool titleListed = !listed_.pointer.trimmed().isEmpty();
    Command2.setEnabled(titleListed);
    Command3.setEnabled(titleListed);
    Command6.setEnabled(titleListed);
}

void reg_journal::endEntry() {
    reset_textbox();
    setListsEnabled(true);
    Command4.setEnabled(false);
    Command7.setEnabled(false);
    calendars_.setEntryOpen(false);
    enableTitleCommands();
    setFocus(Text1);
}

bool reg_journal::entryComplete() {
    QString problem;
    if (Text2.text().trimmed().isEmpty())
        problem = QStringLiteral("ไม่มีเลขทะเบียน กรุณากด ยกเลิก แล้วเริ่มลงทะเบียนใหม่");
    else if (entryMode == u"New" && entry_.pointer.trimmed().isEmpty())
        problem = QStringLiteral("ยังไม่ได้เลือกรายชื่อวารสาร กรุณาเลือกรายชื่อวารสารก่อนลงทะเบียน");
    if (problem.isEmpty())
        return true;
    messages().show(problem, QStringLiteral("ข้อมูลไม่ครบ"), ui::msg::kStop);
    return false;
}

bool reg_journal::saveNew() {
    const IssueRow issue{Text2.text(), entry_.department, entry_.pointer, Text7.text(),
                         Text3.text(), Text4.text(),      Text5.text(),   Text6.text()};
    QString stored;
    try {
        if (!guarded([&] { stored = IssueRegister(*db_).addIssue(issue); }))
            return false;
    } catch (const RegisterChanged& e) {
        registerChanged(e);
        return true;
    } catch (const CounterExhausted& e) {
        messages().show(QStringLiteral("ตัวนับเลขทะเบียน \"%1\" ไม่ใช่ตัวเลขหรือถึงเลขสูงสุดแล้ว"
                                       " จึงออกเลขทะเบียนใหม่ไม่ได้ ฉบับนี้ยังไม่ได้บันทึก")
                            .arg(e.counter()),
                        kResultCaption, ui::msg::kStop);
        return false;
    }
    if (stored != issue.magno)
        messages().show(QStringLiteral("เลขทะเบียน %1 ถูกใช้ไปแล้ว ฉบับนี้บันทึกเป็นเลขทะเบียน %2")
                            .arg(issue.magno, stored),
                        kResultCaption, ui::msg::kInformation);
    messages().show(QStringLiteral("บันทึกข้อมูลลงทะเบียนวารสารเรียบร้อยแล้ว"), kResultCaption,
                    ui::msg::kInformation);
    refillIssues(entry_);
    return true;
}

bool reg_journal::saveEdit() {
    const IssueChanges changes{Text7.text(), Text3.text(), Text4.text(), Text5.text(),
                               Text6.text()};
    bool updated = false;
    try {
        if (!guarded([&] { updated = IssueRegister(*db_).updateIssue(Text2.text(), changes); }))
            return false;
    } catch (const RegisterChanged& e) {
        registerChanged(e);
        return true;
    }
    if (!updated) {
        registerChanged(RegisterChanged(RegisterChanged::What::IssueGone));
        return true;
    }
    messages().show(QStringLiteral("บันทึกข้อมูลที่ทำการแก้ไขแล้ว"), kResultCaption, ui::msg::kInformation);
    refillIssues(entry_);
    return true;
}

void reg_journal::registerChanged(const RegisterChanged& e) {
    const QString name = entry_.name.trimmed();
    QString text;
    switch (e.change()) {
        case RegisterChanged::What::TitleGone:
            text = QStringLiteral("รายชื่อวารสาร \"%1\" ถูกลบไปแล้วจากเครื่องอื่น").arg(name);
            break;
        case RegisterChanged::What::SubscriptionGone:
            text = QStringLiteral("การบอกรับ \"%1\" ของคณะ/หน่วยงานนี้ถูกลบไปแล้วจากเครื่องอื่น").arg(name);
            break;
        case RegisterChanged::What::IssueGone:
            text =
                QStringLiteral("ฉบับเลขทะเบียน %1 ถูกลบไปแล้วจากเครื่องอื่น").arg(Text2.text().trimmed());
            break;
    }
    messages().show(text + QStringLiteral(" รายการนี้จึงยังไม่ได้บันทึก"), kResultCaption, ui::msg::kStop);
    refillIssues(entry_);
}

}  // namespace issues
