#include <functional>

#include "issues/IssueRegister.h"
#include "tests/issues/RegJournalFixture.h"

using namespace issues_test;

namespace {

const QString kSaveAsk = QStringLiteral("ต้องการบันทึกข้อมูลวารสารเลขทะเบียนนี้หรือไม่");
const QString kDeleteAsk = QStringLiteral("ต้องการลบข้อมูลวารสารเลขทะเบียนนี้หรือไม่");
const QString kNoIssues = QStringLiteral("รายชื่อวารสารนี้ไม่พบข้อมูลการลงทะเบียน");

// The enabled state of New, Edit, Delete, Save and Cancel, the two lists and
// the typed fields Text4 to Text6.
struct EntryState {
    bool newIssue, edit, remove, save, cancel, lists, typed;
};

class RegJournalTest : public RegJournalFixture {
  protected:
    // Two titles; the science one has three issues and two subscriptions.
    void addTitles() {
        addTitle(db(), "J000001", QStringLiteral("วารสารวิทยาศาสตร์"), {"02", "03"});
        addTitle(db(), "J000002", QStringLiteral("วารสารครุศาสตร์"));
        addIssue(db(), "10", "J000001", "31/01/2003", "January");
        addIssue(db(), "11", "J000001", "15/07/2003", "July");
        addIssue(db(), "12", "J000001", "1/3/2002", "March");
        setCounter(db(), "125");
    }
    // Titles listed and the science one picked.
    void pickScience() {
        addTitles();
        search(QStringLiteral("วิทยา"));
        pickTitle(1);
        box.clear();
    }
    void expectState(const EntryState& s) {
        EXPECT_EQ(w->Command2.enabled(), s.newIssue);
        EXPECT_EQ(w->Command3.enabled(), s.edit);
        EXPECT_EQ(w->Command6.enabled(), s.remove);
        EXPECT_EQ(w->Command7.enabled(), s.save);
        EXPECT_EQ(w->Command4.enabled(), s.cancel);
        EXPECT_EQ(w->show_journal.enabled(), s.lists);
        EXPECT_EQ(w->show_item.enabled(), s.lists);
        for (ui::TextBox* t : {&w->Text4, &w->Text5, &w->Text6})
            EXPECT_EQ(t->enabled(), s.typed) << t->name().toStdString();
        for (ui::TextBox* t : {&w->Text2, &w->Text3, &w->Text7})
            EXPECT_FALSE(t->enabled()) << t->name().toStdString();
        for (ui::CommandButton* b : {&w->Command1, &w->Command8, &w->Command5})
            EXPECT_TRUE(b->enabled()) << b->name().toStdString();
        // The calendars serve an open entry only.
        EXPECT_EQ(w->Command9.enabled(), s.save);
        EXPECT_EQ(w->Command10.enabled(), s.save);
    }
    QStringList fields() const {
        return {w->Text2.text(), w->Text3.text(), w->Text4.text(),
                w->Text5.text(), w->Text6.text(), w->Text7.text()};
    }
};

TEST_F(RegJournalTest, LoadSetsUpTheListsAndTheNotEnteringState) {
    EXPECT_EQ(w->caption(), QStringLiteral("โปรแกรมลงทะเบียนวารสาร"));
    EXPECT_EQ(w->show_journal.rows(), 14);
    EXPECT_EQ(w->show_journal.cols(), 4);
    EXPECT_EQ(w->show_journal.colWidth(0), 3500);
    EXPECT_EQ(w->show_journal.colWidth(1), 6000);
    EXPECT_EQ(w->show_journal.textMatrix(0, 0), QStringLiteral("ชื่อวาสาร"));
    EXPECT_EQ(w->show_journal.textMatrix(0, 1), QStringLiteral("คณะที่บอกรับ"));
    EXPECT_EQ(w->show_item.rows(), 14);
    EXPECT_EQ(w->show_item.cols(), 6);
    const int widths[] = {950, 1200, 600, 700, 5000};
    for (int c = 0; c < 5; ++c)
        EXPECT_EQ(w->show_item.colWidth(c), widths[c]);
    EXPECT_EQ(column(w->show_item, 0).size(), 13);
    EXPECT_EQ(w->show_item.textMatrix(0, 4), QStringLiteral("คำอธิบาย"));
    EXPECT_EQ(w->show_item.colAlignment(4), ui::Grid::Align::LeftTop);
    expectState({false, false, false, false, false, true, false});
    EXPECT_FALSE(w->MonthView1.visible());
    EXPECT_FALSE(w->MonthView2.visible());
    EXPECT_EQ(w->focus(), &w->Text1);
    EXPECT_TRUE(w->Label1.caption().isEmpty());
    EXPECT_TRUE(w->entryMode.isEmpty());
}

TEST_F(RegJournalTest, SearchReportsEmptyTextAndNoResultAndListsEachSubscription) {
    addTitles();
    search("   ");
    ASSERT_EQ(box.shown().size(), 1u);
    EXPECT_EQ(box.last().text, QStringLiteral("กรุณาพิมพ์รายชื่อวารสารที่ต้องการลงทะเบียน"));
    EXPECT_EQ(box.last().caption, QStringLiteral("ข้อผิดพลาด"));
    EXPECT_EQ(box.last().style, 16);
    EXPECT_EQ(w->Text1.text(), "   ");

    w->Text1.setText(QStringLiteral("วิทยา"));
    int enter = ui::key::kEnter;
    w->Text1_KeyPress(enter);
    EXPECT_EQ(enter, ui::key::kEnter);
    EXPECT_EQ(w->show_journal.rows(), 3);
    EXPECT_EQ(column(w->show_journal, 0),
              QStringList({QStringLiteral("วารสารวิทยาศาสตร์"), QStringLiteral("วารสารวิทยาศาสตร์")}));
    EXPECT_EQ(column(w->show_journal, 1), QStringList({QStringLiteral("คณะครุศาสตร์"),
                                                       QStringLiteral("คณะวิทยาศาสตร์และเทคโนโลยี")}));
    EXPECT_EQ(column(w->show_journal, 2), QStringList({"J000001", "J000001"}));
    EXPECT_EQ(column(w->show_journal, 3), QStringList({"02", "03"}));
    EXPECT_EQ(w->focus(), &w->show_journal);

    box.clear();
    search(QStringLiteral(" วิทยา"));
    ASSERT_EQ(box.shown().size(), 1u);
    EXPECT_EQ(box.last().text, QStringLiteral("ไม่พบรายชื่อวารสารนี้"));
    EXPECT_EQ(box.last().caption, QStringLiteral("ไม่พบข้อมูล"));
    EXPECT_TRUE(w->Text1.text().isEmpty());
    EXPECT_EQ(w->show_journal.rows(), 3);  // kept
    EXPECT_EQ(w->focus(), &w->Text1);
}

TEST_F(RegJournalTest, SearchTextWithQuotesAndWildcardsIsMatchedLiterally) {
    addTitle(db(), "J000001", "O'Reilly 100% Journal");
    addTitle(db(), "J000002", "Reilly 1000 Journal");
    search("O'Reilly");
    EXPECT_EQ(column(w->show_journal, 2), QStringList({"J000001"}));
    search("100%");
    EXPECT_EQ(column(w->show_journal, 2), QStringList({"J000001"}));
    EXPECT_TRUE(box.shown().empty());
}

TEST_F(RegJournalTest, TheTitlesListShrinksAndGrowsWithTheResult) {
    for (int i = 0; i < 20; ++i)
        addTitle(db(), QStringLiteral("J1%1").arg(i, 5, 10, QChar('0')),
                 QStringLiteral("Many %1").arg(i));
    for (int i = 0; i < 3; ++i)
        addTitle(db(), QStringLiteral("J2%1").arg(i, 5, 10, QChar('0')),
                 QStringLiteral("Few %1").arg(i));
    search("Many");
    EXPECT_EQ(w->show_journal.rows(), 21);
    search("Few");
    EXPECT_EQ(w->show_journal.rows(), 4);
    EXPECT_EQ(w->show_journal.textMatrix(3, 0), "Few 2");
}

TEST_F(RegJournalTest, PickingATitleListsItsIssuesLatestDateFirstWithTheCaption) {
    pickScience();
    EXPECT_EQ(w->show_item.rows(), 4);
    EXPECT_EQ(column(w->show_item, 0), QStringList({"11", "10", "12"}));
    EXPECT_EQ(column(w->show_item, 1), QStringList({"15/07/2003", "31/01/2003", "01/03/2002"}));
    EXPECT_EQ(column(w->show_item, 4), QStringList({"July", "January", "March"}));
    EXPECT_EQ(column(w->show_item, 5), QStringList({"01/01/2008", "01/01/2008", "01/01/2008"}));
    EXPECT_EQ(w->Label1.caption(), "   Magno= 11   Daily=  15/07/2003  :  July");
    EXPECT_EQ(w->show_journal.highLight(), 1);
    EXPECT_EQ(w->show_item.highLight(), 2);
    expectState({true, false, false, false, false, true, false});
    EXPECT_TRUE(box.shown().empty());

    pickIssue(2);
    EXPECT_EQ(fields(), QStringList({"10", "31/01/2003", "2008", "1", "January", "01/01/2008"}));
    EXPECT_EQ(w->show_item.highLight(), 1);
    expectState({true, true, true, false, false, true, false});

    search(QStringLiteral("ครุ"));
    pickTitle(1);
    ASSERT_EQ(box.shown().size(), 1u);
    EXPECT_EQ(box.last().text, kNoIssues);
    EXPECT_EQ(box.last().caption, QStringLiteral("ไม่พบวารสารที่ลงทะเบียน"));
    EXPECT_EQ(box.last().style, 16);
    EXPECT_TRUE(w->Label1.caption().isEmpty());
    EXPECT_EQ(w->show_item.rows(), 14);
    EXPECT_EQ(column(w->show_item, 0).join(""), "");
    EXPECT_EQ(fields().join(""), "");
    EXPECT_TRUE(w->Command2.enabled());

    pickIssue(5);  // an empty row still enables Edit and Delete
    EXPECT_TRUE(w->Command3.enabled());
    EXPECT_TRUE(w->Command6.enabled());
}

TEST_F(RegJournalTest, NewThenCancelLeavesTheCounterAndShowsThePickedIssueAgain) {
    pickScience();
    pickIssue(1);
    w->Command2_Click();
    EXPECT_EQ(w->entryMode, "New");
    expectState({false, false, false, true, true, false, true});
    EXPECT_EQ(fields(), QStringList({"125", "", "", "", "", "15/03/2008"}));
    EXPECT_EQ(w->focus(), &w->Command9);
    w->Text4.typeText("2008");

    w->Command4_Click();
    expectState({true, true, true, false, false, true, false});
    EXPECT_EQ(fields(), QStringList({"11", "15/07/2003", "2008", "1", "July", "01/01/2008"}));
    EXPECT_EQ(counter(db()), "125");
    EXPECT_EQ(issueCount(db()), 3);
    w->Command2_Click();
    EXPECT_EQ(w->Text2.text(), "125");
}

TEST_F(RegJournalTest, NewWithTheCalendarsIsSavedAndAdvancesTheCounter) {
    pickScience();
    w->Command2_Click();
    w->Command9_Click();
    EXPECT_TRUE(w->MonthView1.visible());
    EXPECT_EQ(w->focus(), &w->MonthView1);
    EXPECT_EQ(w->MonthView1.value(), QDate(2008, 3, 15));
    w->MonthView1.clickDate(QDate(2004, 2, 1));
    EXPECT_EQ(w->Text3.text(), "01/02/2004");
    EXPECT_FALSE(w->MonthView1.visible());
    w->Text4.typeText("5");
    w->Text5.typeText("2");
    w->Text6.typeText(QStringLiteral("ฉบับใหม่"));
    w->Command10_Click();
    EXPECT_TRUE(w->MonthView2.visible());
    EXPECT_EQ(w->focus(), &w->MonthView2);
    w->MonthView2.clickDate(QDate(2008, 3, 9));
    EXPECT_EQ(w->Text7.text(), "09/03/2008");
    EXPECT_FALSE(w->MonthView2.visible());

    box.queue(ui::msg::kCancel);
    w->Command7_Click();
    EXPECT_EQ(box.last().text, kSaveAsk);
    EXPECT_EQ(box.last().caption, QStringLiteral(" ยืนยันการบันทึกข้อมูล"));
    EXPECT_EQ(box.last().style, 33);
    expectState({false, false, false, true, true, false, true});
    EXPECT_EQ(issueCount(db()), 3);
    EXPECT_EQ(w->Text6.text(), QStringLiteral("ฉบับใหม่"));

    box.clear();
    w->Command7_Click();
    ASSERT_EQ(box.shown().size(), 2u);
    EXPECT_EQ(box.last().text, QStringLiteral("บันทึกข้อมูลลงทะเบียนวารสารเรียบร้อยแล้ว"));
    EXPECT_EQ(box.last().caption, QStringLiteral("ผลการบันทึก"));
    EXPECT_EQ(box.last().style, 64);
    EXPECT_EQ(counter(db()), "126");
    const auto row = db().first("SELECT * FROM tranfile WHERE magno = '125'");
    ASSERT_TRUE(row);
    const QStringList stored = {"125",        "02", "J000001", "09/03/2008",
                                "01/02/2004", "5",  "2",       QStringLiteral("ฉบับใหม่")};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(row->text(i), stored[i]) << i;
    EXPECT_EQ(column(w->show_item, 0), QStringList({"125", "11", "10", "12"}));
    EXPECT_EQ(w->Label1.caption(), QStringLiteral("   Magno= 125   Daily=  01/02/2004  :  ฉบับใหม่"));
    expectState({true, true, true, false, false, true, false});
    EXPECT_EQ(w->Text2.text(), w->show_item.textMatrix(w->show_item.row(), 0));

    w->Command2_Click();
    EXPECT_EQ(w->Text2.text(), "126");
}

TEST_F(RegJournalTest, NewWithoutAnIssueDateIsListedLast) {
    pickScience();
    w->Command2_Click();
    w->Command7_Click();
    EXPECT_EQ(db().first("SELECT daily FROM tranfile WHERE magno = '125'")->text(0), "");
    EXPECT_EQ(column(w->show_item, 0), QStringList({"11", "10", "12", "125"}));
    EXPECT_EQ(w->show_item.textMatrix(4, 1), "");
}

TEST_F(RegJournalTest, AnythingThatWouldReplaceTheListAsksToCancelTheOpenEntryFirst) {
    const std::pair<const char*, std::function<void()>> interruptions[] = {
        {"search", [&] { search(QStringLiteral("ครุ")); }},
        {"scan", [&] { search("977031784700115"); }},
        {"search window", [&] { w->showTitle("J000002"); }},
        {"late list", [&] { w->showTitle("J000002", QStringLiteral("วารสารครุศาสตร์"), "01", "x"); }},
        {"clear", [&] { w->Command8_Click(); }},
    };
    pickScience();
    db().exec("UPDATE vorlen1 SET issn = '0317-8471' WHERE pointer = 'J000002'");
    for (const auto& [what, interrupt] : interruptions) {
        search(QStringLiteral("วิทยา"));
        w->show_journal.click(2, 0);  // the science title, second department
        box.clear();
        w->Command2_Click();
        w->Text6.typeText("kept");
        box.queue(ui::msg::kCancel);
        interrupt();
        ASSERT_EQ(box.shown().size(), 1u) << what;
        EXPECT_EQ(box.last().style, ui::msg::kQuestion);
        EXPECT_TRUE(box.last().text.contains(QStringLiteral("วารสารวิทยาศาสตร์"))) << what;
        EXPECT_TRUE(box.last().text.contains("125")) << what;
        EXPECT_EQ(w->show_journal.textMatrix(2, 2), "J000001") << what;
        EXPECT_EQ(w->Text6.text(), "kept") << what;
        expectState({false, false, false, true, true, false, true});

        interrupt();  // answered OK: the entry is dropped, then the list replaced
        EXPECT_NE(w->show_journal.textMatrix(1, 2), "J000001") << what;
        if (w->Command7.enabled()) {
            EXPECT_STREQ(what, "scan") << "only a scan opens an entry, for its own title";
            EXPECT_EQ(w->Text6.text(), "");
            w->Command4_Click();
        }
        EXPECT_EQ(issueCount(db()), 3) << what << ": nothing saved under the old title";
    }
}

TEST_F(RegJournalTest, SaveRefusesAnEntryWithoutANumberOrATitle) {
    pickScience();
    setCounter(db(), " ");
    w->Command2_Click();
    w->Command7_Click();
    ASSERT_EQ(box.shown().size(), 1u);
    EXPECT_EQ(box.last().style, ui::msg::kStop);
    EXPECT_TRUE(box.last().text.contains(QStringLiteral("เลขทะเบียน")));
    expectState({false, false, false, true, true, false, true});

    w->Command4_Click();
    setCounter(db(), "125");
    w->Command8_Click();
    expectState({false, false, false, false, false, true, false});  // no title listed
    w->Command2_Click();  // even when New is forced, there is no title to take
    EXPECT_EQ(w->Text2.text(), "125");
    box.clear();
    w->Command7_Click();
    ASSERT_EQ(box.shown().size(), 1u);
    EXPECT_EQ(box.last().style, ui::msg::kStop);
    EXPECT_TRUE(box.last().text.contains(QStringLiteral("รายชื่อวารสาร")));
    EXPECT_EQ(issueCount(db()), 3);
    EXPECT_EQ(counter(db()), "125");
}

TEST_F(RegJournalTest, ASearchForgetsTheListedTitleSoNewTakesTheOneOnScreen) {
    pickScience();
    pickIssue(1);
    search(QStringLiteral("ครุ"));
    EXPECT_EQ(column(w->show_item, 0).join(""), "");
    EXPECT_TRUE(w->Label1.caption().isEmpty());
    EXPECT_EQ(fields().join(""), "");
    expectState({false, false, false, false, false, true, false});

    pickTitle(1);
    EXPECT_EQ(box.last().text, kNoIssues);
    w->Command2_Click();
    w->Command7_Click();
    const auto row = db().first("SELECT department_code, pointer FROM tranfile WHERE magno='125'");
    ASSERT_TRUE(row);
    EXPECT_EQ(row->text(1), "J000002");
    EXPECT_EQ(row->text(0), "01");
    EXPECT_EQ(column(w->show_item, 0), QStringList({"125"}));
    EXPECT_TRUE(w->Label1.caption().contains("Magno= 125"));
}

TEST_F(RegJournalTest, ACounterThatCannotAdvanceRefusesTheSaveAndKeepsTheEntry) {
    pickScience();
    for (const char* stuck : {"9223372036854775807", "ABC"}) {
        setCounter(db(), stuck);
        w->Command2_Click();
        w->Text6.typeText("kept");
        box.clear();
        w->Command7_Click();
        ASSERT_EQ(box.shown().size(), 2u) << stuck;
        EXPECT_EQ(box.last().style, ui::msg::kStop);
        EXPECT_TRUE(box.last().text.contains(QString::fromLatin1(stuck)));
        EXPECT_EQ(issueCount(db()), 3);
        EXPECT_EQ(counter(db()), stuck);
        expectState({false, false, false, true, true, false, true});
        w->Command4_Click();
    }
}

TEST_F(RegJournalTest, EscapeCancelsAnEntryAndTheFocusFollowsTheWork) {
    pickScience();
    w->escape();  // no entry: nothing to abandon
    expectState({true, false, false, false, false, true, false});

    w->Command2_Click();
    w->Command9_Click();
    w->MonthView1.clickDate(QDate(2004, 2, 1));
    EXPECT_EQ(w->focus(), &w->Text4);
    w->Command10_Click();
    w->MonthView2.clickDate(QDate(2008, 3, 9));
    EXPECT_EQ(w->focus(), &w->Command7);

    w->escape();
    expectState({true, true, true, false, false, true, false});
    EXPECT_EQ(w->focus(), &w->Text1);
    EXPECT_EQ(issueCount(db()), 3);

    w->Command2_Click();
    w->Command7_Click();
    EXPECT_EQ(w->focus(), &w->Text1);
}

TEST_F(RegJournalTest, ANumberTakenMeanwhileIsReplacedByTheCurrentOneAndShown) {
    pickScience();
    w->Command2_Click();
    setCounter(db(), "130");
    w->Command7_Click();
    ASSERT_EQ(box.shown().size(), 3u);
    EXPECT_EQ(box.shown()[1].text,
              QStringLiteral("เลขทะเบียน 125 ถูกใช้ไปแล้ว ฉบับนี้บันทึกเป็นเลขทะเบียน 130"));
    EXPECT_EQ(counter(db()), "131");
    EXPECT_FALSE(db().first("SELECT 1 FROM tranfile WHERE magno='125'"));
    EXPECT_TRUE(db().first("SELECT 1 FROM tranfile WHERE magno='130'"));
}

TEST_F(RegJournalTest, ACounterFailureWritesNothingAndKeepsTheEntryOpen) {
    pickScience();
    w->Command2_Click();
    w->Text6.typeText("kept");
    refuseCounterUpdates(db());
    w->Command7_Click();
    EXPECT_EQ(box.last().caption, ui::kDatabaseErrorCaption);
    EXPECT_TRUE(box.last().text.contains("counter refused"));
    EXPECT_EQ(issueCount(db()), 3);
    EXPECT_EQ(counter(db()), "125");
    expectState({false, false, false, true, true, false, true});
    EXPECT_EQ(w->Text6.text(), "kept");

    w->Command4_Click();
    expectState({true, true, true, false, false, true, false});
    search(QStringLiteral("ครุ"));
    EXPECT_EQ(w->show_journal.rows(), 2);
}

TEST_F(RegJournalTest, AFailingQueryIsReportedAndTheWindowStaysUsable) {
    addTitles();
    db().exec("ALTER TABLE vorlen RENAME TO vorlen_gone");
    search(QStringLiteral("วิทยา"));
    ASSERT_EQ(box.shown().size(), 1u);
    EXPECT_EQ(box.last().caption, ui::kDatabaseErrorCaption);
    EXPECT_EQ(w->show_journal.rows(), 14);
    db().exec("ALTER TABLE vorlen_gone RENAME TO vorlen");
    search(QStringLiteral("วิทยา"));
    EXPECT_EQ(w->show_journal.rows(), 3);

    temp.clear("jourctrl");
    pickTitle(1);
    box.clear();
    w->Command2_Click();
    EXPECT_EQ(box.last().caption, ui::kDatabaseErrorCaption);
    EXPECT_TRUE(w->entryMode.isEmpty());
    expectState({true, false, false, false, false, true, false});
}

TEST_F(RegJournalTest, EditRewritesTheDatesNumbersAndDescriptionOnly) {
    pickScience();
    pickIssue(2);
    w->Command3_Click();
    EXPECT_EQ(w->entryMode, "Edit");
    expectState({false, false, false, true, true, false, true});
    EXPECT_EQ(w->focus(), &w->Command9);
    EXPECT_EQ(w->Text2.text(), "10");
    w->Command9_Click();
    w->MonthView1.clickDate(QDate(2003, 12, 31));
    w->Text6.setText("December");

    w->Command7_Click();
    ASSERT_EQ(box.shown().size(), 2u);
    EXPECT_EQ(box.last().text, QStringLiteral("บันทึกข้อมูลที่ทำการแก้ไขแล้ว"));
    EXPECT_EQ(box.last().caption, QStringLiteral("ผลการบันทึก"));
    const auto row = db().first("SELECT * FROM tranfile WHERE magno = '10'");
    EXPECT_EQ(row->text(1), "01");
    EXPECT_EQ(row->text(2), "J000001");
    EXPECT_EQ(row->text(4), "31/12/2003");
    EXPECT_EQ(row->text(7), "December");
    EXPECT_EQ(column(w->show_item, 0), QStringList({"10", "11", "12"}));
    EXPECT_EQ(w->Label1.caption(), "   Magno= 10   Daily=  31/12/2003  :  December");
    expectState({true, true, true, false, false, true, false});
    EXPECT_EQ(counter(db()), "125");
}

TEST_F(RegJournalTest, DeleteAsksThenShrinksTheListAndBlanksItAfterTheLastIssue) {
    pickScience();
    pickIssue(1);
    box.queue(ui::msg::kCancel);
    w->Command6_Click();
    EXPECT_EQ(box.last().text, kDeleteAsk);
    EXPECT_EQ(box.last().caption, QStringLiteral(" ยืนยันการลบข้อมูล"));
    EXPECT_EQ(box.last().style, 33);
    EXPECT_EQ(issueCount(db()), 3);

    box.clear();
    w->Command6_Click();
    ASSERT_EQ(box.shown().size(), 2u);
    EXPECT_EQ(box.last().text, QStringLiteral("ทำการลบข้อมูลเรียบร้อยแล้ว"));
    EXPECT_EQ(box.last().caption, QStringLiteral("ผลการลบข้อมูล"));
    EXPECT_EQ(box.last().style, 64);
    EXPECT_EQ(fields().join(""), "");
    EXPECT_EQ(column(w->show_item, 0), QStringList({"10", "12"}));
    EXPECT_EQ(w->Label1.caption(), "   Magno= 10   Daily=  31/01/2003  :  January");
    EXPECT_TRUE(w->Command3.enabled());
    EXPECT_TRUE(w->Command6.enabled());

    for (int i = 0; i < 2; ++i) {
        pickIssue(1);
        w->Command6_Click();
    }
    EXPECT_EQ(issueCount(db()), 0);
    EXPECT_EQ(w->show_item.rows(), 14);
    EXPECT_EQ(column(w->show_item, 0).join(""), "");
    EXPECT_TRUE(w->Label1.caption().isEmpty());
    EXPECT_EQ(counter(db()), "125");

    box.clear();
    w->Command6_Click();  // nothing left under an empty number: no report
    EXPECT_EQ(box.shown().size(), 1u);
}

// An issue another desk registered meanwhile is listed with the one saved or
// deleted here, in the register's order, instead of missing from the rows held.
TEST_F(RegJournalTest, AnotherDesksIssueMeanwhileIsListedAfterASaveOrADelete) {
    const auto registerOrder = [&] {
        QStringList magnos;
        for (const issues::ListedIssue& i : issues::IssueRegister(db()).listedIssuesOf("J000001"))
            magnos << i.row.magno;
        return magnos;
    };
    const struct {
        const char* magno;
        const char* daily;
        bool deleting;
    } cases[] = {{"900", "31/12/2003", false}, {"901", "30/12/2003", true}};
    pickScience();
    for (const auto& c : cases) {
        if (c.deleting)
            pickIssue(1);
        else
            w->Command2_Click();
        addIssue(db(), c.magno, "J000001", c.daily, "another desk");
        box.clear();
        if (c.deleting)
            w->Command6_Click();
        else
            w->Command7_Click();
        EXPECT_EQ(column(w->show_item, 0), registerOrder()) << c.magno;
    }
}

TEST_F(RegJournalTest, ClearBlanksEverythingIncludingTheKeyColumns) {
    pickScience();
    pickIssue(1);
    w->Command8_Click();
    EXPECT_EQ(w->show_journal.rows(), 14);
    for (int c = 0; c < 4; ++c)
        EXPECT_EQ(column(w->show_journal, c).join(""), "") << c;
    EXPECT_EQ(column(w->show_item, 0).join(""), "");
    EXPECT_EQ(fields().join(""), "");
    EXPECT_TRUE(w->Label1.caption().isEmpty());
    EXPECT_TRUE(w->Text1.text().isEmpty());
    EXPECT_EQ(w->focus(), &w->Text1);
    EXPECT_EQ(w->show_journal.highLight(), 2);
    EXPECT_EQ(w->show_item.highLight(), 2);
    expectState({false, false, false, false, false, true, false});

    pickTitle(1);
    EXPECT_EQ(box.last().text, kNoIssues);
    EXPECT_EQ(column(w->show_item, 0).join(""), "");
    EXPECT_FALSE(w->Command2.enabled());  // no title to register under
}

TEST_F(RegJournalTest, ACalendarClosesFirstAndNeverWritesOutsideAnEntry) {
    pickScience();
    pickIssue(1);
    w->Command9_Click();  // forced while no entry is open
    EXPECT_FALSE(w->MonthView1.visible());

    // Escape closes the open calendar first, the entry stays; then cancels.
    w->Command3_Click();
    w->Command9_Click();
    w->escape();
    EXPECT_FALSE(w->MonthView1.visible());
    EXPECT_EQ(w->focus(), &w->Command9);
    EXPECT_TRUE(w->Command7.enabled());
    w->Command10_Click();
    EXPECT_TRUE(w->MonthView2.visible());
    w->escape();
    w->escape();
    EXPECT_FALSE(w->Command7.enabled());
    // A day clicked in a calendar left from the entry reaches no field.
    w->MonthView1.clickDate(QDate(2001, 1, 2));
    w->MonthView2.clickDate(QDate(2001, 1, 3));
    EXPECT_EQ(w->Text3.text(), "15/07/2003");
    EXPECT_EQ(w->Text7.text(), "01/01/2008");

    // Cancel and Save close both calendars.
    for (ui::CommandButton* end : {&w->Command4, &w->Command7}) {
        w->Command3_Click();
        w->Command9_Click();
        w->Command10_Click();
        end->click();
        EXPECT_FALSE(w->MonthView1.visible()) << end->name().toStdString();
        EXPECT_FALSE(w->MonthView2.visible()) << end->name().toStdString();
    }
    EXPECT_EQ(db().first("SELECT daily FROM tranfile WHERE magno = '11'")->text(0), "15/07/2003");

    bool closed = false;
    w->onUnload = [&] { closed = true; };
    w->Command5_Click();
    EXPECT_TRUE(closed);
}

TEST_F(RegJournalTest, WhatAnotherDeskRemovedMeanwhileIsSaidAndNothingIsSaved) {
    const std::pair<const char*, const char*> removals[] = {
        {"DELETE FROM tranfile WHERE magno = '11'", "11"},
        {"DELETE FROM vorlen WHERE department_code = '02'", "การบอกรับ"},
        {"DELETE FROM vorlen1 WHERE pointer = 'J000001'", "ถูกลบ"},
    };
    pickScience();
    for (const auto& [removal, said] : removals) {
        search(QStringLiteral("วิทยา"));
        pickTitle(1);
        pickIssue(1);
        const bool edit = QByteArray(removal).contains("tranfile");
        edit ? w->Command3_Click() : w->Command2_Click();
        db().exec(removal);
        box.clear();
        w->Command7_Click();
        ASSERT_EQ(box.shown().size(), 2u) << removal;
        EXPECT_EQ(box.last().style, ui::msg::kStop) << removal;
        EXPECT_TRUE(box.last().text.contains(QString::fromUtf8(said))) << removal;
        EXPECT_FALSE(w->Command7.enabled()) << removal;
        EXPECT_EQ(counter(db()), "125") << removal;
        if (edit) {
            EXPECT_EQ(column(w->show_item, 0), QStringList({"10", "12"}));
        }
    }
    EXPECT_EQ(issueCount(db()), 2);
}

}  // namespace

