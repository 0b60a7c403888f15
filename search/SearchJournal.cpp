#include "search/SearchJournal.h"

#include <QRegularExpression>

#include "data/Barcode.h"
#include "data/FieldLimits.h"
#include "data/Issn.h"
#include "holdings/HoldingsStatement.h"

namespace search {

namespace {

const QString kError = QStringLiteral("ข้อผิดพลาด");

bool isKey(const QString& text) {
    static const QRegularExpression key(QStringLiteral("^[A-Za-z][0-9]{6}$"));
    return key.match(text).hasMatch();
}

}  // namespace

SearchJournal::SearchJournal(ui::Services& services)
    : Form(QStringLiteral("สืบค้นวารสาร/สิ่งพิมพ์"), services.messages), services_(services) {
    findText.setMaxLength(data::kLongText);
    const struct {
        const char16_t* heading;
        int width;
    } columns[kColumns] = {{u"เลขทะเบียน", 1000}, {u"ประเภท", 900},  {u"ชื่อวารสาร", 3500},
                           {u"ISSN", 1300},      {u"ผู้จัดพิมพ์", 2300}, {u"สถานภาพการบอกรับ", 1800},
                           {u"วันครบอายุ", 1150},  {u"ฉบับล่าสุด", 1950}};
    for (int c = 0; c < kColumns; ++c) {
        resultList.setTextMatrix(0, c, QString::fromUtf16(columns[c].heading));
        resultList.setColWidth(c, columns[c].width);
    }
    resultList.setHighLight(2);
    resultList.guard = [this](const std::function<void()>& step) { return guarded(step); };
    titleButton.setEnabled(false);
    registerButton.setEnabled(false);
    patternButton.setEnabled(false);
    findButton.onClick = [this] { findButton_Click(); };
    titleButton.onClick = [this] { titleButton_Click(); };
    registerButton.onClick = [this] { registerButton_Click(); };
    exitButton.onClick = [this] { exitButton_Click(); };
    patternButton.onClick = [this] { openChosen(QStringLiteral("PatternWindow")); };
    findText.onKeyPress = [this](int& k) { findText_KeyPress(k); };
    resultList.onClick = [this] {
        resultList.setHighLight(1);
        showHoldings();
    };
    resultList.onSort = [this] { showHoldings(); };
    resultList.onCount = [this](int total) {
        if (resultList.rows() > 1)
            showSummary(total);
    };
    // A result opens in the title window, as its button does.
    resultList.onDoubleClick = [this] { titleButton_Click(); };
}

bool SearchJournal::Form_Load() {
    const bool loaded =
        guarded([this] { db_ = std::make_unique<data::Database>(services_.databasePath); });
    if (loaded)
        setFocus(findText);
    return loaded;
}

void SearchJournal::findText_KeyPress(int& keyAscii) {
    if (keyAscii != ui::key::kEnter)
        return;
    keyAscii = 0;
    findButton_Click();
}

void SearchJournal::findButton_Click() {
    const QString text = findText.text().trimmed();
    if (text.isEmpty()) {
        messages().show(QStringLiteral("กรุณาพิมพ์ชื่อวารสาร ISSN เลขทะเบียน หรือชื่อผู้จัดพิมพ์"), kError,
                        ui::msg::kStop);
        backToField();
        return;
    }
    bool refused = false;
    std::shared_ptr<ui::RowSource> found;
    if (!guarded([&] {
            found = find(text, refused);
            if (found)
                resultList.setSource(found);
        }) ||
        refused)
        return;
    if (resultList.rows() < 2) {
        blankResult();
        messages().show(QStringLiteral("ไม่พบข้อมูลที่ต้องการค้นหา กรุณาตรวจสอบอีกครั้ง"),
                        QStringLiteral("ผลการค้นหา"), ui::msg::kStop);
        backToField();
        return;
    }
    showFound();
    // The next scan or word replaces this one.
    backToField();
}

std::shared_ptr<ui::RowSource> SearchJournal::find(const QString& text, bool& refused) {
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

void SearchJournal::showFound() {
    resultList.setRow(1);
    resultList.setHighLight(1);
    showSummary(resultList.counted() ? resultList.total() : -1);
    showHoldings();
    titleButton.setEnabled(true);
    registerButton.setEnabled(true);
    patternButton.setEnabled(true);
}

void SearchJournal::showSummary(int total) {
    bool marked = false;
    for (int r = 1; r < resultList.rows() && !marked; ++r)
        marked = resultList.textMatrix(r, Issn).endsWith(SearchRecords::kIssnMark);
    // Until a long list is counted, the rows read so far are the least found.
    QString summary = total >= 0 ? QStringLiteral("พบ %1 รายการ").arg(total)
                                 : QStringLiteral("พบ %1 รายการขึ้นไป").arg(resultList.rows() - 1);
    if (marked)
        summary += QStringLiteral("   ISSN ที่มีคำว่า \"ผิด\" ต่อท้าย มีเลขตรวจสอบไม่ถูกต้อง");
    countLabel.setCaption(summary);
}

void SearchJournal::blankResult() {
    resultList.setRows(14);
    for (int r = 1; r < 14; ++r)
        for (int c = 0; c < kColumns; ++c)
            resultList.setTextMatrix(r, c, {});
    resultList.setHighLight(2);
    countLabel.setCaption({});
    holdingsLabel.setCaption({});
    titleButton.setEnabled(false);
    registerButton.setEnabled(false);
    patternButton.setEnabled(false);
}

void SearchJournal::showHoldings() {
    const int row = resultList.row();
    const QString key = row >= 1 ? resultList.textMatrix(row, Key) : QString();
    QString held;
    if (!key.isEmpty())
        guarded([&] {
            held = holdings::HoldingsStatement(*db_).ofTitle(key, services_.clock.today());
        });
    holdingsLabel.setCaption(held.isEmpty() ? QString() : QStringLiteral("ฉบับที่มี: ") + held);
}

void SearchJournal::titleButton_Click() {
    openChosen(QStringLiteral("NewJournal"));
}

void SearchJournal::registerButton_Click() {
    openChosen(QStringLiteral("reg_journal"));
}

void SearchJournal::openChosen(const QString& window) {
    const int row = resultList.row();
    const QString key = row >= 1 ? resultList.textMatrix(row, Key) : QString();
    if (key.isEmpty()) {
        messages().show(QStringLiteral("กรุณาเลือกวารสารจากรายการ"), kError, ui::msg::kStop);
        return;
    }
    services_.opener.openTitle(window, key);
}

void SearchJournal::exitButton_Click() {
    unload();
}

void SearchJournal::backToField() {
    setFocus(findText);
    findText.setSelStart(0);
    findText.setSelLength(int(findText.text().size()));
}

}  // namespace search
