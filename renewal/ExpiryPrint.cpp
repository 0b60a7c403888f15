#include "renewal/ExpiryPrint.h"

#include <algorithm>

#include "data/DateText.h"

namespace renewal {

namespace {

const QString kSample = QStringLiteral("ทดสอบ");
constexpr int kMostLines = 30;
constexpr int kFirstPageLine = 3;
constexpr double kSmallestSize = 8;

// Where a column's heading and values start and where the column ends; the
// latest issue runs to the printable area's right edge.
struct Column {
    double heading, value, right;
};
constexpr Column kNumber{250, 410, 1050};
constexpr Column kName{1800, 1100, 3900};
// A long faculty name is set smaller rather than cut.
constexpr Column kFaculty{4000, 4000, 6200};
constexpr Column kEnd{6300, 6300, 7900};
constexpr double kIssue = 8000;

}  // namespace

double ExpiryPrint::lineY(int n) {
    return (printer_.textHeight(kSample) + 30) * n + 700;
}

int ExpiryPrint::lastLine() {
    printer_.fontBold = false;
    printer_.fontSize = 16;
    int last = kMostLines;
    const double footerHeight = [this] {
        printer_.fontSize = 14;
        const double h = printer_.textHeight(kSample);
        printer_.fontSize = 16;
        return h;
    }();
    while (last > kFirstPageLine && lineY(last + 2) + footerHeight > printer_.printableHeight())
        --last;
    return last;
}

void ExpiryPrint::printAt(double x, double y, const QString& text) {
    const double room = printer_.printableWidth() - printer_.textWidth(text);
    printer_.currentX = std::max(0.0, std::min(x, room));
    printer_.currentY = y;
    printer_.print(text);
}

void ExpiryPrint::printElided(double x, double y, const QString& text, double right) {
    printAt(x, y, printer_.elided(text, right - x));
}

void ExpiryPrint::printShrunk(double x, double y, const QString& text, double right) {
    const double size = printer_.fontSize;
    while (printer_.fontSize > kSmallestSize && printer_.textWidth(text) > right - x)
        printer_.fontSize -= 0.5;
    printElided(x, y, text, right);
    printer_.fontSize = size;
}

void ExpiryPrint::print(const std::vector<ExpiryLine>& lines, const QString& first,
                        const QString& last, QDate today) {
    print(
        [&lines](const EachLine& each) {
            for (const ExpiryLine& l : lines)
                each(l);
        },
        first, last, today);
}

void ExpiryPrint::print(const std::function<void(const EachLine&)>& lines, const QString& first,
                        const QString& last, QDate today) {
    printer_.fontName = QStringLiteral("MS Sans Serif");
    const int lastLineOnPage = lastLine();
    const double width = printer_.printableWidth();
    int page = 1;
    printer_.fontBold = true;
    printer_.fontSize = 18;
    printer_.fontUnderline = true;
    printAt(4000, 700, QStringLiteral("รายชื่อวารสารที่จะครบอายุสมาชิก"));

    const double rangeY = printer_.textHeight(kSample) + 700 + 10;
    printer_.fontUnderline = false;
    printer_.fontSize = 16;
    printAt(3850, rangeY, QStringLiteral("ระหว่างวันที่  ") + first + QStringLiteral("  ถึง  ") + last);

    const double headingY = lineY(2);
    printShrunk(kNumber.heading, headingY, QStringLiteral("ลำดับที่"), kNumber.right);
    printShrunk(kName.heading, headingY, QStringLiteral("รายชื่อวารสาร"), kName.right);
    printShrunk(kFaculty.heading, headingY, QStringLiteral("คณะที่บอกรับ"), kFaculty.right);
    printShrunk(kEnd.heading, headingY, QStringLiteral("วันครบอายุสมาชิก"), kEnd.right);
    printShrunk(kIssue, headingY, QStringLiteral("ฉบับล่าสุด"), width);

    int line = kFirstPageLine;
    int row = 1;
    lines([&](const ExpiryLine& item) {
        printer_.fontBold = false;
        printShrunk(kNumber.value, lineY(line), QStringLiteral(" %1").arg(row), kNumber.right);
        printElided(kName.value, lineY(line), item.name, kName.right);
        if (!item.department.isEmpty())
            printShrunk(kFaculty.value, lineY(line), item.department, kFaculty.right);
        printShrunk(kEnd.value, lineY(line), item.endPeriod, kEnd.right);
        printElided(kIssue, lineY(line), item.latestIssue, width);
        ++line;
        ++row;
        if (line > lastLineOnPage) {
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
    });

    printer_.fontBold = true;
    printer_.fontUnderline = true;
    printAt(6500, lineY(line + 1),
            QStringLiteral("รวมทั้งสิ้น ") + QString::number(row - 1) + QStringLiteral(" รายชื่อ"));
    printer_.endDoc();
}

}  // namespace renewal
