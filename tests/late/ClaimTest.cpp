#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include "late/ClaimPrint.h"
#include "late/LateCsv.h"
#include "late/LateIssues.h"
#include "settings/UnitName.h"
#include "tests/late/LateFixture.h"
#include "tests/renewal/FakePrinting.h"
#include "tests/support/Overprint.h"
#include "ui/Fakes.h"

using Printed = ui::RecordingSurface::Printed;

namespace {

const QDate kToday(2026, 12, 8);

late::LateTitle title(int n, const QString& name) {
    late::LateTitle t;
    t.pointer = QStringLiteral("J%1").arg(n, 6, 10, QLatin1Char('0'));
    t.name = name;
    t.lastIssue = QStringLiteral("ปีที่ 3 ฉบับที่ %1").arg(n);
    t.lastReceived = QStringLiteral("01/10/2026");
    t.expected = QDate(2026, 10, 31);
    t.daysLate = 38;
    return t;
}

}  // namespace

TEST(Claim, EachTitlePrintsWholeWithItsKeyUnderTheSenderOnPagesThatNeverOverprint) {
    const QString shared = QStringLiteral("ข่าวสารวิศวกรรมภาคเหนือเพื่อการพัฒนาอุตสาหกรรมท้องถิ่นที่ยั่งยืน");
    std::vector<late::LateTitle> titles;
    for (int n = 1; n <= 70; ++n) {
        late::LateTitle t =
            title(n, n % 2 ? shared + QStringLiteral(" ฉบับที่ %1 ของภาคพื้น").arg(n) : "Short");
        t.issn = QStringLiteral("03178471");
        t.departmentName = QStringLiteral("คณะครุศาสตร์");
        titles.push_back(t);
    }
    titles[1].lastIssue.clear();
    titles[1].lastReceived.clear();
    // One title claimed for a second faculty names the faculty of each copy.
    titles[3].pointer = titles[2].pointer;
    titles[3].departmentName = QStringLiteral("คณะวิทยาการจัดการ");
    const late::ClaimSender sender{QStringLiteral("ศูนย์วิทยบริการ มหาวิทยาลัยราชภัฏ"),
                                   QStringLiteral("งานวารสารและสิ่งพิมพ์ต่อเนื่อง"),
                                   QStringLiteral("123 ถนนห้วยแก้ว อำเภอเมือง จังหวัดเชียงใหม่ 50200")};
    late::ClaimLetter letter{
        QStringLiteral("1"),
        QStringLiteral("บริษัท ดวงกมลสมัย จำกัด"),
        {QStringLiteral("บริษัท ดวงกมลสมัย จำกัด"), QStringLiteral("123 ถนนพหลโยธิน")},
        {}};
    for (const late::LateTitle& t : titles)
        letter.lines.push_back({t, 1});
    for (const auto& [width, height] : {std::pair{11186.0, 16118.0}, {9000.0, 8000.0}}) {
        ui::RecordingSurface s;
        s.width = width;
        s.height = height;
        late::ClaimPrint(s).print(sender, {letter}, kToday);
        ASSERT_TRUE(s.ended);
        EXPECT_GT(s.page, 1);
        testing_support::expectNothingOverprints(s);
        // Wrapped lines read on as one text, without the spaces they broke at.
        QStringList texts;
        QString all;
        for (const Printed& p : s.printed) {
            texts << p.text;
            all += QString(p.text).remove(u' ');
            EXPECT_FALSE(p.text.endsWith(QStringLiteral("…"))) << p.text.toStdString();
        }
        const auto at = [&all](const QString& text) {
            return all.indexOf(QString(text).remove(u' '));
        };
        EXPECT_EQ(at(sender.unitName), 0) << "the sender heads the letter";
        EXPECT_LT(at(sender.deskName), at(sender.address));
        EXPECT_LT(at(sender.address), at(QStringLiteral("ขอทวงถาม")));
        EXPECT_LT(at(QStringLiteral("บริษัท ดวงกมลสมัย จำกัด")), at(QStringLiteral("รายการต่อไปนี้")));
        for (int n = 1; n <= 70; n += 2)
            EXPECT_GE(at(shared + QStringLiteral(" ฉบับที่ %1 ของภาคพื้น").arg(n)), 0) << n;
        EXPECT_GE(at(QStringLiteral("รหัส J000070  ISSN 0317-8471")), 0);
        EXPECT_GE(at(QStringLiteral("คณะ/หน่วยงาน คณะวิทยาการจัดการ")), 0);
        EXPECT_EQ(all.count(QStringLiteral("คณะ/หน่วยงานคณะครุศาสตร์")), 69);
        EXPECT_TRUE(texts.contains(QStringLiteral("70")));
        EXPECT_GE(at(QStringLiteral("31/10/2026")), 0);
    }
}

