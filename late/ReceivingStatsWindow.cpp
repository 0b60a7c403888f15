#include "late/ReceivingStatsWindow.h"

#include <QLocale>

#include "data/Database.h"
#include "ui/Printing.h"
#include "ui/StatsOutput.h"

namespace late {

namespace {

const QString kCaption = QStringLiteral("สถิติการรับวารสาร/สิ่งพิมพ์");

}  // namespace

ReceivingStatsWindow::ReceivingStatsWindow(ui::Services& services)
    : Form(kCaption, services.messages), services_(services) {
    ui::OptionButton::group({&Option1, &Option2});
    Option1.setValue(true);
    Text1.setMaxLength(4);
    Text1.setText(QString::number(services.clock.today().year()));
    showstat.setTextMatrix(0, 0, QStringLiteral("กลุ่ม"));
    showstat.setColWidth(0, 2600);
    for (int m = 1; m <= 12; ++m) {
        showstat.setTextMatrix(0, m, QLocale(QLocale::Thai).monthName(m, QLocale::ShortFormat));
        showstat.setColWidth(m, 620);
    }
    showstat.setTextMatrix(0, 13, QStringLiteral("รวม"));
    showstat.setColWidth(13, 800);
    for (ui::CommandButton* b : {&Cmdprint, &Cmdpdf, &Cmdpng})
        b->setEnabled(false);

    Cmdshow.onClick = [this] { Cmdshow_Click(); };
    // Enter on the year shows that year, as the button does.
    Text1.onKeyPress = [this](int& keyAscii) {
        if (keyAscii == ui::key::kEnter) {
            keyAscii = 0;
            Cmdshow_Click();
        }
    };
    Cmdprint.onClick = [this] { Cmdprint_Click(); };
    Cmdpdf.onClick = [this] { Cmdpdf_Click(); };
    Cmdpng.onClick = [this] { Cmdpng_Click(); };
    Cmdexit.onClick = [this] { Cmdexit_Click(); };
    onEscape = [this] { Cmdexit_Click(); };
}

ReceivingStatsWindow::~ReceivingStatsWindow() = default;

bool ReceivingStatsWindow::Form_Load() {
    return guarded([this] {
        db_ = std::make_unique<data::Database>(services_.databasePath);
        Cmdshow_Click();
    });
}

void ReceivingStatsWindow::Cmdshow_Click() {
    bool ok = false;
    const int year = Text1.text().trimmed().toInt(&ok);
    if (!ok || year < 1900 || year > 2200) {
        messages().show(QStringLiteral("กรุณาพิมพ์ปี ค.ศ. เป็นตัวเลข 4 หลัก"), kCaption, ui::msg::kStop);
        setFocus(Text1);
        return;
    }
    std::vector<MonthCounts> rows;
    if (!guarded([&] {
            rows = ReceivingStats(*db_).byMonth(
                year, Option1.value() ? Grouping::Faculty : Grouping::Kind);
        }))
        return;
    shown_ = std::move(rows);
    MonthCounts total{QStringLiteral("รวม"), {}};
    showstat.setRows(int(shown_.size()) + 2);
    for (int r = 0; r <= int(shown_.size()); ++r) {
        const MonthCounts& row = r < int(shown_.size()) ? shown_[r] : total;
        showstat.setTextMatrix(r + 1, 0, row.group);
        for (int m = 0; m < 12; ++m) {
            showstat.setTextMatrix(r + 1, m + 1, QString::number(row.months[m]));
            if (r < int(shown_.size()))
                total.months[m] += row.months[m];
        }
        showstat.setTextMatrix(r + 1, 13, QString::number(row.total()));
    }
    for (ui::CommandButton* b : {&Cmdprint, &Cmdpdf, &Cmdpng})
        b->setEnabled(!shown_.empty());
    if (onShown)
        onShown();
}

void ReceivingStatsWindow::output(Output to) {
    if (const auto where = ui::statsOutput(
            to, !shown_.empty(), QStringLiteral("ไม่มีวารสารที่ได้รับในปีนี้"), kCaption, services_);
        where && onOutput)
        onOutput(*where);
}

void ReceivingStatsWindow::reportSaved(const QString& path) {
    ui::reportStatsSaved(messages(), kCaption, path);
}

void ReceivingStatsWindow::reportUnsaved(const QString& path) {
    ui::reportStatsUnsaved(messages(), kCaption, path);
}

void ReceivingStatsWindow::Cmdexit_Click() {
    unload();
}

}  // namespace late
