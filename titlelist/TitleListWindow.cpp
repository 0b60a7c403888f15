#include "titlelist/TitleListWindow.h"

#include <QFile>
#include <QFileInfo>

#include "data/Database.h"
#include "titlelist/TitleListPrint.h"
#include "titlelist/TitleListSource.h"
#include "ui/Printing.h"

namespace titlelist {

namespace {

const QString kCaption = QStringLiteral("พิมพ์รายชื่อวารสารและสิ่งพิมพ์");

}  // namespace

TitleListWindow::TitleListWindow(ui::Services& services, TitleListFilter start)
    : Form(kCaption, services.messages), services_(services), start_(std::move(start)) {
    scopeList.setRows({{QStringLiteral("0"), QStringLiteral("ทั้งหมด")},
                       {QStringLiteral("1"), QStringLiteral("คณะ/หน่วยงาน")},
                       {QStringLiteral("2"), QStringLiteral("วารสารหรือหนังสือพิมพ์")},
                       {QStringLiteral("3"), QStringLiteral("ประเภทเนื้อหา")}});
    const char16_t* headings[] = {u"รหัส",     u"ชื่อวารสาร/สิ่งพิมพ์", u"ISSN",          u"กำหนดออก",
                                  u"สำนักพิมพ์", u"คณะ/หน่วยงาน",    u"ระยะเวลาบอกรับ", u"ฉบับที่มี"};
    const int widths[] = {900, 2600, 1000, 1000, 1800, 1600, 2000, 3200};
    for (int c = 0; c < 8; ++c) {
        titleGrid.setTextMatrix(0, c, QString::fromUtf16(headings[c]));
        titleGrid.setColWidth(c, widths[c]);
    }
    for (ui::CommandButton* b : {&printButton, &pdfButton, &csvButton})
        b->setEnabled(false);
    titleGrid.guard = [this](const std::function<void()>& step) { return guarded(step); };
    titleGrid.onCount = [this](int total) { showCount(total); };
    scopeList.onChange = [this] { scopeList_Change(); };
    showButton.onClick = [this] { showButton_Click(); };
    printButton.onClick = [this] { printButton_Click(); };
    pdfButton.onClick = [this] { pdfButton_Click(); };
    csvButton.onClick = [this] { csvButton_Click(); };
    exitButton.onClick = [this] { exitButton_Click(); };
    onEscape = [this] { exitButton_Click(); };
}

TitleListWindow::~TitleListWindow() = default;

bool TitleListWindow::Form_Load() {
    if (!guarded([this] { db_ = std::make_unique<data::Database>(services_.databasePath); }))
        return false;
    scopeList.chooseRow(int(start_.scope));
    scopeList_Change();
    for (std::size_t r = 0; r < codeList.rows().size(); ++r)
        if (codeList.rows()[r].code == start_.code)
            codeList.chooseRow(int(r));
    showButton_Click();
    return true;
}

void TitleListWindow::scopeList_Change() {
    const auto scope = Scope(std::max(0, scopeList.chosenRow()));
    std::vector<ui::PickRow> rows;
    guarded([&] {
        const TitleListRecords records(*db_);
        if (scope == Scope::Faculty)
            rows = records.faculties();
        else if (scope == Scope::Subject)
            rows = records.subjects();
        else if (scope == Scope::Kind)
            rows = {{QString::fromUtf16(kJournals), QStringLiteral("วารสาร")},
                    {QString::fromUtf16(kNewspapers), QStringLiteral("หนังสือพิมพ์")}};
    });
    codeList.setEnabled(!rows.empty());
    codeList.setRows(std::move(rows));
    codeList.chooseRow(codeList.rows().empty() ? -1 : 0);
}

TitleListFilter TitleListWindow::filter() const {
    const int r = codeList.chosenRow();
    return {Scope(std::max(0, scopeList.chosenRow())),
            r < 0 ? QString() : codeList.rows().at(std::size_t(r)).code};
}

void TitleListWindow::showButton_Click() {
    countLabel.setCaption({});
    titleGrid.setSource(std::make_shared<TitleListSource>(*db_, filter(), services_.clock.today()));
    for (ui::CommandButton* b : {&printButton, &pdfButton, &csvButton})
        b->setEnabled(titleGrid.rows() > 1);
}

void TitleListWindow::showCount(int total) {
    countLabel.setCaption(total == 0 ? QStringLiteral("ไม่มีรายการ")
                                     : QStringLiteral("%1 รายการ").arg(total));
}

QString TitleListWindow::proposedName(const char* suffix) const {
    return QStringLiteral("title-list-%1.%2")
        .arg(services_.clock.today().toString(Qt::ISODate), QLatin1String(suffix));
}

void TitleListWindow::printList(bool toPdf) {
    ui::Printing* printing = services_.printing;
    if (!printing) {
        messages().show(QStringLiteral("ไม่พบเครื่องพิมพ์"), kCaption, ui::msg::kStop);
        return;
    }
    if (!toPdf && !printing->hasDefaultPrinter()) {
        if (messages().show(QStringLiteral("ไม่พบเครื่องพิมพ์ ต้องการบันทึกรายการเป็นไฟล์ PDF หรือไม่"),
                            kCaption, ui::msg::kConfirm) != ui::msg::kOk)
            return;
        toPdf = true;
    }
    QString scope;
    if (!guarded([&] { scope = TitleListRecords(*db_).scopeName(filter()); }))
        return;
    try {
        std::optional<QString> path;
        if (toPdf && !(path = printing->askPdfPath(proposedName("pdf"))))
            return;
        std::unique_ptr<ui::PageSurface> surface =
            path ? printing->openPdf(*path) : printing->openDefaultPrinter();
        const bool printed = guarded([&] {
            printTitleList(
                *surface, [this](const auto& each) { titleGrid.forEachDataRow(each); }, scope,
                services_.clock.today());
        });
        if (!printed)
            return;
        if (path)
            messages().show(
                QStringLiteral("บันทึกรายการเป็นไฟล์ PDF แล้วที่ ") + QFileInfo(*path).absoluteFilePath(),
                kCaption, ui::msg::kInformation);
    } catch (const ui::PrintError& e) {
        messages().show(e.thaiMessage(), kCaption, ui::msg::kStop);
    }
}

void TitleListWindow::csvButton_Click() {
    if (!askCsvPath)
        return;
    const std::optional<QString> path = askCsvPath(proposedName("csv"));
    if (!path)
        return;
    QFile file(*path);
    bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    if (written && !guarded([&] {
            written = writeTitleListCsv(
                file, [this](const auto& each) { titleGrid.forEachDataRow(each); });
        }))
        return;
    if (!written || !file.flush()) {
        messages().show(
            QStringLiteral("บันทึกไฟล์ ") + *path + QStringLiteral(" ไม่ได้: ") + file.errorString(),
            kCaption, ui::msg::kStop);
        return;
    }
    file.close();
    messages().show(
        QStringLiteral("บันทึกรายการเป็นไฟล์ CSV แล้วที่ ") + QFileInfo(*path).absoluteFilePath(),
        kCaption, ui::msg::kInformation);
}

}  // namespace titlelist
