#include "titlelist/TitleListPrint.h"

#include "data/DateText.h"
#include "late/LateCsv.h"
#include "ui/TextWrap.h"

namespace titlelist {

namespace {

const QString kSample = QStringLiteral("ทดสอบ");
constexpr double kGap = 40;
constexpr double kBodySize = 11, kTitleSize = 16;

// Where each column starts, as a share of the printable width.
constexpr double kStarts[] = {0, 0.25, 0.335, 0.42, 0.56, 0.68, 0.80, 1};

QStringList headings() {
    return {QStringLiteral("ชื่อวารสาร/สิ่งพิมพ์"), QStringLiteral("ISSN"),
            QStringLiteral("กำหนดออก"),       QStringLiteral("สำนักพิมพ์"),
            QStringLiteral("คณะ/หน่วยงาน"),    QStringLiteral("ระยะเวลาบอกรับ"),
            QStringLiteral("ฉบับที่มี")};
}

QStringList texts(const TitleLine& l) {
    return {l.name, l.issn, l.frequency, l.publisher, l.faculty, l.period, l.holdings};
}

}  // namespace

QByteArray titleListCsv(const std::vector<TitleLine>& lines) {
    QByteArray csv = "\xEF\xBB\xBF";
    csv += late::csvLine(QStringList{QStringLiteral("รหัส")} + headings());
    for (const TitleLine& l : lines)
        csv += late::csvLine(QStringList{l.pointer} + texts(l));
    return csv;
}

double TitleListPrint::lineHeight() {
    return printer_.textHeight(kSample) + kGap;
}

TitleListPrint::Cells TitleListPrint::cellsOf(const QStringList& texts) {
    Cells cells;
    const double width = printer_.printableWidth();
    for (int c = 0; c < texts.size(); ++c)
        cells.push_back(
            ui::wrappedLines(printer_, texts[c], (kStarts[c + 1] - kStarts[c]) * width - 2 * kGap));
    return cells;
}

double TitleListPrint::heightOf(const Cells& cells) {
    qsizetype most = 1;
    for (const QStringList& c : cells)
        most = std::max(most, c.size());
    return double(most) * lineHeight() + kGap;
}

double TitleListPrint::heading(const QString& scope, QDate today) {
    printer_.fontSize = kTitleSize;
    printer_.fontBold = true;
    printer_.currentX = 0;
    printer_.currentY = 0;
    printer_.print(QStringLiteral("รายชื่อวารสารและสิ่งพิมพ์"));
    printer_.fontSize = kBodySize;
    printer_.fontBold = false;
    double y = printer_.currentY + kGap;
    printer_.currentX = 0;
    printer_.currentY = y;
    printer_.print(scope + QStringLiteral("   วันที่พิมพ์ ") + data::writeDate(today));
    y = printer_.currentY + kGap;
    printer_.fontBold = true;
    const Cells cells = cellsOf(headings());
    entry(cells, y);
    printer_.fontBold = false;
    return y + heightOf(cells) + kGap;
}

void TitleListPrint::entry(const Cells& cells, double y) {
    const double width = printer_.printableWidth();
    for (size_t c = 0; c < cells.size(); ++c)
        for (qsizetype i = 0; i < cells[c].size(); ++i) {
            printer_.currentX = kStarts[c] * width + kGap;
            printer_.currentY = y + double(i) * lineHeight();
            printer_.print(cells[c][i]);
        }
}

void TitleListPrint::footer(int page, int pages) {
    const QString text = QStringLiteral("หน้า %1 จาก %2").arg(page).arg(pages);
    printer_.currentX = printer_.printableWidth() - printer_.textWidth(text);
    printer_.currentY = printer_.printableHeight() - lineHeight();
    printer_.print(text);
}

void TitleListPrint::print(const std::vector<TitleLine>& lines, const QString& scope, QDate today) {
    printer_.fontName = QStringLiteral("MS Sans Serif");
    printer_.fontSize = kBodySize;
    printer_.fontBold = false;
    printer_.fontUnderline = false;
    std::vector<Cells> entries;
    entries.reserve(lines.size());
    for (const TitleLine& l : lines)
        entries.push_back(cellsOf(texts(l)));
    // Pages are laid out first, so that each foot can say how many there are.
    const double top = heading(scope, today);
    const double bottom = printer_.printableHeight() - 2 * lineHeight();
    std::vector<std::vector<size_t>> pages(1);
    double y = top;
    for (size_t i = 0; i < entries.size(); ++i) {
        const double h = heightOf(entries[i]);
        if (y + h > bottom && !pages.back().empty()) {
            pages.emplace_back();
            y = top;
        }
        pages.back().push_back(i);
        y += h;
    }
    for (size_t p = 0; p < pages.size(); ++p) {
        if (p > 0) {
            printer_.newPage();
            heading(scope, today);
        }
        y = top;
        for (size_t i : pages[p]) {
            entry(entries[i], y);
            y += heightOf(entries[i]);
        }
        footer(int(p + 1), int(pages.size()));
    }
    printer_.endDoc();
}

}  // namespace titlelist
