#include "late/ClaimPrint.h"

#include "data/DateText.h"

namespace late {

namespace {

const QString kSample = QStringLiteral("ทดสอบ");
constexpr double kGap = 60;

// Where each column starts, as a share of the printable width; a column ends
// where the next begins.
constexpr double kNumber = 0, kName = 0.06, kIssue = 0.40, kReceived = 0.66, kExpected = 0.83;

}  // namespace

double ClaimPrint::lineHeight() {
    return printer_.textHeight(kSample) + kGap;
}

void ClaimPrint::printCut(double x, const QString& text, double right) {
    const QString shown = printer_.elided(text, right - x - kGap);
    if (printer_.textWidth(shown) > right - x - kGap)
        return;
    const double y = printer_.currentY;
    printer_.currentX = x;
    printer_.print(shown);
    printer_.currentY = y;
}

void ClaimPrint::row(const QStringList& cells) {
    const double width = printer_.printableWidth();
    const double starts[] = {kNumber, kName, kIssue, kReceived, kExpected, 1};
    for (int c = 0; c < cells.size(); ++c)
        printCut(starts[c] * width, cells[c], starts[c + 1] * width);
}

void ClaimPrint::headings(int page) {
    const double width = printer_.printableWidth();
    printer_.fontBold = true;
    if (page > 1) {
        printCut(width - 1500, QStringLiteral("หน้า %1").arg(page), width);
        printer_.currentY += lineHeight();
    }
    row({QStringLiteral("ที่"), QStringLiteral("รายชื่อวารสาร/สิ่งพิมพ์"), QStringLiteral("ฉบับล่าสุดที่ได้รับ"),
         QStringLiteral("วันที่รับ"), QStringLiteral("กำหนดได้รับ")});
    printer_.currentY += lineHeight();
    printer_.fontBold = false;
}

void ClaimPrint::print(const QStringList& agentAddress, const std::vector<LateTitle>& titles,
                       QDate today) {
    const double width = printer_.printableWidth();
    printer_.fontName = QStringLiteral("MS Sans Serif");
    printer_.fontUnderline = false;
    printer_.currentY = 0;
    printer_.fontBold = true;
    printer_.fontSize = 18;
    printCut(0, QStringLiteral("ขอทวงถามวารสาร/สิ่งพิมพ์ที่ยังไม่ได้รับ"), width);
    printer_.currentY += lineHeight() * 1.5;

    printer_.fontSize = 16;
    printer_.fontBold = false;
    printCut(0, QStringLiteral("วันที่ ") + data::writeDate(today), width);
    printer_.currentY += lineHeight();
    printCut(0, QStringLiteral("เรียน"), width);
    printer_.currentY += lineHeight();
    for (const QString& line : agentAddress) {
        printCut(600, line, width);
        printer_.currentY += lineHeight();
    }
    printer_.currentY += lineHeight() / 2;
    printCut(0, QStringLiteral("รายการต่อไปนี้เลยกำหนดออกแล้วยังไม่ได้รับ กรุณาจัดส่งด้วย"), width);
    printer_.currentY += lineHeight() * 1.5;

    printer_.fontSize = 14;
    int page = 1;
    headings(page);
    int number = 0;
    for (const LateTitle& t : titles) {
        if (printer_.currentY + lineHeight() > printer_.printableHeight()) {
            printer_.newPage();
            printer_.currentY = 0;
            headings(++page);
        }
        // A predicted issue is named, so the agent knows which one to send.
        row({QString::number(++number),
             t.predicted ? t.name + QStringLiteral(" ") + t.issue : t.name,
             t.lastReceived.isEmpty() ? QStringLiteral("ยังไม่ได้รับ") : t.lastIssue, t.lastReceived,
             data::writeDate(t.expected)});
        printer_.currentY += lineHeight();
    }
    printer_.endDoc();
}

}  // namespace late
