#include <gtest/gtest.h>

#include <QFile>

#include "data/DatabaseFile.h"
#include "data/Migrations.h"
#include "late/ClaimReport.h"
#include "late/LateIssues.h"
#include "patterns/ClaimLadder.h"
#include "patterns/ExpectedIssueProposal.h"
#include "patterns/PatternRecords.h"
#include "settings/UnitName.h"
#include "tests/late/LateFixture.h"
#include "tests/renewal/FakePrinting.h"
#include "tests/support/PdfText.h"
#include "ui/Fakes.h"
#include "ui/Grid.h"
#include "ui/qt/QtPrinting.h"

using patterns::ClaimState;
using testing_support::withoutMarks;

namespace {

const QDate kToday(2026, 12, 8);
const QString kThaiTitle = QStringLiteral("วารสารวิทยาศาสตร์และเทคโนโลยีเพื่อการพัฒนาท้องถิ่นภาคเหนือตอนบน");

}  // namespace

TEST(ClaimLadder, CountsIntervalsSameDayReprintAndTheFinalClaim) {
    struct Case {
        const char* what;
        int count, lastDaysAgo;
        const char* reason;
        bool offered;
        int number;
        bool counted, mayGiveUp;
    };
    const Case cases[] = {
        {"never claimed", 0, -1, "", true, 1, true, false},
        {"printed again the same day", 1, 0, "", true, 1, false, false},
        {"before the interval", 1, 29, "", false, 0, false, false},
        {"on the interval's day", 1, 30, "", true, 2, true, false},
        {"second, then the interval", 2, 45, "", true, 3, true, false},
        {"final printed again that day", 3, 0, "", true, 3, false, true},
        {"after the final claim", 3, 90, "", false, 0, false, true},
        {"given up", 3, 90, "ชื่อเรื่องเลิกพิมพ์", false, 0, false, false},
    };
    for (const Case& c : cases) {
        ClaimState state;
        state.count = c.count;
        if (c.lastDaysAgo >= 0)
            state.first = state.last = kToday.addDays(-c.lastDaysAgo);
        state.notReceivedReason = QString::fromUtf8(c.reason);
        const patterns::ClaimStep step = patterns::nextClaim(state, kToday, 30);
        EXPECT_EQ(step.offered, c.offered) << c.what;
        EXPECT_EQ(step.number, c.number) << c.what;
        EXPECT_EQ(step.counted, c.counted) << c.what;
        EXPECT_EQ(patterns::mayMarkNotReceived(state), c.mayGiveUp) << c.what;
        const ClaimState after = patterns::afterClaim(state, step, kToday, "1");
        EXPECT_EQ(after.count, c.count + (c.counted ? 1 : 0)) << c.what;
        if (c.counted) {
            EXPECT_EQ(after.last, kToday) << c.what;
        }
    }
    EXPECT_EQ(patterns::claimWording(1), QStringLiteral("ทวงถามครั้งแรก"));
    EXPECT_EQ(patterns::claimWording(2), QStringLiteral("ทวงถามครั้งที่สอง"));
    EXPECT_EQ(patterns::claimWording(3), QStringLiteral("ทวงถามครั้งสุดท้าย"));
}

namespace {

struct ClaimLadderDesk : ::testing::Test, late_testing::Desk {
    ui::FakeMessageBox box;
    ui::FixedClock clock{kToday};
    ui::RecordingOpener opener;
    QString newdealer;
    renewal_test::FakePrinting printing;
    ui::Services services{temp.path(), box, clock, opener, newdealer, &printing};

