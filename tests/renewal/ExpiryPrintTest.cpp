#include <gtest/gtest.h>

#include "renewal/ExpiryPrint.h"
#include "tests/support/Overprint.h"

using renewal::ExpiryLine;
using renewal::ExpiryPrint;
using Printed = ui::RecordingSurface::Printed;

namespace {

// The recording surface measures 20 twips a point: 16 point gives h = 320.
double lineY(int n) {
    return (320 + 30) * n + 700;
}

std::vector<ExpiryLine> lines(int n) {
    std::vector<ExpiryLine> out;
    for (int i = 1; i <= n; ++i)
        out.push_back({QStringLiteral("วารสาร %1").arg(i), QStringLiteral("15/02/2008"),
                       QStringLiteral("ฉบับที่ %1").arg(i), QString()});
    return out;
}

ui::RecordingSurface printList(int n) {
    ui::RecordingSurface surface;
    ExpiryPrint(surface).print(lines(n), QStringLiteral("01/01/2008"), QStringLiteral("31/03/2008"),
                               QDate(2008, 1, 5));
    return surface;
}

const Printed* find(const ui::RecordingSurface& s, const QString& text) {
    for (const Printed& p : s.printed)
        if (p.text == text)
            return &p;
    return nullptr;
}

int count(const ui::RecordingSurface& s, const QString& prefix) {
    int n = 0;
    for (const Printed& p : s.printed)
        n += p.text.startsWith(prefix);
    return n;
}

void expectAt(const Printed* p, int page, double x, double y, double size, bool bold,
              bool underline) {
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->page, page) << p->text.toStdString();
    EXPECT_EQ(p->x, x) << p->text.toStdString();
    EXPECT_EQ(p->y, y) << p->text.toStdString();
    EXPECT_EQ(p->fontName, "MS Sans Serif");
    EXPECT_EQ(p->fontSize, size) << p->text.toStdString();
    EXPECT_EQ(p->bold, bold) << p->text.toStdString();
    EXPECT_EQ(p->underline, underline) << p->text.toStdString();
}

}  // namespace

TEST(ExpiryPrint, EmptyListHasHeadingsAndAZeroTotal) {
    const ui::RecordingSurface s = printList(0);
    ASSERT_EQ(s.printed.size(), 8u);
    expectAt(find(s, "รายชื่อวารสารที่จะครบอายุสมาชิก"), 1, 4000, 700, 18, true, true);
    // The range line stands below the title, measured in the title font.
    expectAt(find(s, "ระหว่างวันที่  01/01/2008  ถึง  31/03/2008"), 1, 3850, 360 + 700 + 10, 16, true,
             false);
    // Each heading starts over its column; one too wide for it is set smaller.
    expectAt(find(s, "รายชื่อวารสาร"), 1, 1800, lineY(2), 16, true, false);
    expectAt(find(s, "ฉบับล่าสุด"), 1, 8000, lineY(2), 16, true, false);
    for (const auto& [heading, x] : {std::pair{"ลำดับที่", 250}, {"วันครบอายุสมาชิก", 6300}}) {
        const Printed* p = find(s, QString::fromUtf8(heading));
        ASSERT_NE(p, nullptr) << heading;
        EXPECT_EQ(p->x, x);
        EXPECT_EQ(p->y, lineY(2));
        EXPECT_TRUE(p->bold);
        EXPECT_LT(p->fontSize, 16);
        EXPECT_GE(p->fontSize, 8);
    }
    expectAt(find(s, "รวมทั้งสิ้น 0 รายชื่อ"), 1, 6500, lineY(4), 16, true, true);
    EXPECT_EQ(s.printed.back().text, "รวมทั้งสิ้น 0 รายชื่อ");
    EXPECT_TRUE(s.ended);
}

TEST(ExpiryPrint, TwentySevenLinesFitOnePageWithoutFooter) {
    const ui::RecordingSurface s = printList(27);
    EXPECT_EQ(s.page, 1);
    expectAt(find(s, " 1"), 1, 410, lineY(3), 16, false, false);
    expectAt(find(s, "วารสาร 1"), 1, 1100, lineY(3), 16, false, false);
    expectAt(find(s, "ฉบับที่ 1"), 1, 8000, lineY(3), 16, false, false);
    expectAt(find(s, " 27"), 1, 410, lineY(29), 16, false, false);
    expectAt(find(s, "วารสาร 27"), 1, 1100, lineY(29), 16, false, false);
    EXPECT_EQ(count(s, "15/02/2008"), 27);
    EXPECT_EQ(count(s, "วันที่พิมพ์"), 0);
    EXPECT_EQ(count(s, "หน้า"), 0);
    expectAt(find(s, "รวมทั้งสิ้น 27 รายชื่อ"), 1, 6500, lineY(31), 16, true, true);
}

TEST(ExpiryPrint, TwentyEightLinesFillPageOneAndTheTotalGoesOver) {
    const ui::RecordingSurface s = printList(28);
    EXPECT_EQ(s.page, 2);
    expectAt(find(s, " 28"), 1, 410, lineY(30), 16, false, false);
    expectAt(find(s, "15/02/2008"), 1, 6300, lineY(3), 16, false, false);
    // The footer is measured at 16 point, printed at 14.
    expectAt(find(s, "วันที่พิมพ์ 05/01/2008"), 1, 500, lineY(32), 14, false, false);
    expectAt(find(s, "หน้า 2"), 2, 10000, 500, 16, false, false);
    expectAt(find(s, "รวมทั้งสิ้น 28 รายชื่อ"), 2, 6500, lineY(2), 16, true, true);
    int onPageTwo = 0;
    for (const Printed& p : s.printed)
        onPageTwo += p.page == 2;
    EXPECT_EQ(onPageTwo, 2);
}

