#include <gtest/gtest.h>

#include "catalogue/NewJournal.h"
#include "holdings/HoldingsStatement.h"
#include "issues/reg_journal.h"
#include "patterns/PatternRecords.h"
#include "search/SearchJournal.h"
#include "tests/issues/IssueFixture.h"
#include "tests/support/TempDatabase.h"
#include "ui/Fakes.h"

using holdings::Labels;
using patterns::RegisteredNumbers;

namespace {

// Registered issues: every number of volumes `from` to `to` (12 a volume)
// but those in `missing` ("2/5": volume 2, issue 5).
std::vector<RegisteredNumbers> issuesOf(int from, int to, const QStringList& missing = {},
                                        int perVolume = 12) {
    std::vector<RegisteredNumbers> out;
    for (int v = from; v <= to; ++v)
        for (int i = 1; i <= perVolume; ++i)
            if (!missing.contains(QStringLiteral("%1/%2").arg(v).arg(i)))
                out.push_back({QString::number(v), QString::number(i)});
    return out;
}

patterns::PublicationPattern monthly(QDate known, int startMonth) {
    patterns::PublicationPattern p;
    p.frequency = patterns::Frequency::Monthly;
    p.knownDate = known;
    p.volumeStartMonth = startMonth;
    return p;
}

QString withPattern(const patterns::PublicationPattern& p,
                    const std::vector<RegisteredNumbers>& registered, QDate today,
                    Labels labels = Labels::English) {
    return holdings::holdingsStatement(p, patterns::expectedIssues(p, registered, {}, today),
                                       registered, labels);
}

TEST(HoldingsStatement, MonthlyTitleWithPattern) {
    const auto jan2001 = monthly({2001, 1, 1}, 1);
    auto combined = jan2001;
    combined.combinedIssues = {7};
    std::vector<RegisteredNumbers> combinedHeld = issuesOf(1, 3, {"2/7", "2/8"});
    combinedHeld.push_back({"1", "7/8"});
    const QDate endOf2003{2003, 12, 31};
    auto fromVolume3 = monthly({2003, 1, 1}, 1);
    fromVolume3.knownVolume = 3;
    const struct {
        const char* name;
        patterns::PublicationPattern pattern;
        std::vector<RegisteredNumbers> held;
        QDate today;
        Labels labels;
        const char* statement;
    } cases[] = {
        {"complete", jan2001, issuesOf(1, 3), endOf2003, Labels::English, "v.1 (2001)-v.3 (2003)"},
        {"complete in Thai", jan2001, issuesOf(1, 3), endOf2003, Labels::Thai,
         "ปีที่ 1 (2544) - ปีที่ 3 (2546)"},
        {"gap at the start", jan2001, issuesOf(1, 3, {"1/1", "1/2"}), endOf2003, Labels::English,
         "v.1 (2001)-v.3 (2003); wanting v.1 no.1-2"},
        {"gaps in the middle", jan2001, issuesOf(1, 3, {"2/5", "2/9", "2/10"}), endOf2003,
         Labels::Thai, "ปีที่ 1 (2544) - ปีที่ 3 (2546); ขาด ปีที่ 2 ฉบับที่ 5, 9-10"},
        {"gap at the end", jan2001, issuesOf(1, 3, {"3/11", "3/12"}), endOf2003, Labels::English,
         "v.1 (2001)-v.3 (2003); wanting v.3 no.11-12"},
        {"a whole volume", jan2001, issuesOf(1, 1), endOf2003, Labels::English,
         "v.1 (2001)-v.3 (2003); wanting v.2, v.3"},
        {"first volumes never taken", jan2001, issuesOf(2, 3), endOf2003, Labels::English,
         "v.2 (2002)-v.3 (2003)"},
        {"combined issue", combined, combinedHeld, endOf2003, Labels::English,
         "v.1 (2001)-v.3 (2003); wanting v.2 no.7/8"},
        {"volume from July", monthly({2001, 7, 1}, 7), issuesOf(1, 3), QDate(2004, 6, 30),
         Labels::English, "v.1 (2001/2002)-v.3 (2003/2004)"},
        {"one volume in progress", jan2001, issuesOf(1, 1, {}, 5), QDate(2001, 5, 20), Labels::Thai,
         "ปีที่ 1 (2544)"},
        {"nothing came", jan2001, {}, endOf2003, Labels::English, "none held"},
        // The pattern set from a later issue: what came before it is held too.
        {"held before the pattern", fromVolume3, issuesOf(1, 3, {"1/5"}), endOf2003,
         Labels::English, "v.1-v.2; wanting v.1 no.5; v.3 (2003)"},
        {"only before the pattern", fromVolume3, issuesOf(1, 2), QDate(2002, 12, 31), Labels::Thai,
         "ปีที่ 1 - ปีที่ 2"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(withPattern(c.pattern, c.held, c.today, c.labels), QString::fromUtf8(c.statement))
            << c.name;
}

TEST(HoldingsStatement, TitleWithoutPattern) {
    std::vector<RegisteredNumbers> gaps = issuesOf(1, 1, {"1/1", "1/2"});
    gaps.push_back({"2", "1"});
    gaps.push_back({"2", "4"});
    gaps.push_back({"4", "1-2"});
    const struct {
        const char* name;
        std::vector<RegisteredNumbers> held;
        Labels labels;
        const char* statement;
    } cases[] = {
        {"numbers", issuesOf(1, 2), Labels::Thai, "ปีที่ 1 - ปีที่ 2"},
        {"gaps", gaps, Labels::English, "v.1-v.4; wanting v.2 no.2-3, v.3"},
        {"year as text", {{"2551", "1"}, {"พิเศษ", "1"}, {"2551", "2"}}, Labels::Thai, "3 ฉบับ"},
        {"issue as text", {{"1", "ฉบับพิเศษ"}}, Labels::English, "1 issues"},
        {"none", {}, Labels::Thai, "ยังไม่ได้รับ"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(holdings::holdingsStatement(c.held, c.labels), QString::fromUtf8(c.statement))
            << c.name;
}

// The stored subscription: its pattern, its own faculty's issues and the
// title's language.
TEST(HoldingsStatement, ReadFromTheStore) {
    testing_support::TempDatabase temp;
    data::Database& db = temp.db();
    issues_test::addTitle(db, "J000001", "Nature", {"01", "02"});
    issues_test::addTitle(db, "J000002", "วารสารไทย", {"01"});
    db.exec("UPDATE vorlen1 SET language_code = '02' WHERE pointer = 'J000001'");
    patterns::PatternRecords(db).save("J000001", {monthly({2008, 1, 1}, 1), false});
    for (const auto& [magno, pointer, dept, issue] : {std::tuple{"1", "J000001", "01", "1"},
                                                      {"2", "J000001", "01", "3"},
                                                      {"3", "J000002", "01", "1"},
                                                      {"4", "J000002", "01", "2"}})
        db.exec(
            "INSERT INTO tranfile (magno, department_code, pointer, receivedate, daily, yearno, "
            "issueno, descriptionitem) VALUES (?, ?, ?, '', '', '1', ?, '')",
            {magno, dept, pointer, issue});
    const holdings::HoldingsStatement holdings(db);
    const QDate today{2008, 3, 15};
    EXPECT_EQ(holdings.of("J000001", "01", today), "v.1 (2008); wanting v.1 no.2");
    EXPECT_EQ(holdings.of("J000002", "01", today), QStringLiteral("ปีที่ 1"));
    EXPECT_EQ(holdings.ofTitle("J000001", today).count(u'|'), 1);

    // The title, registration and search windows show it.
    db.exec("DELETE FROM vorlen WHERE pointer = 'J000001' AND department_code = '02'");
    ui::FakeMessageBox box;
    ui::FixedClock clock{today};
    ui::RecordingOpener opener;
    QString newdealer;
    ui::Services services{temp.path(), box, clock, opener, newdealer};
    const QString shown = QStringLiteral("ฉบับที่มี: v.1 (2008); wanting v.1 no.2");
    catalogue::NewJournal title(services);
    ASSERT_TRUE(title.Form_Load());
    title.showTitle("J000001");
    EXPECT_EQ(title.holdingsLabel.caption(), shown);
    issues::reg_journal registration(services);
    ASSERT_TRUE(registration.Form_Load());
    registration.showTitle("J000001", "Nature", "01", "");
    EXPECT_EQ(registration.holdingsLabel.caption(), shown);
    search::SearchJournal search(services);
    ASSERT_TRUE(search.Form_Load());
    search.findText.setText("J000001");
    search.findButton_Click();
    EXPECT_EQ(search.holdingsLabel.caption(), shown);
}

}  // namespace
