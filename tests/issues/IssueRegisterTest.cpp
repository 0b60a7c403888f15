#include <gtest/gtest.h>

#include "data/DbError.h"
#include "issues/IssueRegister.h"
#include "issues/IssueSource.h"
#include "issues/TitleFinder.h"
#include "issues/TitleMatchSource.h"
#include "tests/issues/IssueFixture.h"
#include "tests/support/TempDatabase.h"

using namespace issues;
using namespace issues_test;

namespace {

class IssueRegisterTest : public ::testing::Test {
  protected:
    void SetUp() override { addTitle(db, "J000001", "x", {"02"}); }

    testing_support::TempDatabase temp;
    data::Database& db = temp.db();
    IssueRegister reg{db};

    IssueRow issue(const QString& magno) {
        return {magno,
                QStringLiteral("02"),
                QStringLiteral("J000001"),
                "02/03/2008",
                "01/02/2008",
                "12",
                "3",
                QStringLiteral("ฉบับพิเศษ")};
    }
    QStringList numbersOf(const QString& pointer) {
        QStringList out;
        for (const IssueRow& r : reg.issuesOf(pointer))
            out << r.magno;
        return out;
    }
};

TEST(IssueNumber, AdvancesByTheLeadingNumberAndNeverWraps) {
    EXPECT_EQ(IssueRegister::advancedNumber("125"), "126");
    EXPECT_EQ(IssueRegister::advancedNumber("0125"), "126");
    EXPECT_EQ(IssueRegister::advancedNumber("12A"), "13");
    EXPECT_EQ(IssueRegister::advancedNumber("  41"), "42");
    EXPECT_EQ(IssueRegister::advancedNumber("999"), "1000");
    EXPECT_EQ(IssueRegister::advancedNumber("9223372036854775806"), "9223372036854775807");
    for (const char* stuck :
         {"", "   ", "A12", "-5", "\t12", "9223372036854775807", "99999999999999999999999"})
        EXPECT_EQ(IssueRegister::advancedNumber(stuck), std::nullopt) << stuck;
}

TEST_F(IssueRegisterTest, AddingStoresTheOfferedNumberAndAdvancesTheCounter) {
    setCounter(db, "125");
    EXPECT_EQ(reg.nextNumber(), "125");
    EXPECT_EQ(counter(db), "125");  // reading reserves nothing
    EXPECT_EQ(reg.addIssue(issue("125")), "125");
    EXPECT_EQ(counter(db), "126");
    const auto row = db.first("SELECT * FROM tranfile");
    ASSERT_TRUE(row);
    const QStringList expected = {"125",        "02", "J000001", "02/03/2008",
                                  "01/02/2008", "12", "3",       QStringLiteral("ฉบับพิเศษ")};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(row->text(i), expected[i]) << i;

    setCounter(db, "0125");
    EXPECT_EQ(reg.addIssue(issue("0125")), "0125");
    EXPECT_EQ(counter(db), "126");
}

TEST_F(IssueRegisterTest, ACounterThatCannotAdvanceRefusesTheIssueAndWritesNothing) {
    for (const char* stuck : {"X9", "", "9223372036854775807"}) {
        setCounter(db, stuck);
        EXPECT_THROW(reg.addIssue(issue(stuck)), issues::CounterExhausted) << stuck;
        EXPECT_EQ(issueCount(db), 0);
        EXPECT_EQ(counter(db), stuck);
    }
}

TEST_F(IssueRegisterTest, AddingTakesTheCurrentNumberWhenAnotherProgramTookTheOfferedOne) {
    setCounter(db, "125");
    const QString offered = reg.nextNumber();
    setCounter(db, "127");  // someone else registered two issues meanwhile
    EXPECT_EQ(reg.addIssue(issue(offered)), "127");
    EXPECT_EQ(counter(db), "128");
    EXPECT_EQ(db.first("SELECT magno FROM tranfile")->text(0), "127");
}

TEST_F(IssueRegisterTest, AFailedCounterUpdateLeavesNeitherRowNorCounter) {
    setCounter(db, "125");
    refuseCounterUpdates(db);
    EXPECT_THROW(reg.addIssue(issue("125")), data::DbError);
    EXPECT_EQ(issueCount(db), 0);
    EXPECT_EQ(counter(db), "125");

    temp.clear("jourctrl");
    EXPECT_THROW(reg.nextNumber(), data::DbError);
    EXPECT_THROW(reg.addIssue(issue("125")), data::DbError);
    EXPECT_EQ(issueCount(db), 0);
}

TEST_F(IssueRegisterTest, UpdateRewritesOnlyDatesNumbersAndDescriptionOfTheFirstRow) {
    db.exec(
        "INSERT INTO tranfile (magno, department_code, pointer, receivedate, daily, yearno, "
        "issueno, descriptionitem) VALUES (' 125 ', '02', 'J000001', 'r', 'd', 'y', 'i', 'x')");
    db.exec(
        "INSERT INTO tranfile (magno, department_code, pointer, receivedate, daily, yearno, "
        "issueno, descriptionitem) VALUES ('125', '03', 'J000002', 'r', 'd', 'y', 'i', 'x')");
    EXPECT_TRUE(reg.updateIssue("125 ", {"05/05/2008", "01/05/2008", "13", "4", "new"}));
    const auto rows = db.query("SELECT * FROM tranfile ORDER BY rowid");
    const QStringList first = {" 125 ",      "02", "J000001", "05/05/2008",
                               "01/05/2008", "13", "4",       "new"};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(rows[0].text(i), first[i]) << i;
    EXPECT_EQ(rows[1].text(7), "x");  // only the first row found
    EXPECT_FALSE(reg.updateIssue("999", {}));
    EXPECT_FALSE(reg.updateIssue("", {}));
}

TEST_F(IssueRegisterTest, DeleteRemovesTheFirstRowAndNeverLowersTheCounter) {
    setCounter(db, "127");
    addIssue(db, "125", "J000001", "01/01/2008", "first");
    addIssue(db, " 126", "J000001", "01/02/2008", "a");
    addIssue(db, "126", "J000001", "01/03/2008", "b");
    EXPECT_TRUE(reg.deleteIssue("126"));
    EXPECT_EQ(issueCount(db), 2);
    EXPECT_EQ(db.first("SELECT descriptionitem FROM tranfile WHERE trim(magno)='126'")->text(0),
              "b");
    EXPECT_FALSE(reg.deleteIssue("999"));
    EXPECT_EQ(issueCount(db), 2);
    EXPECT_EQ(counter(db), "127");
}

TEST_F(IssueRegisterTest, IssuesOfATitleComeLatestDateFirstWithUnreadableDatesLast) {
    addIssue(db, "1", "J000001", "31/01/2003");
    addIssue(db, "2", " J000001 ", "15/07/2003");
    addIssue(db, "3", "J000001", "");
    addIssue(db, "4", "J000001", "1/8/2002");
    addIssue(db, "5", "J000001", "no date");
    addIssue(db, "6", "J000002", "01/01/2009");
    EXPECT_EQ(numbersOf("J000001"), QStringList({"2", "1", "4", "3", "5"}));
    EXPECT_TRUE(reg.issuesOf("J000009").empty());
    EXPECT_TRUE(reg.issuesOf("").empty());
}

// The registration window's list read a page at a time comes in the order of
// the whole list across every page boundary, is counted exactly, and places
// each issue, an edited one too, where that order puts it.
TEST_F(IssueRegisterTest, TheIssueListPagesInOrderAndPlacesEachIssue) {
    const char* dates[] = {"02/03/2004", "", "02/03/2004", "1/8/2002", "no date", "15/07/2005"};
    for (int i = 0; i < 30; ++i)
        addIssue(db, QString::number(100 + i), i % 2 ? "J000001" : " J000001 ", dates[i % 6]);
    addIssue(db, "900", "J000002", "01/01/2009");
    const IssueSource source(db, "J000001");
    const QStringList whole = numbersOf("J000001");
    ASSERT_EQ(whole.size(), 30);
    EXPECT_EQ(whole.mid(0, 6), QStringList({"105", "111", "117", "123", "129", "100"}));
    EXPECT_EQ(source.count(), 30);

    struct Case {
        int offset, limit;
    };
    for (const Case c : {Case{0, 7}, Case{7, 7}, Case{28, 7}, Case{30, 7}, Case{4, 1}}) {
        SCOPED_TRACE(testing::Message() << c.offset << "+" << c.limit);
        QStringList page;
        for (const QStringList& row : source.rows(c.offset, c.limit))
            page << row[0];
        EXPECT_EQ(page, whole.mid(c.offset, c.limit));
    }

    for (int i = 0; i < whole.size(); ++i)
        EXPECT_EQ(reg.placeOf(*reg.listedIssue(whole[i])), i) << whole[i].toStdString();
    ASSERT_TRUE(reg.updateIssue("129", {"", "01/01/2003", "", "", ""}));
    ASSERT_TRUE(reg.updateIssue("101", {"", "01/01/2010", "", "", ""}));
    const QStringList edited = numbersOf("J000001");
    for (const char* magno : {"129", "101"})
        EXPECT_EQ(reg.placeOf(*reg.listedIssue(magno)), edited.indexOf(magno)) << magno;
}

TEST_F(IssueRegisterTest, ASaveChecksAgainWhatAnotherDeskMayHaveChanged) {
    setCounter(db, "125");
    addIssue(db, "125", "J000001", "01/01/2008");
    addIssue(db, "126", "J000001", "01/02/2008");
    // A counter set back hands out the first number no issue holds.
    EXPECT_EQ(reg.addIssue(issue("125")), "127");
    EXPECT_EQ(counter(db), "128");

    using What = RegisterChanged::What;
    const struct {
        const char* change;
        What what;
    } gone[] = {{"DELETE FROM vorlen WHERE department_code = '02'", What::SubscriptionGone},
                {"DELETE FROM vorlen1", What::TitleGone}};
    for (const auto& g : gone) {
        db.exec(g.change);
        try {
            reg.addIssue(issue("128"));
            ADD_FAILURE() << g.change;
        } catch (const RegisterChanged& e) {
            EXPECT_EQ(e.change(), g.what) << g.change;
        }
        EXPECT_EQ(issueCount(db), 3) << g.change;
        EXPECT_EQ(counter(db), "128") << g.change;
    }
    EXPECT_THROW(reg.updateIssue("126", {}), RegisterChanged);
    EXPECT_EQ(db.first("SELECT descriptionitem FROM tranfile WHERE magno = '126'")->text(0), "");
    EXPECT_FALSE(reg.updateIssue("999", {}));
}

TEST(TitleFinderTest, MatchesTextLiterallyOncePerSubscriptionFacultiesInThaiOrder) {
    testing_support::TempDatabase temp;
    data::Database& db = temp.db();
    addTitle(db, "J000001", QStringLiteral("วารสารวิทยาศาสตร์"), {"04", "02", "07"});
    addTitle(db, "J000002", "O'Reilly Journal");
    addTitle(db, "J000003", "100% Cotton");
    addTitle(db, "J000004", "1000 Ideas");
    addTitle(db, "J000005", "A_B Review");
    addTitle(db, "J000006", "AxB Review");
    addTitle(db, "J000007", QStringLiteral("วารสารไม่มีสมาชิก"), {});
    TitleFinder finder(db);

    const auto three = finder.find(QStringLiteral("วิทยา"));
    ASSERT_EQ(three.size(), 3u);
    EXPECT_EQ(three[0].pointer, "J000001");
    EXPECT_EQ(three[0].departmentCode, "02");
    EXPECT_EQ(three[0].departmentName, QStringLiteral("คณะครุศาสตร์"));
    EXPECT_EQ(three[1].departmentName, QStringLiteral("คณะเทคโนโลยีอุตสาหกรรม"));
    EXPECT_EQ(three[2].departmentName, QStringLiteral("คณะมนุษยศาสตร์และสังคมศาสตร์"));

    const auto quote = finder.find("O'Rei");
    ASSERT_EQ(quote.size(), 1u);
    EXPECT_EQ(quote[0].name, "O'Reilly Journal");
    ASSERT_EQ(finder.find("100%").size(), 1u);
    EXPECT_EQ(finder.find("100%")[0].pointer, "J000003");
    ASSERT_EQ(finder.find("A_B").size(), 1u);
    EXPECT_EQ(finder.find("A_B")[0].pointer, "J000005");
    EXPECT_TRUE(finder.find(QStringLiteral("ไม่มีสมาชิก")).empty());
    EXPECT_TRUE(finder.find(" Cotton  ").empty());
}

// The subscriptions found page by page: each title's faculties in Thai order
// (07 เทคโนโลยี before 04 มนุษยศาสตร์, though entered after it and after it by
// code point), pages meeting inside a title, and a heading's order.
TEST(TitleMatchSourceTest, PagesTheSubscriptionsFoundInOrder) {
    testing_support::TempDatabase temp;
    data::Database& db = temp.db();
    const int titles = 60;
    for (int i = 1; i <= titles; ++i)
        addTitle(db, QStringLiteral("J%1").arg(1000000 + i),
                 QStringLiteral("วารสาร %1").arg(1000 - i), {"04", "07"});
    addTitle(db, "K0000001", QStringLiteral("หนังสือพิมพ์"), {"02"});
    const auto source = TitleFinder(db).matching(QStringLiteral("วารสาร"));
    EXPECT_EQ(source->count(), 2 * titles);

    struct Case {
        ui::ListOrder order;
        int offset;
        QString rows;
    };
    const Case cases[] = {
        {{}, 0, "J1000001/07 J1000001/04"},
        {{}, 99, "J1000050/04 J1000051/07"},
        {{matchCol::name, false}, 0, "J1000060/07 J1000060/04"},
        {{matchCol::name, true}, 0, "J1000001/04 J1000001/07"},
        {{matchCol::department, false}, 59, "J1000060/07 J1000001/04"},
        {{matchCol::department, true}, 0, "J1000060/04 J1000059/04"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.order.column << c.order.descending << " at " << c.offset);
        source->setOrder(c.order);
        QStringList got;
        for (const QStringList& r : source->rows(c.offset, 2))
            got << r[matchCol::pointer] + "/" + r[matchCol::departmentCode];
        EXPECT_EQ(got.join(' '), c.rows);
        EXPECT_EQ(source->rows(100, 100).size(), size_t(2 * titles - 100)) << "the last page";
    }
}

// A page in the order of entry reads only the titles it shows: titles with no
// subscription and trigram candidates the full comparison refuses, among the
// titles found, take no row from any page.
TEST(TitleMatchSourceTest, APageStoppingAtItsTitlesHoldsTheRowsOfTheWholeList) {
    testing_support::TempDatabase temp;
    data::Database& db = temp.db();
    QStringList whole;
    for (int i = 1; i <= 30; ++i) {
        const QString key = QStringLiteral("J%1").arg(1000000 + i);
        if (i % 3 == 0) {
            addTitle(db, key, QStringLiteral("วารสารทดลอง %1").arg(i), {"04", "07"});
            whole << key + "/07" << key + "/04";
        } else if (i % 3 == 1) {
            addTitle(db, key, QStringLiteral("วารสารทดลอง %1").arg(i), {});
        } else {
            addTitle(db, key, QStringLiteral("ทดลองวารสาร %1").arg(i));
        }
    }
    const auto source = TitleFinder(db).matching(QStringLiteral("วารสารทดลอง"));
    EXPECT_EQ(source->count(), whole.size());
    struct Case {
        int offset, limit;
    };
    for (const Case c :
         {Case{0, 1}, Case{0, 3}, Case{1, 2}, Case{3, 4}, Case{5, 100}, Case{19, 1}, Case{20, 5}}) {
        SCOPED_TRACE(testing::Message() << c.offset << "+" << c.limit);
        QStringList got;
        for (const QStringList& r : source->rows(c.offset, c.limit))
            got << r[matchCol::pointer] + "/" + r[matchCol::departmentCode];
        EXPECT_EQ(got, whole.mid(c.offset, c.limit));
    }
}

}  // namespace
