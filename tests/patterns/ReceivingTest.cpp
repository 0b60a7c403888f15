#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "issues/reg_journalView.h"
#include "late/LateRecords.h"
#include "patterns/PatternRecords.h"
#include "tests/issues/RegJournalFixture.h"

using namespace issues_test;

namespace {

// Receiving a monthly title with a pattern, by the keys alone, on 15/03/2008:
// January's and February's issues are late, March's is due.
class Receiving : public RegJournalFixture {
  protected:
    void SetUp() override {
        RegJournalFixture::SetUp();
        addTitle(db(), "J000001", "Nature", {"01"});
        db().exec("UPDATE vorlen1 SET issn = '0317-8471', magtype_code = '04'");
        db().exec(
            "UPDATE vorlen SET Receive_Code = '1', begin_period = '01/01/2008',"
            " end_period = '31/12/2008'");
        setCounter(db(), "500");
        pattern.frequency = patterns::Frequency::Monthly;
        pattern.knownDate = {2008, 1, 1};
        pattern.knownVolume = 12;
        pattern.volumeStartMonth = 1;
        pattern.graceDays = 20;
        savePattern();
        view = std::make_unique<issues::reg_journalView>(services);
        ASSERT_TRUE(view->load());
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    }
    void savePattern() { patterns::PatternRecords(db()).save("J000001", {pattern, false}); }
    issues::reg_journal& f() { return view->logic(); }
    void keys(Qt::Key k) {
        QTest::keyClick(QApplication::focusWidget(), k);
        QCoreApplication::processEvents();
    }
    void scan(const QString& code) {
        auto* field = view->findChildren<QLineEdit*>().at(0);
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, code);
        keys(Qt::Key_Return);
    }
    QStringList registered() {
        QStringList out;
        for (const auto& row : db().query("SELECT yearno, issueno, daily FROM tranfile"
                                          " ORDER BY magno"))
            out << row.text(0) + "." + row.text(1) + " " + row.text(2);
        return out;
    }
    QStringList late() {
        QStringList out;
        for (const late::LateTitle& t : late::LateRecords(db()).late({}, clock.today()))
            out << t.issue;
        return out;
    }
    QStringList expectedColumn(int column) {
        QStringList out;
        for (int r = 1; r < f().expectedList.rows(); ++r)
            out << f().expectedList.textMatrix(r, column);
        return out;
    }

    patterns::PublicationPattern pattern;
    std::unique_ptr<issues::reg_journalView> view;
};

const QString kCode = QStringLiteral("9770317847001");

}  // namespace

TEST_F(Receiving, NewProposesTheNextExpectedIssueAndEnterRegistersIt) {
    scan("Nature");
    keys(Qt::Key_Return);  // the title's row
    EXPECT_EQ(expectedColumn(3), (QStringList{"เลยกำหนด", "เลยกำหนด", "รอรับ", "รอรับ"}));
    f().Command2_Click();
    EXPECT_EQ(f().Text3.text(), "01/01/2008");
    EXPECT_EQ(f().Text4.text(), "12");
    EXPECT_EQ(f().Text5.text(), "1");
    EXPECT_EQ(f().Text6.text(), "ปีที่ 12 ฉบับที่ 1 มกราคม 2551");
    EXPECT_EQ(f().focus(), &f().Command7);
    keys(Qt::Key_Return);
    EXPECT_EQ(registered(), QStringList{"12.1 01/01/2008"});
    EXPECT_EQ(box.last().text, "บันทึกข้อมูลลงทะเบียนวารสารเรียบร้อยแล้ว");
    EXPECT_EQ(late(), QStringList{"ปีที่ 12 ฉบับที่ 2"});
    EXPECT_EQ(expectedColumn(1), (QStringList{"2", "3", "4", "1"}));
}

TEST_F(Receiving, AScanPicksTheIssueOfItsAddOnAndASkippedIssueIsMarkedMissingOrLeft) {
    const struct {
        int answer;  // to "which skipped": OK marks them missing, Cancel takes it out of order
        QStringList wantLate;
        QString wantStatus;
    } cases[] = {
        {ui::msg::kCancel, {"ปีที่ 12 ฉบับที่ 1"}, "เลยกำหนด"},
        {ui::msg::kOk, {"ปีที่ 12 ฉบับที่ 1"}, "ขาด"},
    };
    for (const auto& c : cases) {
        temp.clear("tranfile");
        temp.clear("issue_mark");
        box.queue(ui::msg::kOk);  // the title has no registered issue yet
        box.queue(ui::msg::kOk);  // save
        box.queue(c.answer);
        scan(kCode + "02");
        EXPECT_EQ(f().Text3.text(), "01/02/2008");
        EXPECT_EQ(f().Text5.text(), "2");
        keys(Qt::Key_Return);
        EXPECT_EQ(registered(), QStringList{"12.2 01/02/2008"});
        EXPECT_TRUE(std::any_of(box.shown().begin(), box.shown().end(), [](const auto& s) {
            return s.caption == "ฉบับที่ข้ามไป" && s.text.contains("ปีที่ 12 ฉบับที่ 1");
        }));
        EXPECT_EQ(late(), c.wantLate) << "the skipped issue is claimed by its number";
        EXPECT_EQ(expectedColumn(3).first(), c.wantStatus);
        // The next proposal is the skipped issue when it was left expected.
        f().Command2_Click();
        EXPECT_EQ(f().Text5.text(), c.answer == ui::msg::kOk ? "3" : "1");
        f().Command4_Click();
    }
}