// An imported key may carry spaces: the title is found by its key however it
// is spaced, and its issue is stored under the title's own stored key, so the
// title lists it.
TEST_F(RegJournalTest, ATitleKeyStoredWithSpacesIsFoundAndRegisters) {
    const struct {
        const char *title, *subscription, *handed;
    } cases[] = {
        {"J900000", "J900000", "J900000"},       {" J900001", " J900001", "J900001"},
        {"J900002 ", "J900002", "J900002"},      {"J900003", "J900003 ", " J900003 "},
        {"  J900004  ", "  J900004", "J900004"}, {"J900005     ", "     J900005     ", "J900005"}};
    for (const auto& c : cases) {
        db().exec("INSERT INTO vorlen1 (pointer, vorlen_name) VALUES (?, 'นำเข้า')", {c.title});
        db().exec("INSERT INTO vorlen (pointer, department_code) VALUES (?, '01')",
                  {c.subscription});
        w->showTitle(c.handed);
        EXPECT_EQ(w->show_journal.textMatrix(1, 2), c.title) << c.handed;
        w->Command2_Click();
        w->Command7_Click();
        EXPECT_EQ(db().first("SELECT pointer FROM tranfile ORDER BY rowid DESC LIMIT 1")->text(0),
                  c.title)
            << c.handed;
        EXPECT_EQ(w->show_item.rows(), 2) << c.handed << ": the title lists its issue";
    }
}
