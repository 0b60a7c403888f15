#include "late/ClaimPrint.h"

#include <algorithm>

#include "data/DateText.h"
#include "data/Issn.h"
#include "ui/TextWrap.h"

namespace late {

namespace {

const QString kSample = QStringLiteral("ทดสอบ");
constexpr double kGap = 60;

// Where each column starts, as a share of the printable width; a column ends
// where the next begins.
constexpr double kStarts[] = {0, 0.05, 0.45, 0.52, 0.64, 0.79, 1};

QString issnShown(const QString& stored) {
    const auto issn = data::issnDigits(stored);
    return issn ? issn->left(4) + u'-' + issn->mid(4) : stored.trimmed();
}

}  // namespace

double ClaimPrint::lineHeight() {
    return printer_.textHeight(kSample) + kGap;
}

int ClaimPrint::printWrapped(double x, const QString& text, double right) {
    const double top = printer_.currentY;
    const QStringList lines = ui::wrappedLines(printer_, text, right - x - kGap);
    for (const QString& line : lines) {
        const double y = printer_.currentY;
        printer_.currentX = x;
        printer_.print(line);
        printer_.currentY = y + lineHeight();
    }
    printer_.currentY = top;
    return int(lines.size());
}

double ClaimPrint::entryHeight(const std::vector<QStringList>& cells) {
    const double width = printer_.printableWidth();
    int most = 1;
    for (int c = 0; c < int(cells.size()); ++c) {
        int lines = 0;
        for (const QString& part : cells[std::size_t(c)])
            lines +=
                int(ui::wrappedLines(printer_, part, (kStarts[c + 1] - kStarts[c]) * width - kGap)
                        .size());
        most = std::max(most, lines);
    }
    return most * lineHeight();
}

void ClaimPrint::entry(const std::vector<QStringList>& cells) {
    const double width = printer_.printableWidth();
    const double top = printer_.currentY;
    const double height = entryHeight(cells);
    for (int c = 0; c < int(cells.size()); ++c) {
        printer_.currentY = top;
        for (const QString& part : cells[std::size_t(c)])
            printer_.currentY +=
                printWrapped(kStarts[c] * width, part, kStarts[c + 1] * width) * lineHeight();
    }
    printer_.currentY = top + height;
}

void ClaimPrint::headings(int page) {
    const double width = printer_.printableWidth();
    printer_.fontBold = true;
    if (page > 1) {
        printWrapped(width - 1500, QStringLiteral("หน้า %1").arg(page), width);
        printer_.currentY += lineHeight();
    }
    entry({{QStringLiteral("ที่")},
           {QStringLiteral("รายชื่อวารสาร/สิ่งพิมพ์")},
           {QStringLiteral("ปีที่")},
           {QStringLiteral("ฉบับที่")},
           {QStringLiteral("กำหนดได้รับ")},
           {QStringLiteral("การทวงถาม")}});
    printer_.fontBold = false;
}

void ClaimPrint::letter(const ClaimSender& sender, const ClaimLetter& letter, QDate today) {
    const double width = printer_.printableWidth();
    const auto paragraph = [&](double x, const QString& text) {
        printer_.currentY += printWrapped(x, text, width) * lineHeight();
    };
    printer_.fontName = QStringLiteral("MS Sans Serif");
    printer_.fontUnderline = false;
    printer_.currentY = 0;
    printer_.fontSize = 16;
    printer_.fontBold = true;
    paragraph(width / 2, sender.unitName);
    if (!sender.deskName.trimmed().isEmpty())
        paragraph(width / 2, sender.deskName);
    printer_.fontBold = false;
    if (!sender.address.trimmed().isEmpty())
        paragraph(width / 2, sender.address);
    printer_.currentY += lineHeight() / 2;

    // A letter whose issues are all at one claim says which it is.
    int number = letter.lines.empty() ? 1 : letter.lines.front().number;
    for (const ClaimLine& line : letter.lines)
        if (line.number != number)
            number = 0;
    printer_.fontBold = true;
    printer_.fontSize = 18;
    paragraph(0, QStringLiteral("ขอทวงถามวารสาร/สิ่งพิมพ์ที่ยังไม่ได้รับ") +
                     (number > 0 ? QStringLiteral(" (%1)").arg(patterns::claimWording(number))
                                 : QString()));
    printer_.currentY += lineHeight() / 2;
    printer_.fontSize = 16;
    printer_.fontBold = false;
    paragraph(0, QStringLiteral("วันที่ ") + data::writeDate(today));
    paragraph(0, QStringLiteral("เรียน"));
    for (const QString& line : letter.agentAddress)
        paragraph(600, line);
    printer_.currentY += lineHeight() / 2;
    paragraph(0, QStringLiteral("รายการต่อไปนี้เลยกำหนดออกแล้วยังไม่ได้รับ กรุณาจัดส่งด้วย"));
    if (std::any_of(letter.lines.begin(), letter.lines.end(),
                    [](const ClaimLine& l) { return l.number >= patterns::kFinalClaim; }))
        paragraph(0, QStringLiteral("รายการที่ทวงถามครั้งสุดท้าย หากยังไม่ได้รับจะบันทึกว่าไม่ได้รับ"));
    printer_.currentY += lineHeight() / 2;

    printer_.fontSize = 14;
    int page = 1;
    headings(page);
    int n = 0;
    for (const ClaimLine& line : letter.lines) {
        const LateTitle& t = line.title;
        QStringList title{t.name, QStringLiteral("รหัส ") + t.pointer.trimmed()};
        if (!t.issn.trimmed().isEmpty())
            title.last() += QStringLiteral("  ISSN ") + issnShown(t.issn);
        if (!t.departmentName.trimmed().isEmpty())
            title << QStringLiteral("คณะ/หน่วยงาน ") + t.departmentName.trimmed();
        const std::vector<QStringList> cells{{QString::number(++n)},
                                             title,
                                             {t.yearno.isEmpty() ? QStringLiteral("-") : t.yearno},
                                             {t.issueno},
                                             {data::writeDate(t.expected)},
                                             {patterns::claimWording(line.number)}};
        if (printer_.currentY + entryHeight(cells) > printer_.printableHeight() &&
            printer_.currentY > 0) {
            printer_.newPage();
            printer_.currentY = 0;
            headings(++page);
        }
        entry(cells);
    }
}

void ClaimPrint::print(const ClaimSender& sender, const std::vector<ClaimLetter>& letters,
                       QDate today) {
    for (std::size_t i = 0; i < letters.size(); ++i) {
        if (i > 0)
            printer_.newPage();
        letter(sender, letters[i], today);
    }
    printer_.endDoc();
}

}  // namespace late
