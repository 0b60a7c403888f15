#include "renewal/ExpiryPrint.h"

#include "data/DateText.h"

namespace renewal {

namespace {
const QString kSample = QStringLiteral("ทดสอบ");
constexpr int kLastLine = 30;
}  // namespace

double ExpiryPrint::lineY(int n) {
    return (printer_.textHeight(kSample) + 30) * n + 700;
}

void ExpiryPrint::printAt(double x, double y, const QString& text) {
    printer_.currentX = x;
    printer_.currentY = y;
    printer_.print(text);
}

void ExpiryPrint::print(const std::vector<ExpiryLine>& lines, const QString& first,
                        const QString& last, QDate today) {
    int page = 1;
    printer_.fontName = QStringLiteral("MS Sans Serif");
    printer_.fontBold = true;
    printer_.fontSize = 18;
    printer_.fontUnderline = true;
    printAt(4000, 700, QStringLiteral("รายชื่อวารสารที่จะครบอายุสมาชิก"));

    const double rangeY = printer_.textHeight(kSample) + 700 + 10;
    printer_.fontUnderline = false;
    printer_.fontSize = 16;
    printAt(3850, rangeY, QStringLiteral("ระหว่างวันที่  ") + first + QStringLiteral("  ถึง  ") + last);

    printAt(250, lineY(2), QStringLiteral("ลำดับที่"));
    printAt(3000, lineY(2), QStringLiteral("รายชื่อวารสาร"));
    printAt(6300, lineY(2), QStringLiteral("วันครบอายุสมาชิก"));
    printAt(9000, lineY(2), QStringLiteral("ฉบับล่าสุด"));

    int line = 3;
    int row = 1;
    for (const ExpiryLine& item : lines) {
        printer_.fontBold = false;
        printAt(410, lineY(line), QStringLiteral(" %1").arg(row));
        printAt(1100, lineY(line), item.name);
        printAt(6700, lineY(line), item.endPeriod);
        printAt(8000, lineY(line), item.latestIssue);
        ++line;
        ++row;
        if (line > kLastLine) {
            ++line;
            const double footerY = lineY(line);
            printer_.fontSize = 14;
            printAt(500, footerY, QStringLiteral("วันที่พิมพ์ ") + data::writeDate(today));
            ++page;
            printer_.newPage();
            printer_.fontSize = 16;
            printAt(10000, 500, QStringLiteral("หน้า ") + QString::number(page));
            line = 1;
        }
    }

    printer_.fontBold = true;
    printer_.fontUnderline = true;
    printAt(6500, lineY(line + 1),
            QStringLiteral("รวมทั้งสิ้น ") + QString::number(row - 1) + QStringLiteral(" รายชื่อ"));
    printer_.endDoc();
}

}  // namespace renewal
