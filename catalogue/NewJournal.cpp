#include "catalogue/NewJournal.h"

#include "catalogue/CodeTables.h"
#include "catalogue/DeleteQuestion.h"
#include "catalogue/EntryChecks.h"
#include "catalogue/EntryFields.h"
#include "catalogue/EntryState.h"
#include "catalogue/TitleDisplay.h"
#include "catalogue/TitleSearch.h"
#include "catalogue/TitleWrite.h"
#include "data/Database.h"
#include "data/DateText.h"
#include "data/FieldLimits.h"
#include "holdings/HoldingsStatement.h"
#include "publishers/DealerTable.h"
#include "ui/EntryKeys.h"
#include "ui/ThaiOrder.h"

namespace catalogue {

namespace {

const QString kCancelQuestion = QStringLiteral("ต้องการยกเลิกข้อมูลหรือไม่");
const QString kCancelCaption = QStringLiteral("ยกเลิกข้อมูล");
const QString kNotFound = QStringLiteral("ไม่พบข้อมูลที่ต้องการค้นหา กรุณาตรวจสอบอีกครั้ง");
const QString kSearchResult = QStringLiteral("ผลการค้นหา");
const QString kBadDate = QStringLiteral("พิมพ์ข้อมูลวันที่ผิดพลาด ใช้รูปแบบ DD/MM/YYYY");
const QString kBadDateCaption = QStringLiteral("รูปแบบข้อมูลผิดพลาด");
const QString kSaveFailed = QStringLiteral("การบันทึกข้อมูลล้มเหลว");

}  // namespace

NewJournal::NewJournal(ui::Services& services)
    : ui::Form(QStringLiteral("บันทึกข้อมูลวารสารใหม่"), services.messages), services_(services) {
    ui::OptionButton::group({&opt1, &opt2});
    Text1.setMaxLength(7);
    for (ui::TextBox* date : {&Mask1, &Mask3, &Mask4, &Mask5})
        date->setMaxLength(10);
    Mask2.setMaxLength(9);
    // No field takes more than its column keeps on either store.
    for (ui::TextBox* name : {&Text2, &Text3, &Text4, &Text5, &Text10, &Text14})
        name->setMaxLength(data::kLongText);
    for (ui::TextBox* number : {&Text7, &Text8, &Text9, &Text11, &Text12}) {
        number->setAlignment(ui::TextBox::Align::Right);
        number->setMaxLength(data::kShortText);
    }
    Text6.setText(QStringLiteral("Text6"));
    Text13.setText(QStringLiteral("Text13"));
    for (ui::Control* hidden :
         std::initializer_list<ui::Control*>{&Text6, &Text13, &dlbnamemag, &dlbdeler, &dlbdeler1})
        hidden->setVisible(false);
    for (ui::CommandButton* off : {&Cmdedit, &Cmddel, &Cmdsave, &Cmdcancle})
        off->setEnabled(false);
    wire();
}

NewJournal::~NewJournal() = default;

void NewJournal::wire() {
    Cmdadd.onClick = [this] { Cmdadd_Click(); };
    Cmdedit.onClick = [this] { cmdedit_Click(); };
    Cmddel.onClick = [this] { Cmddel_Click(); };
    Cmdsave.onClick = [this] { cmdsave_Click(); };
    Cmdcancle.onClick = [this] { Cmdcancle_Click(); };
    Command6.onClick = [this] { Command6_Click(); };
    patternButton.onClick = [this] { patternButton_Click(); };
    Text2.onDoubleClick = [this] { Text2_DblClick(); };
    dlbnamemag.onClick = [this] { dlbnamemag_Click(); };
    dlbnamemag.guard = [this](const std::function<void()>& step) { return guarded(step); };
    dlbnamemag.onLostFocus = [this] { dlbnamemag_LostFocus(); };
    Text10.onDoubleClick = [this] { Text10_DblClick(); };
    Text14.onDoubleClick = [this] { Text14_DblClick(); };
    dcbdeler1.onClick = [this] { dcbdeler1_Click(); };
    dcbdeler1.onPress = [this] { dcbdeler1_Click(); };
    dlbdeler.onDoubleClick = [this] { dlbdeler_DblClick(); };
    dlbdeler1.onDoubleClick = [this] { dlbdeler1_DblClick(); };
    // A publisher or agent list left without a pick closes, as Escape does.
    dlbdeler.onLostFocus = [this] { dlbdeler.setVisible(false); };
    dlbdeler1.onLostFocus = [this] { dlbdeler1.setVisible(false); };
    onEscape = [this] { escapePressed(); };
    wireEntryFields(*this);
}

bool NewJournal::Form_Load() {
    clearinput();
    lockinput();
    return guarded([this] {
        db_ = std::make_unique<data::Database>(services_.databasePath);
        readCodeLists();
    });
}

void NewJournal::readCodeLists() {
    const std::pair<ui::PickList*, CodeTable> lists[] = {
        {&dlbtypemag, CodeTable::typemag},   {&dcbmagtype, CodeTable::magtype},
        {&dcblanguage, CodeTable::maglang},  {&dcbdepart, CodeTable::department},
        {&dcbrecei, CodeTable::receives},    {&dcbcurren, CodeTable::currmony},
        {&dcbstatus, CodeTable::statustype}, {&dcbbindco, CodeTable::bindcolor},
        {&dcbbindsta, CodeTable::bindtype}};
    for (const auto& [list, table] : lists) {
        // A description changed meanwhile still shows the chosen code.
        const QString chosen = list->boundText();
        // Faculties are looked up by name: Thai dictionary order.
        list->setRows(table == CodeTable::department ? ui::thaiSorted(readCodeTable(*db_, table))
                                                     : readCodeTable(*db_, table));
        if (!chosen.isEmpty())
            list->setBoundText(chosen);
    }
}

// ---- Procedures ----

void NewJournal::clearinput() {
    holdingsLabel.setCaption({});
    addmode = false;
    editmode = false;
    loadedKey_.clear();
    loadedName_.clear();
    EntryState::blank(*this, data::writeDate(services_.clock.today()));
    SSTab1.setTab(0);
}

void NewJournal::lockinput() {
    EntryState::setLocked(*this, true);
}

void NewJournal::unlockinput() {
    EntryState::setLocked(*this, false);
}

void NewJournal::resetbuttom(bool add, bool edit, bool del, bool save, bool cancel) {
    Cmdadd.setEnabled(add);
    Cmdedit.setEnabled(edit);
    Cmddel.setEnabled(del);
    Cmdsave.setEnabled(save);
    Cmdcancle.setEnabled(cancel);
}

void NewJournal::checkinput() {
    if (!EntryChecks(*this, messages()).requiredFilled())
        inputok = false;
}

void NewJournal::checkdate(const QString& dateText) {
    baddate = ui::entry::monthAboveTwelve(dateText) ? 1 : 0;
}

// ---- Commands ----

void NewJournal::Cmdadd_Click() {
    resetbuttom(false, false, false, true, true);
    clearinput();
    // The code tables may have changed in the settings since the last read.
    guarded([this] { readCodeLists(); });
    addmode = true;
    editmode = false;
    unlockinput();
    setFocus(opt1);
}

void NewJournal::cmdedit_Click() {
    resetbuttom(false, false, false, true, true);
    guarded([this] { readCodeLists(); });
    addmode = false;
    editmode = true;
    unlockinput();
    // The keys go to the name: its page is shown, so nothing is typed out of sight.
    SSTab1.setTab(0);
    setFocus(Text2);
}

void NewJournal::backToBrowse() {
    // No pick list stays drawn over the blank fields.
    for (ui::PickList* list : {&dlbnamemag, &dlbdeler, &dlbdeler1})
        list->setVisible(false);
    resetbuttom(true, false, false, false, false);
    clearinput();
    lockinput();
    setFocus(Text2);
}

bool NewJournal::writeTitle() {
    bool written = false;
    guarded([this, &written] {
        written = TitleWrite(*db_, *this, messages()).write(addmode, loadedKey_);
    });
    return written;
}

void NewJournal::cmdsave_Click() {
    if (messages().show(QStringLiteral("ต้องการบันทึกข้อมูลหรือไม่"), QStringLiteral("บันทึกข้อมูล"),
                        ui::msg::kConfirm) != ui::msg::kOk)
        return;
    if (addmode) {
        bool taken = true;
        if (!guarded([this, &taken] { taken = TitleSearch(*db_).nameTaken(Text2.text()); }))
            return;
        if (taken) {
            EntryChecks(*this, messages())
                .refuse(QStringLiteral("พบวารสารรายชื่อนี้ในฐานข้อมูล ไม่สามารถทำการเพิ่มรายชื่อใหม่ได้"),
                        kSaveFailed, Text2);
            return;
        }
    }
    inputok = true;
    checkinput();
    if (!inputok || !EntryChecks(*this, messages()).datesReadable())
        return;
    bool known = false;
    if (!guarded([this, &known] {
            known = EntryChecks(*this, messages()).dealersKnown(publishers::DealerTable(*db_));
        }) ||
        !known)
        return;
    EntryChecks(*this, messages()).warnIssn();
    if (!writeTitle())
        return;
    resetbuttom(true, false, false, false, false);
    messages().show(QStringLiteral("การบันทึกข้อมูลวารสารรายชื่อใหม่เรียบร้อยแล้ว"),
                    QStringLiteral("ผลการบันทึกข้อมูล"), ui::msg::kInformation);
    backToBrowse();
}

void NewJournal::Cmdcancle_Click() {
    if (messages().show(kCancelQuestion, kCancelCaption, ui::msg::kConfirm) != ui::msg::kOk)
        return;
    backToBrowse();
}

void NewJournal::Cmddel_Click() {
    bool confirmed = false;
    if (!guarded([this, &confirmed] {
            confirmed = DeleteQuestion(*db_, messages()).confirmed(loadedKey_, loadedName_);
        }) ||
        !confirmed)
        return;
    bool removed = false;
    if (!loadedKey_.isEmpty() &&
        !guarded([this, &removed] { removed = TitleRecords(*db_).deleteTitle(loadedKey_); }))
        return;
    if (!removed) {
        messages().show(kNotFound, kSearchResult, ui::msg::kStop);
        return;
    }
    messages().show(QStringLiteral("ลบข้อมูลเรียบร้อแล้ว"), QStringLiteral("แจ้งผลการลบข้อมูล"),
                    ui::msg::kInformation);
    backToBrowse();
}

QString NewJournal::openEntry() const {
    if (addmode) {
        const QString name = Text2.text().trimmed();
        return name.isEmpty() ? QStringLiteral("กำลังเพิ่มรายชื่อใหม่")
                              : QStringLiteral("กำลังเพิ่มรายชื่อใหม่ \"%1\"").arg(name);
    }
    if (editmode)
        return QStringLiteral("กำลังแก้ไขข้อมูลของ \"%1\"").arg(loadedName_.trimmed());
    return {};
}

void NewJournal::Command6_Click() {
    unload();
}

void NewJournal::patternButton_Click() {
    if (Text1.text().trimmed().isEmpty()) {
        messages().show(QStringLiteral("กรุณาเลือกรายชื่อวารสารก่อน"), QStringLiteral("รูปแบบการออก"),
                        ui::msg::kStop);
        return;
    }
    services_.opener.openTitle(QStringLiteral("PatternWindow"), Text1.text().trimmed());
}

void NewJournal::escapePressed() {
    if (dlbnamemag.visible())
        closeNameList();
    else if (!picks_.closeOpenList(*this) && Cmdcancle.enabled())
        Cmdcancle_Click();
}

// ---- Title search and load ----

void NewJournal::Text2_DblClick() {
    if (!guarded([this] { dlbnamemag.setSource(TitleSearch(*db_).namesLike(Text2.text())); }))
        return;
    if (dlbnamemag.rows().empty()) {
        closeNameList();
        messages().show(kNotFound, kSearchResult, ui::msg::kStop);
        return;
    }
    dlbnamemag.setVisible(true);
    setFocus(dlbnamemag);
}

void NewJournal::dlbnamemag_Click() {
    const int row = dlbnamemag.chosenRow();
    if (row < 0)
        return;
    const ui::PickRow& chosen = dlbnamemag.rows()[std::size_t(row)];
    Text1.setText(chosen.code);
    Text2.setText(chosen.description);
    dlbnamemag.setVisible(false);
    loadtitle();
    // The list that had the keys is gone: the work goes on with an edit of the
    // title shown, or with another search.
    setFocus(Cmdedit.enabled() ? static_cast<ui::Control&>(Cmdedit) : Text2);
}

void NewJournal::showTitle(const QString& pointer) {
    // An entry in progress is dropped only when the clerk says so, as Cancel
    // asks; then the title is shown as from a fresh window.
    if (addmode || editmode) {
        if (messages().show(kCancelQuestion, kCancelCaption, ui::msg::kConfirm) != ui::msg::kOk)
            return;
        backToBrowse();
    }
    closeNameList();
    Text1.setText(pointer);
    loadtitle();
}

void NewJournal::dlbnamemag_LostFocus() {
    closeNameList();
}

void NewJournal::closeNameList() {
    if (!dlbnamemag.visible())
        return;
    dlbnamemag.setVisible(false);
    setFocus(Text2);
}

void NewJournal::showNotFound() {
    messages().show(kNotFound, kSearchResult, ui::msg::kStop);
    Text1.setText({});
    if (Text1.enabled())
        setFocus(Text1);
}

void NewJournal::loadtitle() {
    guarded([this] {
        // Codes added in the settings meanwhile are known, not marked unknown.
        readCodeLists();
        const TitleSearch search(*db_);
        TitleDisplay display(*this);
        const QString key = Text1.text().trimmed();
        if (const auto title = search.title(key)) {
            // Nothing of the title shown before may stay behind to be saved
            // over this one where its other rows are missing.
            display.blank();
            display.showTitle(*title);
            loadedKey_ = Text1.text();
            loadedName_ = Text2.text();
            EntryState::paint(Text1, true);
            resetbuttom(false, true, true, false, true);
        } else {
            loadedKey_.clear();
            loadedName_.clear();
            if (!addmode && !editmode)
                EntryState::paint(Text1, false);
            showNotFound();
        }
        if (const auto subscription = search.subscription(key))
            display.showSubscription(*subscription);
        if (const auto kind = search.kind(Text1.text()))
            display.showKind(*kind);
        const QString held = loadedKey_.isEmpty() ? QString()
                                                  : holdings::HoldingsStatement(*db_).ofTitle(
                                                        key, services_.clock.today());
        holdingsLabel.setCaption(held.isEmpty() ? QString() : QStringLiteral("ฉบับที่มี: ") + held);
    });
}

// ---- Publisher pick lists ----

std::vector<ui::PickRow> NewJournal::findDealers(const QString& text, const QString& newdealer) {
    std::vector<ui::PickRow> rows;
    if (!guarded([&] { rows = publishers::DealerTable(*db_).findByName(text); }))
        return {};
    if (rows.empty()) {
        services_.newdealer = newdealer;
        services_.opener.open(QStringLiteral("Adddealer"));
    }
    return rows;
}

void NewJournal::Text10_DblClick() {
    auto rows = findDealers(Text10.text(), Text10.text());
    if (rows.empty())
        return;
    DealerPicks::showPublishers(dlbdeler, std::move(rows));
    setFocus(dlbdeler);
}

void NewJournal::Text14_DblClick() {
    auto rows = findDealers(Text14.text(), Text14.text().trimmed());
    if (rows.empty())
        return;
    dlbdeler1.setVisible(true);
    picks_.takeAgentRows(dlbdeler1, std::move(rows));
    setFocus(dlbdeler1);
}

void NewJournal::dcbdeler1_Click() {
    auto rows = findDealers(dcbdeler1.text(), dcbdeler1.text());
    if (!rows.empty())
        picks_.takeAgentRows(dcbdeler1, std::move(rows));
}

void NewJournal::dlbdeler_DblClick() {
    if (picks_.pick(dlbdeler, Text10, Text6))
        setFocus(Text10);
}

void NewJournal::dlbdeler1_DblClick() {
    if (picks_.pick(dlbdeler1, Text14, Text13))
        setFocus(Text14);
}

// ---- Date and number fields ----

void NewJournal::monthCheck(ui::TextBox& field) {
    if (ui::entry::trimmedLength(field.text()) != 10)
        return;
    checkdate(field.text());
    if (baddate == 1) {
        messages().show(kBadDate, kBadDateCaption, ui::msg::kStop);
        if (field.onClick)
            field.onClick();
    }
}

void NewJournal::focusSelected(ui::TextBox& field) {
    setFocus(field);
    ui::entry::selectFromStart(field, int(field.text().size()));
}

}  // namespace catalogue
