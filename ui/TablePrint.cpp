#include "ui/TablePrint.h"

#include <algorithm>

#include "data/DateText.h"
#include "ui/TextWrap.h"

namespace ui {

namespace {

const QString kSample = QStringLiteral("ทดสอบ");
constexpr double kGap = 40;
constexpr double kBodySize = 10, kTitleSize = 16;

}  // namespace

double TablePrint::lineHeight() {
    return printer_.textHeight(kSample) + kGap;
}

TablePrint::Cells TablePrint::cellsOf(const QStringList& texts) {
    Cells cells;
    const double width = printer_.printableWidth();
    std::size_t c = 0;
    for (const QString& text : texts) {
        cells.push_back(
            ui::wrappedLines(printer_, text, (starts_[c + 1] - starts_[c]) * width - 2 * kGap));
        ++c;
    }
    return cells;
}

double TablePrint::heightOf(const Cells& cells) {
    qsizetype most = 1;
    for (const QStringList& c : cells)
        most = std::max(most, c.size());
    return double(most) * lineHeight() + kGap;
}

double TablePrint::heading(const PrintedTable& table, QDate today) {
    printer_.fontSize = kTitleSize;
    printer_.fontBold = true;
    printer_.currentX = 0;
    printer_.currentY = 0;
    printer_.print(table.title);
    printer_.fontSize = kBodySize;
    printer_.fontBold = false;
    double y = printer_.currentY + kGap;
    printer_.currentX = 0;
    printer_.currentY = y;
    printer_.print(table.scope + QStringLiteral("   วันที่พิมพ์ ") + data::writeDate(today));
    y = printer_.currentY + kGap;
    printer_.fontBold = true;
    const Cells cells = cellsOf(table.headings);
    entry(cells, y);
    printer_.fontBold = false;
    return y + heightOf(cells) + kGap;
}

void TablePrint::entry(const Cells& cells, double y) {
    const double width = printer_.printableWidth();
    for (size_t c = 0; c < cells.size(); ++c)
        for (qsizetype i = 0; i < cells[c].size(); ++i) {
            printer_.currentX = starts_[c] * width + kGap;
            printer_.currentY = y + double(i) * lineHeight();
            printer_.print(cells[c][i]);
        }
}

void TablePrint::footer(int page, int pages) {
    const QString text = QStringLiteral("หน้า %1 จาก %2").arg(page).arg(pages);
    printer_.currentX = printer_.printableWidth() - printer_.textWidth(text);
    printer_.currentY = printer_.printableHeight() - lineHeight();
    printer_.print(text);
}

void TablePrint::print(const PrintedTable& table, QDate today) {
    print(table, today, [&table](const EachRow& each) {
        for (const QStringList& row : table.rows)
            each(row);
    });
}

void TablePrint::print(const PrintedTable& table, QDate today, const RowStream& eachRow) {
    starts_ = table.starts;
    printer_.fontName = QStringLiteral("MS Sans Serif");
    printer_.fontSize = kBodySize;
    printer_.fontBold = false;
    printer_.fontUnderline = false;
    // Pages are laid out first, so that each foot can say how many there are:
    // only the number of rows of each page is kept.
    const double top = heading(table, today);
    const double bottom = printer_.printableHeight() - 2 * lineHeight();
    std::vector<int> pageRows(1, 0);
    double y = top;
    eachRow([&](const QStringList& row) {
        const double h = heightOf(cellsOf(row));
        if (y + h > bottom && pageRows.back() > 0) {
            pageRows.push_back(0);
            y = top;
        }
        ++pageRows.back();
        y += h;
    });
    size_t page = 0;
    int onPage = 0;
    y = top;
    eachRow([&](const QStringList& row) {
        if (page >= pageRows.size())
            return;  // a row added between the two readings
        if (onPage == pageRows[page]) {
            footer(int(page + 1), int(pageRows.size()));
            if (++page >= pageRows.size())
                return;
            printer_.newPage();
            heading(table, today);
            onPage = 0;
            y = top;
        }
        const Cells cells = cellsOf(row);
        entry(cells, y);
        y += heightOf(cells);
        ++onPage;
    });
    if (page < pageRows.size())
        footer(int(page + 1), int(pageRows.size()));
    printer_.endDoc();
}

}  // namespace ui
