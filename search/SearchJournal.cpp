#include "search/SearchJournal.h"

#include <QRegularExpression>

#include "data/Barcode.h"
#include "data/DateText.h"
#include "data/FieldLimits.h"
#include "data/Issn.h"
#include "holdings/HoldingsStatement.h"
#include "search/SearchRecords.h"

namespace search {

namespace {

const QString kError = QStringLiteral("ข้อผิดพลาด");

QString kindOf(const QString& pointer) {
    const QChar series = pointer.isEmpty() ? QChar() : pointer.at(0);
    if (series == u'J' || series == u'I')
        return QStringLiteral("วารสาร");
    if (series == u'K' || series == u'L')
        return QStringLiteral("หนังสือพิมพ์");
    return {};
}

// Eight ISSN characters are shown with their hyphen; a stored ISSN whose check
// character is wrong, or that is no ISSN at all, is marked.
QString issnCell(const QString& stored) {
    if (stored.trimmed().isEmpty())
        return {};
    const auto issn = data::issnDigits(stored);
    if (!issn)
        return stored.trimmed() + SearchJournal::kIssnMark;
    const QString shown = issn->left(4) + u'-' + issn->mid(4);
    return data::issnCheckRight(*issn) ? shown : shown + SearchJournal::kIssnMark;
}

QString latestIssueCell(const FoundTitle& t) {
    const QString day = data::reformatDate(t.latestDaily);
    if (t.latestIssueNo.trimmed().isEmpty())
        return day;
    return QStringLiteral("%1 ฉบับที่ %2").arg(day, t.latestIssueNo.trimmed()).trimmed();
}

bool isKey(const QString& text) {
    static const QRegularExpression key(QStringLiteral("^[A-Za-z][0-9]{6}$"));
    return key.match(text).hasMatch();
}

}  // namespace

SearchJournal::SearchJournal(ui::Services& services)
    : Form(QStringLiteral("สืบค้นวารสาร/สิ่งพิมพ์"), services.messages), services_(services) {
    Text1.setMaxLength(data::kLongText);
    const struct {
        const char16_t* heading;
        int width;
    } columns[kColumns] = {{u"เลขทะเบียน", 1000}, {u"ประเภท", 900},  {u"ชื่อวารสาร", 3500},
                           {u"ISSN", 1300},      {u"ผู้จัดพิมพ์", 2300}, {u"สถานภาพการบอกรับ", 1800},
                           {u"วันครบอายุ", 1150},  {u"ฉบับล่าสุด", 1950}};
    for (int c = 0; c < kColumns; ++c) {
        show_result.setTextMatrix(0, c, QString::fromUtf16(columns[c].heading));
        show_result.setColWidth(c, columns[c].width);
    }
    show_result.setHighLight(2);
    Command2.setEnabled(false);
    Command3.setEnabled(false);
    patternButton.setEnabled(false);
    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
    Command3.onClick = [this] { Command3_Click(); };
    Command4.onClick = [this] { Command4_Click(); };
    patternButton.onClick = [this] { openChosen(QStringLiteral("PatternWindow")); };
    Text1.onKeyPress = [this](int& k) { Text1_KeyPress(k); };
    show_result.onClick = [this] {
        show_result.setHighLight(1);
        showHoldings();
    };
    // A result opens in the title window, as its button does.
    show_result.onDoubleClick = [this] { Command2_Click(); };
}

bool SearchJournal::Form_Load() {
    const bool loaded =
        guarded([this] { db_ = std::make_unique<data::Database>(services_.databasePath); });
    if (loaded)
        setFocus(Text1);
    return loaded;
}

void SearchJournal::Text1_KeyPress(int& keyAscii) {
    if (keyAscii != ui::key::kEnter)
        return;
    keyAscii = 0;
    Command1_Click();
}

void SearchJournal::Command1_Click() {
    const QString text = Text1.text().trimmed();
    if (text.isEmpty()) {
        messages().show(QStringLiteral("กรุณาพิมพ์ชื่อวารสาร ISSN เลขทะเบียน หรือชื่อผู้จัดพิมพ์"), kError,
                        ui::msg::kStop);
        backToField();
        return;
    }
    bool refused = false;
    std::vector<FoundTitle> found;
    if (!guarded([&] { found = find(text, refused); }) || refused)
        return;
    if (found.empty()) {
        blankResult();
        messages().show(QStringLiteral("ไม่พบข้อมูลที่ต้องการค้นหา กรุณาตรวจสอบอีกครั้ง"),
                        QStringLiteral("ผลการค้นหา"), ui::msg::kStop);
        backToField();
        return;
    }
    showFound(found);
    // The next scan or word replaces this one.
    backToField();
}

std::vector<FoundTitle> SearchJournal::find(const QString& text, bool& refused) {
    const SearchRecords records(*db_);
    const data::Barcode code = data::readBarcode(text);
    if (code.kind == data::Barcode::Kind::BadCheck) {
        refused = true;
        // The titles of the scan before are not this issue's: none is left
        // to open by mistake.
        blankResult();
        messages().show(QStringLiteral("รหัสแท่งไม่ถูกต้อง (เลขตรวจสอบไม่ตรง) กรุณาสแกนอีกครั้ง"), kError,
                        ui::msg::kStop);
        backToField();
        return {};
    }
    if (code.kind == data::Barcode::Kind::Serial)
        return records.byCover(code.issn);
    // An ISSN is often copied with a space in place of its hyphen.
    static const QRegularExpression spaced(QStringLiteral("^[0-9]{4}\\s+[0-9]{3}[0-9Xx]$"));
    if (const auto issn =
            data::issnDigits(spaced.match(text).hasMatch() ? text.simplified().remove(u' ') : text))
        return records.byIssn(*issn);
    if (isKey(text))
        return records.byKey(text.toUpper());
    return records.byText(text);
}

void SearchJournal::showFound(const std::vector<FoundTitle>& found) {
    const int shown = std::min(int(found.size()), SearchRecords::kLimit);
    show_result.setRows(shown + 1);
    bool marked = false;
    for (int i = 0; i < shown; ++i) {
        const FoundTitle& t = found[i];
        const QString issn = issnCell(t.issn);
        marked = marked || issn.endsWith(kIssnMark);
        const QString cells[kColumns] = {t.pointer,
                                         kindOf(t.pointer),
                                         t.name,
                                         issn,
                                         t.publisher,
                                         t.receiveStatus,
                                         data::reformatDate(t.endPeriod),
                                         latestIssueCell(t)};
        for (int c = 0; c < kColumns; ++c)
            show_result.setTextMatrix(i + 1, c, cells[c]);
    }
    show_result.setRow(1);
    show_result.setHighLight(1);
    QString summary = int(found.size()) > SearchRecords::kLimit
                          ? QStringLiteral("แสดง %1 รายการแรก กรุณาพิมพ์คำค้นให้ละเอียดขึ้น").arg(shown)
                          : QStringLiteral("พบ %1 รายการ").arg(shown);
    if (marked)
        summary += QStringLiteral("   ISSN ที่มีคำว่า \"ผิด\" ต่อท้าย มีเลขตรวจสอบไม่ถูกต้อง");
    Label1.setCaption(summary);
    showHoldings();
    Command2.setEnabled(true);
    Command3.setEnabled(true);
    patternButton.setEnabled(true);
}

void SearchJournal::blankResult() {
    show_result.setRows(14);
    for (int r = 1; r < 14; ++r)
        for (int c = 0; c < kColumns; ++c)
            show_result.setTextMatrix(r, c, {});
    show_result.setHighLight(2);
    Label1.setCaption({});
    holdingsLabel.setCaption({});
    Command2.setEnabled(false);
    Command3.setEnabled(false);
    patternButton.setEnabled(false);
}

void SearchJournal::showHoldings() {
    const int row = show_result.row();
    const QString key = row >= 1 ? show_result.textMatrix(row, Key) : QString();
    QString held;
    if (!key.isEmpty())
        guarded([&] {
            held = holdings::HoldingsStatement(*db_).ofTitle(key, services_.clock.today());
        });
    holdingsLabel.setCaption(held.isEmpty() ? QString() : QStringLiteral("ฉบับที่มี: ") + held);
}

void SearchJournal::Command2_Click() {
    openChosen(QStringLiteral("NewJournal"));
}

void SearchJournal::Command3_Click() {
    openChosen(QStringLiteral("reg_journal"));
}

void SearchJournal::openChosen(const QString& window) {
    const int row = show_result.row();
    const QString key = row >= 1 ? show_result.textMatrix(row, Key) : QString();
    if (key.isEmpty()) {
        messages().show(QStringLiteral("กรุณาเลือกวารสารจากรายการ"), kError, ui::msg::kStop);
        return;
    }
    services_.opener.openTitle(window, key);
}

void SearchJournal::Command4_Click() {
    unload();
}

void SearchJournal::backToField() {
    setFocus(Text1);
    Text1.setSelStart(0);
    Text1.setSelLength(int(Text1.text().size()));
}

}  // namespace search