TEST_F(Receiving, AScanOfANumberNoExpectedIssueHasTakesNothingOfTheNextOne) {
    const struct {
        const char* addOn;
        QString issueNo;
    } cases[] = {{"40", "40"}, {"00099", "99"}};
    for (const auto& c : cases) {
        box.queue(ui::msg::kOk);  // the title has no registered issue yet
        scan(kCode + c.addOn);
        ASSERT_TRUE(f().Command7.enabled()) << c.addOn;
        EXPECT_EQ(f().Text5.text(), c.issueNo);
        for (const ui::TextBox* proposed : {&f().Text3, &f().Text4, &f().Text6})
            EXPECT_EQ(proposed->text(), "") << c.addOn << " " << proposed->name().toStdString();
        EXPECT_EQ(f().focus(), &f().Command9) << "the issue's date comes first";
        f().Command4_Click();
    }
}

TEST_F(Receiving, ACombinedIssueRegistersOnceForBothNumbers) {
    pattern.combinedIssues = {2};
    savePattern();
    addIssue(db(), "499", "J000001", "01/01/2008");
    db().exec("UPDATE tranfile SET yearno = '12', issueno = '1'");
    scan(kCode + "03");
    EXPECT_EQ(f().Text5.text(), "2/3");
    EXPECT_EQ(f().Text6.text(), "ปีที่ 12 ฉบับที่ 2/3 กุมภาพันธ์-มีนาคม 2551");
    keys(Qt::Key_Return);
    EXPECT_EQ(registered(), (QStringList{"12.1 01/01/2008", "12.2/3 01/02/2008"}));
    EXPECT_TRUE(late().isEmpty());
    EXPECT_EQ(expectedColumn(1), (QStringList{"4", "2/3", "1"}));
}

TEST_F(Receiving, ATitleWithoutAPatternKeepsTheOldRuleAndACeasedOneIsNeverLate) {
    patterns::PatternRecords(db()).remove("J000001");
    scan(kCode + "15");
    EXPECT_EQ(f().Text5.text(), "15");
    EXPECT_EQ(f().Text3.text(), "");
    EXPECT_EQ(late(), QStringList{"(ไม่มีรูปแบบการออก)"});
    patterns::PatternRecords(db()).save("J000001", {pattern, true});
    EXPECT_TRUE(late().isEmpty());
}

// A save puts the expected issues and the holdings right from what New read,
// without reading them again: they show as a window opened afresh shows them.
TEST_F(Receiving, ASaveLeavesTheExpectedIssuesAndHoldingsAsAFreshReadShowsThem) {
    const struct {
        const char* what;
        QString yearno, issueno;
        int skipAnswer;  // 0: no issue is skipped
    } cases[] = {
        {"the next expected issue", "12", "1", 0},
        {"an issue before the pattern's", "11", "5", 0},
        {"a later issue, the skipped ones missing", "12", "3", ui::msg::kOk},
        {"a later issue out of order", "12", "3", ui::msg::kCancel},
    };
    const auto cells = [](const ui::Grid& grid) {
        QStringList out;
        for (int r = 1; r < grid.rows(); ++r)
            for (int c = 0; c < grid.cols(); ++c)
                out << grid.textMatrix(r, c);
        return out;
    };
    const auto pick = [](issues::reg_journal& w) {
        w.Text1.setText(QStringLiteral("Nature"));
        w.Command1_Click();
        w.show_journal.click(1, 0);
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        temp.clear("tranfile");
        temp.clear("issue_mark");
        addIssue(db(), "400", "J000001", "01/12/2007");
        db().exec("UPDATE tranfile SET yearno = '11', issueno = '12', department_code = '01'");
        pick(f());
        f().Command2_Click();
        f().Text4.setText(c.yearno);
        f().Text5.setText(c.issueno);
        box.queue(ui::msg::kOk);
        if (c.skipAnswer)
            box.queue(c.skipAnswer);
        f().Command7_Click();
        ASSERT_FALSE(f().Command7.enabled()) << box.last().text.toStdString();

        issues::reg_journal fresh(services);
        ASSERT_TRUE(fresh.Form_Load());
        pick(fresh);
        EXPECT_EQ(cells(f().expectedList), cells(fresh.expectedList));
        EXPECT_EQ(f().holdingsLabel.caption(), fresh.holdingsLabel.caption());
    }
}