    // J1: a monthly title with a pattern from agent 1, its issues of
    // September to November overdue; J2: no pattern, from agent 2.
    void seed() {
        live("J1", "04", kToday, "1");
        temp.db().exec("UPDATE vorlen1 SET vorlen_name = ?, issn = '03178471' WHERE pointer = 'J1'",
                       {kThaiTitle});
        patterns::PublicationPattern p;
        p.knownDate = QDate(2026, 8, 1);
        p.knownVolume = 3;
        p.knownIssue = 8;
        patterns::PatternRecords(temp.db()).save("J1", {p, false});
        temp.db().exec(
            "INSERT INTO tranfile (magno, department_code, pointer, receivedate, daily,"
            " yearno, issueno) VALUES ('1', '01', 'J1', '02/08/2026', '01/08/2026', '3', '8')");
        live("J2", "04", kToday, "2");
        issue("J2", "01", kToday.addDays(-70));
        settings::writeDeskName(temp.db(), QStringLiteral("งานวารสาร"));
    }
    int count(const QString& pointer) {
        return temp.db()
            .first("SELECT coalesce(max(claim_count), 0) FROM issue_claim WHERE pointer = ?",
                   {pointer})
            ->value(0)
            .toInt();
    }
    QString printedText() const {
        QString all;
        for (const auto& p : printing.printed)
            all += p.text + u'\n';
        return all;
    }
};

}  // namespace

TEST_F(ClaimLadderDesk, LettersClimbTheLadderAndTheFinalClaimCanBeGivenUp) {
    seed();
    late::LateIssues w(services);
    ASSERT_TRUE(w.Form_Load());
    ASSERT_EQ(w.listed().size(), 5) << "J1's issues 9 to 12 and J2";
    w.everyAgentOption.click();
    printing.chosenPath = temp.folder() + "/claims.pdf";
    w.claimPdfButton.click();
    EXPECT_TRUE(box.last().text.startsWith(QStringLiteral("ทวงถาม 5 ฉบับ ถึงตัวแทน 2 ราย")));
    QString text = printedText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("ศูนย์วิทยบริการ\nงานวารสาร\n")));
    EXPECT_EQ(text.count(QStringLiteral("ขอทวงถามวารสาร/สิ่งพิมพ์ที่ยังไม่ได้รับ (ทวงถามครั้งแรก)")), 2)
        << "a letter per agent";
    EXPECT_LT(text.indexOf(QStringLiteral("ฉบับถัดจาก")),
              text.indexOf(QStringLiteral("ชื่อ J2")) + 200);
    EXPECT_EQ(count("J1"), 1);
    EXPECT_EQ(count("J2"), 1);
    // Printed again the same day: the same claim, not counted again.
    w.claimPdfButton.click();
    EXPECT_EQ(count("J1"), 1);
    EXPECT_TRUE(printedText().contains(QStringLiteral("(ทวงถามครั้งแรก)")));

    // Before the interval nothing is offered; then the second and final.
    clock.set(kToday.addDays(10));
    w.showButton.click();
    w.claimPdfButton.click();
    EXPECT_TRUE(box.last().text.startsWith(QStringLiteral("ไม่มีรายการที่ทวงถามได้ในวันนี้")))
        << box.last().text.toStdString();
    const std::pair<int, const char*> rungs[] = {{31, "ทวงถามครั้งที่สอง"}, {62, "ทวงถามครั้งสุดท้าย"}};
    for (const auto& [days, wording] : rungs) {
        clock.set(kToday.addDays(days));
        w.showButton.click();
        w.everyAgentOption.click();
        w.claimPdfButton.click();
        EXPECT_TRUE(printedText().contains(QString::fromUtf8(wording))) << wording;
    }
    EXPECT_EQ(count("J1"), 3);
    // Past the final claim only the issues due since are claimed.
    clock.set(kToday.addDays(93));
    w.showButton.click();
    w.claimPdfButton.click();
    EXPECT_FALSE(printedText().contains(QStringLiteral("01/09/2026")));
    EXPECT_TRUE(printedText().contains(QStringLiteral("01/01/2027")));
    EXPECT_EQ(count("J1"), 3);

    // After the final claim an issue is given up, with a reason.
    int row = 0;
    while (w.listed().title(row).pointer != "J1")
        ++row;
    const late::LateTitle givenUp = w.listed().title(row);
    EXPECT_TRUE(w.lateList.textMatrix(row + 1, late::column::claims).startsWith("ทวงถาม 3 ครั้ง"));
    w.lateList.click(row + 1, 0);
    ASSERT_TRUE(w.notReceivedButton.enabled());
    w.notReceivedButton.click();
    EXPECT_EQ(box.last().text, QStringLiteral("กรุณาระบุเหตุผลที่ไม่ได้รับ"));
    w.reasonText.setText(QStringLiteral("ตัวแทนแจ้งว่าหมด"));
    w.notReceivedButton.click();
    w.listed().forEach([&](const late::LateTitle& t) {
        EXPECT_FALSE(t.pointer == "J1" && t.number == givenUp.number) << "no longer late";
    });

    // The registration window's list shows the claims beside the status.
    patterns::ExpectedIssueProposal expected(temp.db(), "J1", "01", clock.today());
    ui::Grid grid{"grid", 1, 4};
    expected.showIn(grid);
    bool shown = false;
    for (int r = 1; r < grid.rows(); ++r)
        if (grid.textMatrix(r, 1) == QString::number(givenUp.number)) {
            EXPECT_EQ(grid.textMatrix(r, 3), QStringLiteral("ไม่ได้รับ"));
            EXPECT_TRUE(grid.textMatrix(r, 4).endsWith(QStringLiteral("ไม่ได้รับ: ตัวแทนแจ้งว่าหมด")));
            shown = true;
        }
    EXPECT_TRUE(shown);
}