TEST(Claim, TheCsvOpensInASpreadsheetWithTheThaiIntact) {
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    ASSERT_TRUE(late::writeLateCsv(late::LateList(), out));
    ASSERT_TRUE(out.data().startsWith("\xEF\xBB\xBF"));
    EXPECT_TRUE(
        QString::fromUtf8(out.data().mid(3)).startsWith(QStringLiteral("รหัส,ชื่อวารสาร/สิ่งพิมพ์,")));
    EXPECT_TRUE(out.data().endsWith("\r\n"));
    EXPECT_EQ(QString::fromUtf8(late::csvLine({"J000002", QStringLiteral("ข่าว, \"พิเศษ\""), "=1+1",
                                               QStringLiteral("ปีที่ 3 ฉบับที่ 2")})),
              QStringLiteral("J000002,\"ข่าว, \"\"พิเศษ\"\"\",'=1+1,ปีที่ 3 ฉบับที่ 2\r\n"));

    // Every start a spreadsheet reads as a formula gets the apostrophe.
    for (const QString lead : {"=", "+", "-", "@", "\t", "\r"}) {
        const QString row =
            QString::fromUtf8(late::csvLine({"J1", lead + QStringLiteral("=HYPERLINK(\"x\")")}));
        EXPECT_TRUE(row.contains(",'" + lead) || row.contains(",\"'" + lead)) << row.toStdString();
    }
}

namespace {

struct ClaimWindow : ::testing::Test, late_testing::Desk {
    ui::FakeMessageBox box;
    ui::FixedClock clock{kToday};
    ui::RecordingOpener opener;
    QString newdealer;
    renewal_test::FakePrinting printing;
    ui::Services services{temp.path(), box, clock, opener, newdealer, &printing};

    void seed() {
        temp.db().exec(
            "UPDATE dealer SET Publisher_Address1 = 'ถนนพระราม 4' WHERE Publisher_Code = '2'");
        live("J1", "04", kToday, "1");
        issue("J1", "01", kToday.addDays(-60));
        live("J2", "04", kToday, "2");
        issue("J2", "01", kToday.addDays(-70), QStringLiteral("ฉบับตุลาคม"));
        live("K1", "01", kToday, "2");
    }
    QStringList printedTexts() const {
        QStringList out;
        for (const Printed& p : printing.printed)
            out << p.text;
        return out;
    }
};

}  // namespace

TEST_F(ClaimWindow, TheClaimGoesToOneAgentAndTheListToCsv) {
    seed();
    settings::writeUnitAddress(temp.db(), QStringLiteral("ถนนห้วยแก้ว เชียงใหม่"));
    late::LateIssues w(services);
    ASSERT_TRUE(w.Form_Load());
    ASSERT_EQ(w.lateList.total(), 3);

    // The agent of the chosen row, all of that agent's late titles.
    int row = 0;
    while (w.listed().title(row).pointer != "J2")
        ++row;
    w.lateList.click(row + 1, 0);
    w.claimButton.click();
    EXPECT_EQ(printing.opened, QStringList({"printer"}));
    QStringList texts = printedTexts();
    EXPECT_TRUE(texts.contains(QStringLiteral("บริษัท มติชน จำกัด (มหาชน)")));
    EXPECT_TRUE(texts.contains(QStringLiteral("ถนนพระราม 4")));
    EXPECT_TRUE(texts.contains(QStringLiteral("ชื่อ J2")));
    EXPECT_TRUE(texts.contains(QStringLiteral("ชื่อ K1")));
    EXPECT_FALSE(texts.contains(QStringLiteral("ชื่อ J1")));
    EXPECT_EQ(texts.first(), QStringLiteral("ศูนย์วิทยบริการ")) << "the unit name heads it";
    EXPECT_TRUE(texts.contains(QStringLiteral("ถนนห้วยแก้ว เชียงใหม่")));

    // The agent filtered on wins over the row; the PDF goes where the user says.
    w.agentFilter.userChoose(1);
    printing.chosenPath = temp.folder() + "/claim.pdf";
    w.claimPdfButton.click();
    EXPECT_EQ(printing.opened.last(), temp.folder() + "/claim.pdf");
    EXPECT_EQ(box.last().style, ui::msg::kInformation);
    texts = printedTexts();
    EXPECT_TRUE(texts.contains(QStringLiteral("ชื่อ J1")));
    EXPECT_FALSE(texts.contains(QStringLiteral("ชื่อ J2")));

    // No printer: the PDF is offered; a refusing printer is reported.
    printing.hasPrinter = false;
    box.queue(ui::msg::kCancel);
    const int opened = printing.opened.size();
    w.claimButton.click();
    EXPECT_EQ(printing.opened.size(), opened);
    printing.hasPrinter = true;
    printing.refuse = true;
    w.claimButton.click();
    EXPECT_EQ(box.last().text, QStringLiteral("เครื่องพิมพ์ไม่รับงานพิมพ์"));

    const QString csvPath = temp.folder() + "/late.csv";
    w.askCsvPath = [&](const QString&) { return std::optional<QString>(csvPath); };
    w.csvButton.click();
    QFile file(csvPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QBuffer written;
    written.open(QIODevice::WriteOnly);
    ASSERT_TRUE(late::writeLateCsv(w.listed(), written));
    EXPECT_EQ(file.readAll(), written.data());
    w.askCsvPath = [&](const QString&) {
        return std::optional<QString>(temp.folder() + "/missing/late.csv");
    };
    w.csvButton.click();
    EXPECT_EQ(box.last().style, ui::msg::kStop);
}

TEST_F(ClaimWindow, AClaimNeedsAnAgent) {
    seed();
    late::LateIssues w(services);
    ASSERT_TRUE(w.Form_Load());
    w.lateList.setRow(0);
    w.claimButton.click();
    EXPECT_EQ(box.last().style, ui::msg::kStop);
    EXPECT_TRUE(printing.opened.isEmpty());
}
