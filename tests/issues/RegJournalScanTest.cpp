#include "tests/issues/RegJournalFixture.h"

using issues_test::addIssue;
using issues_test::addTitle;
using issues_test::RegJournalFixture;

namespace {

constexpr int kPointer = 2, kIssueNo = 3;

class RegJournalScan : public RegJournalFixture {
  protected:
    void SetUp() override {
        RegJournalFixture::SetUp();
        addTitle(db(), "J000001", "Nature", {"01"});
        db().exec("UPDATE vorlen1 SET issn = '0317-8471' WHERE pointer = 'J000001'");
        addIssue(db(), "7", "J000001", "01/02/2008");
        issues_test::setCounter(db(), "500");
    }
};

}  // namespace

TEST_F(RegJournalScan, PicksTheTitleAndOpensANewRegistrationWithTheAddOnAsIssueNumber) {
    const std::pair<QString, QString> scans[] = {
        {"977031784700115", "15"},    // two-digit add-on
        {"977031784700100007", "7"},  // five-digit add-on
        {"9770317847001", ""},        // none
    };
    for (const auto& [code, issueNo] : scans) {
        search(code);
        EXPECT_EQ(w->show_journal.textMatrix(1, kPointer), "J000001") << code.toStdString();
        EXPECT_EQ(w->entryMode, "New");
        EXPECT_EQ(w->Text2.text(), "500");
        EXPECT_EQ(w->Text5.text(), issueNo);
        EXPECT_TRUE(w->Text5.enabled());
        EXPECT_EQ(w->show_item.textMatrix(1, 0), "7") << "the title's issues are listed";
        w->Command4_Click();  // cancel, ready for the next scan
    }
    EXPECT_TRUE(box.shown().empty());
}

TEST_F(RegJournalScan, ATitleOfSeveralDepartmentsWaitsForTheClerkToPickOneKeepingTheAddOn) {
    db().exec("INSERT INTO vorlen (pointer, department_code) VALUES ('J000001', '02')");
    // A title stored with a wrong check digit is found by its cover all the same.
    db().exec("UPDATE vorlen1 SET issn = '0317-8472' WHERE pointer = 'J000001'");
    search("977031784700115");
    EXPECT_EQ(w->show_journal.rows(), 3);
    EXPECT_TRUE(w->entryMode.isEmpty());
    EXPECT_FALSE(w->Command2.enabled());
    pickTitle(2);
    EXPECT_EQ(w->entryMode, "New");
    EXPECT_EQ(w->Text5.text(), "15");
    w->Command4_Click();
    pickTitle(1);  // the add-on served its one issue
    EXPECT_FALSE(w->Command7.enabled());
}

TEST_F(RegJournalScan, AMisreadCodeIsRefused) {
    search("Nature");
    search("977031784700215");
    EXPECT_EQ(box.last().text, "รหัสแท่งไม่ถูกต้อง (เลขตรวจสอบไม่ตรง) กรุณาสแกนอีกครั้ง");
    EXPECT_EQ(box.last().style, ui::msg::kStop);
    EXPECT_EQ(w->Text1.text(), "");
    EXPECT_EQ(w->focus(), &w->Text1);
    EXPECT_EQ(w->show_journal.textMatrix(1, kPointer), "J000001") << "the list stays";
    EXPECT_TRUE(w->entryMode.isEmpty());
}

TEST_F(RegJournalScan, AHandedOverTitleIsListedWithItsIssues) {
    addTitle(db(), "K000001", "ข่าวสด", {"02"});
    addIssue(db(), "8", "K000001", "03/02/2008");
    w->showTitle("K000001");
    EXPECT_EQ(w->Text1.text(), "ข่าวสด");
    EXPECT_EQ(w->show_journal.textMatrix(1, kPointer), "K000001");
    EXPECT_EQ(w->show_item.textMatrix(1, 0), "8");
    EXPECT_EQ(w->show_item.textMatrix(1, kIssueNo), "1");
    EXPECT_TRUE(w->Command2.enabled());

    // While an issue is being entered, the clerk is asked before anything
    // is replaced; kept, nothing changes.
    w->Command2_Click();
    box.queue(ui::msg::kCancel);
    w->showTitle("J000001");
    EXPECT_TRUE(box.last().text.contains(QStringLiteral("ข่าวสด")));
    EXPECT_EQ(w->show_journal.textMatrix(1, kPointer), "K000001");
    EXPECT_TRUE(w->Command7.enabled());
}