TEST_F(ClaimLadderDesk, TheReportWritesEachAgentsLetterWholeAndCountsTheClaims) {
    seed();
    ui::qt::QtPrinting printer;
    late::ClaimReport report(temp.db(), printer);
    EXPECT_FALSE(report.write({}, kToday, temp.folder() + "/claims.txt").ok);
    const auto result = report.write({}, kToday, temp.folder() + "/claims.pdf");
    ASSERT_TRUE(result.ok) << result.message.toStdString();
    EXPECT_EQ(result.claimed, 5);
    // In drawing order, so a wrapped title reads on.
    const QStringList letters =
        withoutMarks(testing_support::pdfText(temp.folder() + "/claims.pdf", {"-raw"}))
            .split(withoutMarks(QStringLiteral("ขอทวงถามวารสาร")));
    ASSERT_EQ(letters.size(), 3) << "the sender, then a letter per agent";
    const QString& first = letters[1];
    const QString& second = letters[2];
    EXPECT_TRUE(first.contains(withoutMarks(kThaiTitle))) << "the whole title, shaped";
    EXPECT_TRUE(first.contains("0317-8471"));
    for (const char* issue : {"01/09/2026", "01/10/2026", "01/11/2026", "01/12/2026"})
        EXPECT_TRUE(first.contains(issue)) << issue;
    EXPECT_FALSE(first.contains(withoutMarks(QStringLiteral("ชื่อ J2"))));
    EXPECT_TRUE(second.contains(withoutMarks(QStringLiteral("ชื่อ J2"))));
    EXPECT_FALSE(second.contains(withoutMarks(kThaiTitle)));
    EXPECT_EQ(count("J1"), 1);

    // The CSV of the same day repeats the letters without counting them.
    const auto csv = report.write({}, kToday, temp.folder() + "/claims.csv");
    ASSERT_TRUE(csv.ok);
    QFile file(temp.folder() + "/claims.csv");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList rows = QString::fromUtf8(file.readAll()).split("\r\n", Qt::SkipEmptyParts);
    EXPECT_EQ(rows.size(), 6);
    EXPECT_TRUE(rows[1].contains(QStringLiteral(",3,9,01/09/2026,1,ทวงถามครั้งแรก")));
    EXPECT_EQ(count("J1"), 1);
}

TEST_F(ClaimLadderDesk, AnEarlierFileOrServerGetsTheClaimsTable) {
    temp.db().exec("DROP TABLE issue_claim");
    if (temp.db().isPostgres())
        temp.db().exec("UPDATE schema_version SET version = ?", {data::kClaimsVersion - 1});
    else
        temp.db().exec(
            QByteArray("PRAGMA user_version = " + QByteArray::number(data::kClaimsVersion - 1))
                .constData());
    temp.reopen();
    ASSERT_TRUE(data::prepareDatabase(temp.path()));
    EXPECT_EQ(data::fileVersion(temp.db()).userVersion, data::kSchemaVersion);
    seed();
    late::LateIssues w(services);
    ASSERT_TRUE(w.Form_Load());
    w.everyAgentOption.click();
    w.claimButton.click();
    EXPECT_EQ(count("J1"), 1);
}
