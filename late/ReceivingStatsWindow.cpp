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
    ui::OptionButton::group({&byFacultyOption, &byKindOption});
    byFacultyOption.setValue(true);
    yearText.setMaxLength(4);
    yearText.setText(QString::number(services.clock.today().year()));
    statsGrid.setTextMatrix(0, 0, QStringLiteral("กลุ่ม"));
    statsGrid.setColWidth(0, 2600);
    for (int m = 1; m <= 12; ++m) {
        statsGrid.setTextMatrix(0, m, QLocale(QLocale::Thai).monthName(m, QLocale::ShortFormat));
        statsGrid.setColWidth(m, 620);
    }
    statsGrid.setTextMatrix(0, 13, QStringLiteral("รวม"));
    statsGrid.setColWidth(13, 800);
    for (ui::CommandButton* b : {&printButton, &pdfButton, &pngButton})
        b->setEnabled(false);

    showButton.onClick = [this] { showButton_Click(); };
    // Enter on the year shows that year, as the button does.
    yearText.onKeyPress = [this](int& keyAscii) {
        if (keyAscii == ui::key::kEnter) {
            keyAscii = 0;
            showButton_Click();
        }
    };
    printButton.onClick = [this] { printButton_Click(); };
    pdfButton.onClick = [this] { pdfButton_Click(); };
    pngButton.onClick = [this] { pngButton_Click(); };
    closeButton.onClick = [this] { closeButton_Click(); };
    onEscape = [this] { closeButton_Click(); };
}

ReceivingStatsWindow::~ReceivingStatsWindow() = default;

bool ReceivingStatsWindow::Form_Load() {
    return guarded([this] {
        db_ = std::make_unique<data::Database>(services_.databasePath);
        showButton_Click();
    });
}

void ReceivingStatsWindow::showButton_Click() {
    bool ok = false;
    const int year = yearText.text().trimmed().toInt(&ok);
    if (!ok || year < 1900 || year > 2200) {
        messages().show(QStringLiteral("กรุณาพิมพ์ปี ค.ศ. เป็นตัวเลข 4 หลัก"), kCaption, ui::msg::kStop);
        setFocus(yearText);
        return;
    }
    std::vector<MonthCounts> rows;
    if (!guarded([&] {
            rows = ReceivingStats(*db_).byMonth(
                year, byFacultyOption.value() ? Grouping::Faculty : Grouping::Kind);
        }))
        return;
    shown_ = std::move(rows);
    MonthCounts total{QStringLiteral("รวม"), {}};
    statsGrid.setRows(int(shown_.size()) + 2);
    for (std::size_t r = 0; r <= shown_.size(); ++r) {
        const MonthCounts& row = r < shown_.size() ? shown_[r] : total;
        statsGrid.setTextMatrix(int(r) + 1, 0, row.group);
        for (std::size_t m = 0; m < 12; ++m) {
            statsGrid.setTextMatrix(int(r) + 1, int(m) + 1, QString::number(row.months[m]));
            if (r < shown_.size())
                total.months[m] += row.months[m];
        }
        statsGrid.setTextMatrix(int(r) + 1, 13, QString::number(row.total()));
    }
    for (ui::CommandButton* b : {&printButton, &pdfButton, &pngButton})
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

void ReceivingStatsWindow::closeButton_Click() {
    unload();
}

}  // namespace late