TEST(ExpiryPrint, TwentyNinthLineOpensPageTwo) {
    const ui::RecordingSurface s = printList(29);
    EXPECT_EQ(count(s, "วันที่พิมพ์"), 1);
    expectAt(find(s, "หน้า 2"), 2, 10000, 500, 16, false, false);
    expectAt(find(s, " 29"), 2, 410, lineY(1), 16, false, false);
    expectAt(find(s, "วารสาร 29"), 2, 1100, lineY(1), 16, false, false);
    expectAt(find(s, "ฉบับที่ 29"), 2, 8000, lineY(1), 16, false, false);
    expectAt(find(s, "รวมทั้งสิ้น 29 รายชื่อ"), 2, 6500, lineY(3), 16, true, true);
    EXPECT_EQ(count(s, "รายชื่อวารสารที่จะ"), 1);
    EXPECT_EQ(count(s, "ลำดับที่"), 1);
}

TEST(ExpiryPrint, LaterPagesHoldThirtyLinesAndFullOnesCarryTheFooter) {
    const ui::RecordingSurface s = printList(28 + 30 + 1);
    EXPECT_EQ(s.page, 3);
    expectAt(find(s, " 58"), 2, 410, lineY(30), 16, false, false);
    expectAt(find(s, " 59"), 3, 410, lineY(1), 16, false, false);
    expectAt(find(s, "หน้า 3"), 3, 10000, 500, 16, false, false);
    EXPECT_EQ(count(s, "วันที่พิมพ์"), 2);
    for (const Printed& p : s.printed) {
        if (p.text.startsWith("วันที่พิมพ์")) {
            EXPECT_LT(p.page, 3);
        }
    }
}

namespace {

// Titles and issues far longer than their columns, in Thai and in English.
std::vector<ExpiryLine> longLines(int n) {
    const QString names[] = {
        QStringLiteral("วารสารวิทยาศาสตร์และเทคโนโลยีเพื่อการพัฒนาชุมชนท้องถิ่นอย่างยั่งยืน "
                       "มหาวิทยาลัยราชภัฏ"),
        QStringLiteral("International Journal of Computational Methods in Engineering Science "
                       "and Mechanics"),
        QStringLiteral("Nature")};
    const QString issues[] = {
        QStringLiteral("ปีที่ 45 ฉบับที่ 12 (ตุลาคม-ธันวาคม 2569) ฉบับพิเศษเฉลิมพระเกียรติ"),
        QStringLiteral("Vol. 118, No. 4, Supplement: Proceedings of the Annual Meeting"),
        QString()};
    std::vector<ExpiryLine> out;
    for (int i = 0; i < n; ++i)
        out.push_back({names[i % 3], QStringLiteral("31/12/2026"), issues[i % 3], QString()});
    return out;
}

}  // namespace

TEST(ExpiryPrint, LongTitlesAndIssuesStayInTheirColumnsOnAnyPage) {
    for (const auto& [width, height] : {std::pair{11186.0, 16118.0}, {9500.0, 9000.0}}) {
        ui::RecordingSurface s;
        s.width = width;
        s.height = height;
        ExpiryPrint(s).print(longLines(65), QStringLiteral("01/12/2026"),
                             QStringLiteral("31/01/2027"), QDate(2026, 12, 8));
        testing_support::expectNothingOverprints(s);
        const Printed* name = find(s, QStringLiteral("Nature"));
        ASSERT_NE(name, nullptr);
        for (const Printed& p : s.printed) {
            if (p.x == 1100 || p.x == 8000) {
                EXPECT_TRUE(p.text.isEmpty() || p.text == "Nature" ||
                            p.text.endsWith(QStringLiteral("…")) ||
                            p.text == QStringLiteral("ฉบับล่าสุด"))
                    << p.text.toStdString();
            }
        }
    }
}

TEST(ExpiryPrint, AShortPageHoldsFewerLinesAndKeepsItsFooter) {
    ui::RecordingSurface s;
    s.height = 9000;  // 16-point lines 350 apart: line 20 is the last with room for the footer
    ExpiryPrint(s).print(lines(40), QStringLiteral("01/01/2008"), QStringLiteral("31/03/2008"),
                         QDate(2008, 1, 5));
    EXPECT_EQ(s.page, 3);
    expectAt(find(s, " 18"), 1, 410, lineY(20), 16, false, false);
    expectAt(find(s, " 19"), 2, 410, lineY(1), 16, false, false);
    expectAt(find(s, " 38"), 2, 410, lineY(20), 16, false, false);
    expectAt(find(s, " 39"), 3, 410, lineY(1), 16, false, false);
    EXPECT_EQ(count(s, "วันที่พิมพ์"), 2);
    for (const Printed& p : s.printed)
        if (p.text.startsWith("วันที่พิมพ์")) {
            EXPECT_EQ(p.y, lineY(22));
            EXPECT_LE(p.y + 14 * 20, s.height);
        }
    expectAt(find(s, "รวมทั้งสิ้น 40 รายชื่อ"), 3, 6500, lineY(4), 16, true, true);
}
