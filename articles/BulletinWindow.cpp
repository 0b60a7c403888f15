#include "articles/BulletinWindow.h"

#include <QFile>
#include <QSaveFile>

#include "articles/Bulletin.h"
#include "data/Database.h"
#include "data/DateText.h"
#include "ui/Printing.h"

namespace articles {

namespace {

const QString kCaption = QStringLiteral("วารสารดรรชนี");

}  // namespace

BulletinWindow::BulletinWindow(ui::Services& services)
    : Form(kCaption, services.messages), services_(services) {
    ui::OptionButton::group({&withAbstractOption, &citationOnlyOption});
    withAbstractOption.setValue(true);
    const QDate today = services.clock.today();
    fromText.setText(data::writeDate(QDate(today.year(), today.month(), 1)));
    toText.setText(data::writeDate(today));
    fromText.setMaxLength(10);
    toText.setMaxLength(10);
    printButton.onClick = [this] { output(Output::Printer); };
    pdfButton.onClick = [this] { output(Output::Pdf); };
    risButton.onClick = [this] { output(Output::Ris); };
    csvButton.onClick = [this] { output(Output::Csv); };
    closeButton.onClick = [this] { unload(); };
    onEscape = [this] { unload(); };
}

BulletinWindow::~BulletinWindow() = default;

bool BulletinWindow::attempt(const std::function<void()>& step) {
    try {
        return guarded(step);
    } catch (const ui::PrintError& e) {
        messages().show(e.thaiMessage(), kCaption, ui::msg::kStop);
    }
    return false;
}

bool BulletinWindow::Form_Load() {
    return attempt([this] { db_ = std::make_unique<data::Database>(services_.databasePath); });
}

void BulletinWindow::output(Output to) {
    const auto from = data::readDate(fromText.text().trimmed());
    const auto until = data::readDate(toText.text().trimmed());
    if (!from || !until || *from > *until) {
        messages().show(QStringLiteral("กรุณาพิมพ์วันที่เป็น วว/ดด/ปปปป และวันแรกไม่หลังวันสุดท้าย"), kCaption,
                        ui::msg::kStop);
        setFocus(fromText);
        return;
    }
    std::unique_ptr<Bulletin> bulletin;
    if (!attempt([&] { bulletin = std::make_unique<Bulletin>(*db_, *from, *until); }))
        return;
    if (bulletin->groups().empty()) {
        messages().show(QStringLiteral("ไม่มีบทความที่ทำดัชนีในช่วงวันที่นี้"), kCaption,
                        ui::msg::kInformation);
        return;
    }
    ui::Printing* printing = services_.printing;
    if (to == Output::Printer || to == Output::Pdf) {
        if (!printing || (to == Output::Printer && !printing->hasDefaultPrinter())) {
            messages().show(QStringLiteral("ไม่พบเครื่องพิมพ์ กรุณาบันทึกเป็น PDF"), kCaption,
                            ui::msg::kStop);
            return;
        }
        std::optional<QString> path;
        if (to == Output::Pdf && !(path = printing->askPdfPath(QStringLiteral("วารสารดรรชนี.pdf"))))
            return;
        attempt([&] {
            auto page =
                to == Output::Pdf ? printing->openPdf(*path) : printing->openDefaultPrinter();
            bulletin->print(*page, withAbstractOption.value());
        });
        return;
    }
    const bool ris = to == Output::Ris;
    const auto path = askPath ? askPath(ris ? QStringLiteral("วารสารดรรชนี.ris")
                                            : QStringLiteral("วารสารดรรชนี.csv"),
                                        to)
                              : std::nullopt;
    if (!path)
        return;
    QSaveFile file(*path);
    const QByteArray bytes = ris ? bulletin->ris().toUtf8() : bulletin->csv();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        messages().show(QStringLiteral("บันทึกไฟล์ %1 ไม่ได้").arg(*path), kCaption, ui::msg::kStop);
}

}  // namespace articles
