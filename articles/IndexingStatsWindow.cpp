#include "articles/IndexingStatsWindow.h"

#include <QLocale>
#include <numeric>

#include "data/Database.h"
#include "ui/Printing.h"
#include "ui/StatsOutput.h"

namespace articles {

namespace {

const QString kCaption = QStringLiteral("สถิติการจัดทำบัตรดรรชนีวารสาร");

QStringList countRow(const QString& name, const std::array<int, 12>& months) {
    QStringList row{name};
    for (int n : months)
        row << QString::number(n);
    row << QString::number(std::accumulate(months.begin(), months.end(), 0));
    return row;
}

}  // namespace

IndexingStatsWindow::IndexingStatsWindow(ui::Services& services)
    : Form(kCaption, services.messages), services_(services) {
    ui::OptionButton::group({&facultyOption, &kindOption});
    facultyOption.setValue(true);
    yearText.setMaxLength(4);
    yearText.setText(QString::number(services.clock.today().year()));
    statsTable.setTextMatrix(0, 0, QStringLiteral("กลุ่ม"));
    statsTable.setColWidth(0, 3400);
    for (int m = 1; m <= 12; ++m) {
        statsTable.setTextMatrix(0, m, QLocale(QLocale::Thai).monthName(m, QLocale::ShortFormat));
        statsTable.setColWidth(m, 620);
    }
    statsTable.setTextMatrix(0, 13, QStringLiteral("รวม"));
    statsTable.setColWidth(13, 800);
    for (ui::CommandButton* b : {&printButton, &pdfButton, &pngButton})
        b->setEnabled(false);

    showButton.onClick = [this] { showButton_Click(); };
    yearText.onKeyPress = [this](int& keyAscii) {
        if (keyAscii == ui::key::kEnter) {
            keyAscii = 0;
            showButton_Click();
        }
    };
    printButton.onClick = [this] { output(Output::Printer); };
    pdfButton.onClick = [this] { output(Output::Pdf); };
    pngButton.onClick = [this] { output(Output::Png); };
    closeButton.onClick = [this] { unload(); };
    onEscape = [this] { unload(); };
}

IndexingStatsWindow::~IndexingStatsWindow() = default;

bool IndexingStatsWindow::Form_Load() {
    return guarded([this] {
        db_ = std::make_unique<data::Database>(services_.databasePath);
        showButton_Click();
    });
}

void IndexingStatsWindow::showButton_Click() {
    bool ok = false;
    const int year = yearText.text().trimmed().toInt(&ok);
    if (!ok || year < 1900 || year > 2200) {
        messages().show(QStringLiteral("กรุณาพิมพ์ปี ค.ศ. เป็นตัวเลข 4 หลัก"), kCaption, ui::msg::kStop);
        setFocus(yearText);
        return;
    }
    std::vector<IndexingCounts> rows;
    if (!guarded([&] {
            rows = IndexingStats(*db_).byMonth(
                year, facultyOption.value() ? IndexingGroup::Faculty : IndexingGroup::Kind);
        }))
        return;
    shown_ = std::move(rows);
    IndexingCounts total;
    std::vector<QStringList> table;
    for (const IndexingCounts& c : shown_) {
        table.push_back(countRow(c.group + QStringLiteral(": บทความ"), c.articles));
        table.push_back(countRow(c.group + QStringLiteral(": บัตรดัชนี"), c.cards));
        for (std::size_t m = 0; m < 12; ++m) {
            total.articles[m] += c.articles[m];
            total.cards[m] += c.cards[m];
        }
    }
    table.push_back(countRow(QStringLiteral("รวมบทความ"), total.articles));
    table.push_back(countRow(QStringLiteral("รวมบัตรดัชนี"), total.cards));
    statsTable.setDataRows(std::move(table));
    for (ui::CommandButton* b : {&printButton, &pdfButton, &pngButton})
        b->setEnabled(!shown_.empty());
    if (onShown)
        onShown();
}

void IndexingStatsWindow::output(Output to) {
    if (const auto where = ui::statsOutput(to, !shown_.empty(), QStringLiteral("ไม่มีการทำดัชนีในปีนี้"),
                                           kCaption, services_);
        where && onOutput)
        onOutput(*where);
}

void IndexingStatsWindow::reportSaved(const QString& path) {
    ui::reportStatsSaved(messages(), kCaption, path);
}

void IndexingStatsWindow::reportUnsaved(const QString& path) {
    ui::reportStatsUnsaved(messages(), kCaption, path);
}

}  // namespace articles
