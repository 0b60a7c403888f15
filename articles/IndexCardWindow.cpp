#include "articles/IndexCardWindow.h"

#include "articles/RuleError.h"
#include "data/Database.h"
#include "data/DateText.h"
#include "ui/Printing.h"

namespace articles {

namespace {

const QString kCaption = QStringLiteral("บัตรดัชนีวารสาร");

}  // namespace

IndexCardWindow::IndexCardWindow(ui::Services& services)
    : Form(kCaption, services.messages), services_(services) {
    ui::OptionButton::group({&newOption, &allOption});
    ui::OptionButton::group({&a4Option, &cardStockOption});
    newOption.setValue(true);
    a4Option.setValue(true);
    fromText.setMaxLength(10);
    toText.setMaxLength(10);
    fromText.setText(data::writeDate(services.clock.today()));
    toText.setText(data::writeDate(services.clock.today()));
    cardList.setTextMatrix(0, 0, QStringLiteral("บรรทัดบน"));
    cardList.setTextMatrix(0, 1, QStringLiteral("บัตร"));
    cardList.setTextMatrix(0, 2, QStringLiteral("พิมพ์แล้ว"));
    cardList.setColWidth(0, 5200);
    showButton.onClick = [this] { showButton_Click(); };
    printButton.onClick = [this] { printButton_Click(); };
    pdfButton.onClick = [this] { pdfButton_Click(); };
    reprintButton.onClick = [this] { reprintButton_Click(); };
    closeButton.onClick = [this] { unload(); };
    onEscape = [this] { unload(); };
}

IndexCardWindow::~IndexCardWindow() = default;

bool IndexCardWindow::attempt(const std::function<void()>& step) {
    try {
        return guarded(step);
    } catch (const ui::PrintError& e) {
        messages().show(e.thaiMessage(), kCaption, ui::msg::kStop);
    } catch (const RuleError& e) {
        messages().show(e.thai(), kCaption, ui::msg::kStop);
    }
    return false;
}

bool IndexCardWindow::Form_Load() {
    return attempt([this] {
        db_ = std::make_unique<data::Database>(services_.databasePath);
        showButton_Click();
    });
}

void IndexCardWindow::showButton_Click() {
    const auto from = data::readDate(fromText.text().trimmed());
    const auto to = data::readDate(toText.text().trimmed());
    if (!from || !to || *from > *to) {
        messages().show(QStringLiteral("กรุณาพิมพ์วันที่เป็น วว/ดด/ปปปป และวันแรกไม่หลังวันสุดท้าย"), kCaption,
                        ui::msg::kStop);
        setFocus(fromText);
        return;
    }
    std::vector<IndexCard> found;
    if (!attempt([&] {
            IndexCards cards(*db_);
            found = newOption.value() ? cards.unprinted(*from, *to) : cards.indexed(*from, *to);
        }))
        return;
    cards_ = std::move(found);
    std::vector<QStringList> rows;
    for (const IndexCard& c : cards_)
        rows.push_back({c.topLine,
                        c.key == u"main" ? QStringLiteral("บัตรหลัก")
                        : c.key == u"title" ? QStringLiteral("บัตรชื่อเรื่อง")
                                            : QStringLiteral("บัตรหัวเรื่อง"),
                        c.printed ? QStringLiteral("แล้ว") : QString()});
    cardList.setDataRows(std::move(rows));
    for (ui::CommandButton* b : {&printButton, &pdfButton, &reprintButton})
        b->setEnabled(!cards_.empty());
}

void IndexCardWindow::reprintButton_Click() {
    const int r = cardList.row() - 1;
    if (r < 0 || r >= int(cards_.size())) {
        messages().show(QStringLiteral("กรุณาเลือกบัตรที่ต้องการพิมพ์ซ้ำ"), kCaption, ui::msg::kStop);
        return;
    }
    output({cards_[std::size_t(r)]}, false);
}

void IndexCardWindow::output(const std::vector<IndexCard>& cards, bool pdf) {
    if (cards.empty())
        return;
    ui::Printing* printing = services_.printing;
    if (!printing || (!pdf && !printing->hasDefaultPrinter())) {
        messages().show(QStringLiteral("ไม่พบเครื่องพิมพ์ กรุณาบันทึกเป็น PDF"), kCaption, ui::msg::kStop);
        return;
    }
    std::optional<QString> path;
    if (pdf && !(path = printing->askPdfPath(QStringLiteral("บัตรดัชนี.pdf"))))
        return;
    const CardPrint::Sheet sheet =
        a4Option.value() ? CardPrint::Sheet::A4 : CardPrint::Sheet::CardStock;
    const bool done = attempt([&] {
        std::unique_ptr<ui::PageSurface> page =
            pdf ? printing->openPdf(*path) : printing->openDefaultPrinter();
        CardPrint(*page).print(cards, sheet);
        IndexCards(*db_).markPrinted(cards, services_.clock.today());
    });
    if (done)
        showButton_Click();
}

}  // namespace articles
