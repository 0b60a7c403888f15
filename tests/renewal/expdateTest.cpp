#include <gtest/gtest.h>

#include "data/Schema.h"
#include "renewal/expdate.h"
#include "tests/renewal/ExpiryFixture.h"
#include "tests/renewal/FakePrinting.h"
#include "tests/support/TempDatabase.h"
#include "ui/Fakes.h"

using renewal::expdate;
using renewal_test::addIssue;
using renewal_test::addSubscription;

namespace {

const QString kBadDate = QStringLiteral("พิมพ์ข้อมูลวันที่ผิดพลาด ใช้รูปแบบ DD/MM/YYYY");
const QString kNotFound = QStringLiteral("ไม่พบรายชื่อวารสารที่จะครบอายุสมาชิกในช่วงเวลานี้");
const QString kSaved = QStringLiteral("บันทึกข้อมูลเรียบร้อยแล้ว");

class ExpdateTest : public ::testing::Test {
  protected:
    void SetUp() override {
        w = std::make_unique<expdate>(services);
        ASSERT_TRUE(w->Form_Load());
    }

    // Journals J000001.. ending 1, 2, ... February 2008.
    void addJournals(int n) {
        for (int i = 1; i <= n; ++i)
            addSubscription(temp.db(), {QStringLiteral("J%1").arg(i, 6, 10, QChar('0')),
                                        QStringLiteral("Journal %1").arg(i),
                                        QStringLiteral("%1/02/2008").arg(i, 2, 10, QChar('0'))});
    }

    void search(bool journals, const QString& first = "01/01/2008",
                const QString& last = "31/03/2008") {
        if (journals)
            w->Option1.click();
        else
            w->Option2.click();
        w->Text1.setText(first);
        w->Text2.setText(last);
        w->Command1.click();
    }

    QString cell(int r, int c) const { return w->showjour.textMatrix(r, c); }
    QString stored(const QString& key, int column) {
        return temp.db().first("SELECT * FROM vorlen WHERE pointer = ?", {key})->text(column);
    }

    testing_support::TempDatabase temp;
    ui::FakeMessageBox messages;
    ui::FixedClock clock{QDate(2008, 1, 15)};
    ui::RecordingOpener opener;
    QString newdealer;
    renewal_test::FakePrinting printing;
    ui::Services services{temp.path(), messages, clock, opener, newdealer, &printing};
    std::unique_ptr<expdate> w;
};

}  // namespace

TEST_F(ExpdateTest, OpensEmptyWithTodayInTheRange) {
    EXPECT_EQ(w->caption(), "โปรแกรมต่ออายุวารสาร");
    EXPECT_EQ(w->showjour.cols(), 11);
    EXPECT_EQ(cell(0, 1), "   วันที่ครบอายุ");
    EXPECT_EQ(cell(0, 2), "    ฉบับล่าสุดที่ได้รับ");
    EXPECT_EQ(w->Text1.text(), "15/01/2008");
    EXPECT_EQ(w->Text2.text(), "15/01/2008");
    EXPECT_EQ(w->focus(), &w->Text1);
    EXPECT_EQ(w->Text1.selLength(), 10);
    EXPECT_FALSE(w->Option1.value() || w->Option2.value());
    for (ui::TextBox* box : {&w->Text3, &w->Text4, &w->Text5, &w->Text6, &w->Text7, &w->Text8}) {
        EXPECT_FALSE(box->enabled()) << box->name().toStdString();
        EXPECT_EQ(box->backColor(), ui::kLockedColor);
    }
    EXPECT_FALSE(w->DataCombo1.enabled());
    EXPECT_EQ(w->DataCombo1.rows().size(), 5u);
    EXPECT_FALSE(w->Cmdprint.enabled() || w->cmdedit.enabled() || w->cmdsave.enabled());
}

TEST_F(ExpdateTest, SearchListsTheChosenKindInDateOrderWithLatestIssue) {
    data::Database& db = temp.db();
    addSubscription(db, {"J000001", "Journal March", "15/03/2008", "1", "1", "1", "02", "900", "33",
                         "3/1/2007"});
    addSubscription(db, {"J000002", "Journal January", "20/1/2008"});
    addSubscription(db, {"K000001", "Newspaper", "01/02/2008"});
    addIssue(db, "J000001", "01/02/2008", "ฉบับที่ 2");
    addIssue(db, "J000001", "01/12/2007", "ฉบับที่ 1");

    search(true);
    EXPECT_EQ(w->nextrow, 3);
    EXPECT_EQ(w->showjour.rows(), 12);
    EXPECT_EQ(w->showjour.row(), 1);
    EXPECT_EQ(cell(1, 0), "Journal January");
    EXPECT_EQ(cell(1, 1), "20/01/2008");
    EXPECT_EQ(cell(1, 2), "");
    EXPECT_EQ(cell(2, 0), "Journal March");
    EXPECT_EQ(cell(2, 1), "15/03/2008");
    EXPECT_EQ(cell(2, 2), "ฉบับที่ 2");
    EXPECT_EQ(cell(2, 4), "900");
    EXPECT_EQ(cell(2, 5), "33");
    EXPECT_EQ(cell(2, 6), "03/01/2007");
    EXPECT_EQ(cell(2, 7), "บริษัท ซีเอ็ดยูเคชั่น จำกัด (มหาชน)");
    EXPECT_EQ(cell(2, 8), "ดอลลาร์สหรัฐ");
    EXPECT_EQ(cell(2, 9), "J000001");
    EXPECT_TRUE(w->Cmdprint.enabled());
    EXPECT_FALSE(w->cmdedit.enabled());
    EXPECT_TRUE(messages.shown().empty());

    // With neither option chosen the search lists both kinds.
    auto fresh = std::make_unique<expdate>(services);
    ASSERT_TRUE(fresh->Form_Load());
    fresh->Text1.setText("01/01/2008");
    fresh->Text2.setText("31/03/2008");
    fresh->Command1.click();
    EXPECT_EQ(fresh->showjour.textMatrix(1, 9), "J000002");
    EXPECT_EQ(fresh->showjour.textMatrix(2, 9), "K000001");
    EXPECT_EQ(fresh->showjour.textMatrix(3, 9), "J000001");
    EXPECT_EQ(fresh->nextrow, 4);
}

TEST_F(ExpdateTest, GridRowCountFollowsTheNumberFound) {
    addJournals(11);
    search(true, "01/02/2008", "09/02/2008");
    EXPECT_EQ(w->showjour.rows(), 12);
    EXPECT_EQ(cell(9, 9), "J000009");
    EXPECT_EQ(cell(10, 0), "");
    EXPECT_EQ(cell(11, 0), "");
    search(true, "01/02/2008", "10/02/2008");
    EXPECT_EQ(w->showjour.rows(), 11);
    search(true, "01/02/2008", "11/02/2008");
    EXPECT_EQ(w->showjour.rows(), 12);
    EXPECT_EQ(cell(11, 9), "J000011");
    EXPECT_EQ(w->nextrow, 12);
    // A shorter list leaves no row of the longer one behind.
    search(true, "01/02/2008", "01/02/2008");
    EXPECT_EQ(w->showjour.rows(), 12);
    EXPECT_EQ(cell(1, 9), "J000001");
    for (int c = 0; c < 9; ++c)
        EXPECT_EQ(cell(2, c), "");
}

TEST_F(ExpdateTest, EmptyResultKeepsTheEarlierList) {
    addJournals(3);
    search(true);
    search(true, "31/03/2008", "01/01/2008");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.last().text, kNotFound);
    EXPECT_EQ(messages.last().caption, "ผลการตรวจเช็ค");
    EXPECT_EQ(messages.last().style, ui::msg::kInformation);
    EXPECT_EQ(w->nextrow, 1);
    EXPECT_EQ(cell(3, 9), "J000003");
    EXPECT_TRUE(w->Cmdprint.enabled());
}

TEST_F(ExpdateTest, RangeThatIsNotADateIsRefusedAndChangesNothing) {
    addJournals(2);
    search(true);
    for (const auto& [first, last, bad] : std::vector<std::tuple<QString, QString, ui::TextBox*>>{
             {"32/01/2008", "31/03/2008", &w->Text1},
             {"01/01/2008", "31/03/2008'", &w->Text2},
             {"01/01/2008", "' OR 1=1 --", &w->Text2},
             {"", "31/03/2008", &w->Text1},
             {"01/13/2008", "31/03/2008", &w->Text1}}) {
        messages.clear();
        search(true, first, last);
        ASSERT_EQ(messages.shown().size(), 1u) << first.toStdString() << last.toStdString();
        EXPECT_EQ(messages.last().text, kBadDate);
        EXPECT_EQ(messages.last().caption, "รูปแบบข้อมูลผิดพลาด");
        EXPECT_EQ(messages.last().style, ui::msg::kStop);
        EXPECT_EQ(w->focus(), bad);
        EXPECT_EQ(w->nextrow, 3);
        EXPECT_EQ(cell(2, 9), "J000002");
        EXPECT_TRUE(w->Cmdprint.enabled());
    }
}

TEST_F(ExpdateTest, RowClickLoadsTheDetailsAndClearEmptiesTheWindow) {
    addJournals(2);
    search(true);
    w->showjour.click(2, 0);
    EXPECT_EQ(w->selpointer, "J000002");
    EXPECT_EQ(w->Text3.text(), "Journal 2");
    EXPECT_EQ(w->Text4.text(), "บริษัท ซีเอ็ดยูเคชั่น จำกัด (มหาชน)");
    EXPECT_EQ(w->Text5.text(), "1200");
    EXPECT_EQ(w->Text6.text(), "35.5");
    EXPECT_EQ(w->Text7.text(), "01/01/2007");
    EXPECT_EQ(w->Text8.text(), "02/02/2008");
    EXPECT_EQ(w->DataCombo1.text(), "ดอลลาร์สหรัฐ");
    EXPECT_EQ(w->DataCombo1.boundText(), "02");
    EXPECT_TRUE(w->cmdedit.enabled());
    EXPECT_FALSE(w->cmdsave.enabled());
    EXPECT_FALSE(w->Text5.enabled());

    w->Text1.setText("01/01/2000");
    w->Command2.click();
    EXPECT_EQ(w->showjour.rows(), 11);
    for (int r = 1; r < 11; ++r)
        for (int c = 0; c < w->showjour.cols(); ++c)
            EXPECT_EQ(cell(r, c), "");
    for (ui::TextBox* box :
         {&w->Text3, &w->Text9, &w->Text4, &w->Text5, &w->Text6, &w->Text7, &w->Text8})
        EXPECT_EQ(box->text(), "");
    EXPECT_EQ(w->DataCombo1.text(), "");
    EXPECT_EQ(w->Text1.text(), "15/01/2008");
    EXPECT_FALSE(w->Cmdprint.enabled() || w->cmdedit.enabled() || w->cmdsave.enabled());
    EXPECT_EQ(w->nextrow, 3);
    EXPECT_EQ(w->selpointer, "J000002");
    w->showjour.click(1, 0);
    EXPECT_EQ(w->selpointer, "");
}

TEST_F(ExpdateTest, RenewalWritesTrimmedValuesAndShowsThemAsTyped) {
    addJournals(2);
    search(true);
    w->showjour.click(2, 0);
    w->cmdedit.click();
    EXPECT_FALSE(w->cmdedit.enabled());
    EXPECT_TRUE(w->cmdsave.enabled());
    EXPECT_EQ(w->focus(), &w->Text5);
    EXPECT_FALSE(w->Text3.enabled());
    EXPECT_EQ(w->Text3.backColor(), ui::kEditableColor);
    for (ui::TextBox* box : {&w->Text5, &w->Text6, &w->Text7, &w->Text8}) {
        EXPECT_TRUE(box->enabled());
        EXPECT_EQ(box->backColor(), ui::kEditableColor);
    }
    EXPECT_TRUE(w->DataCombo1.enabled());

    w->Text5.setText(" 1500.50 ");
    w->DataCombo1.userChoose(4);
    w->Text6.setText(" 40 ");
    w->Text7.setText(" 2/1/2008");
    w->Text8.setText("15/02/2009 ");
    messages.queue(ui::msg::kCancel);
    w->cmdsave.click();
    EXPECT_EQ(stored("J000002", data::vorlen::price_per_year), "1200");
    EXPECT_TRUE(w->cmdsave.enabled());
    EXPECT_TRUE(w->Text5.enabled());

    messages.clear();
    w->cmdsave.click();
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown()[0].text, "ต้องการบันทึกข้อมูลหรือไม่");
    EXPECT_EQ(messages.shown()[0].caption, "บันทึกข้อมูล");
    EXPECT_EQ(messages.shown()[0].style, ui::msg::kConfirm);
    EXPECT_EQ(messages.last().text, kSaved);
    EXPECT_EQ(messages.last().caption, "ผลการบันทึกข้อมูล");
    EXPECT_EQ(messages.last().style, ui::msg::kInformation);
    EXPECT_EQ(stored("J000002", data::vorlen::price_per_year), "1500.50");
    EXPECT_EQ(stored("J000002", data::vorlen::currency_code), "05");
    EXPECT_EQ(stored("J000002", data::vorlen::exchange_rate), "40");
    EXPECT_EQ(stored("J000002", data::vorlen::order_date), "02/01/2008");
    EXPECT_EQ(stored("J000002", data::vorlen::end_period), "15/02/2009");
    EXPECT_EQ(stored("J000001", data::vorlen::price_per_year), "1200");
    EXPECT_EQ(cell(2, 4), " 1500.50 ");
    EXPECT_EQ(cell(2, 5), " 40 ");
    EXPECT_EQ(cell(2, 6), " 2/1/2008");
    EXPECT_EQ(cell(2, 1), "15/02/2009 ");
    EXPECT_EQ(cell(2, 8), "ยูโร");
    EXPECT_EQ(cell(1, 4), "1200");
    EXPECT_TRUE(w->cmdedit.enabled());
    EXPECT_FALSE(w->cmdsave.enabled());
    EXPECT_FALSE(w->Text5.enabled());
    EXPECT_EQ(w->Text5.backColor(), ui::kLockedColor);
}

TEST_F(ExpdateTest, ARenewalOffersTheCurrenciesAsTheyAreNow) {
    addJournals(1);
    search(true);
    w->showjour.click(1, 0);
    // Another window adds a currency and renames the one the row shows.
    temp.db().exec("INSERT INTO currmony VALUES ('06', 'วอน')");
    temp.db().exec("UPDATE currmony SET Currency_Thai_Des = 'ดอลลาร์' WHERE Currency_Code = '02'");
    w->cmdedit.click();
    ASSERT_EQ(w->DataCombo1.rows().size(), 6u);
    EXPECT_EQ(w->DataCombo1.boundText(), "02");
    EXPECT_EQ(w->DataCombo1.text(), QStringLiteral("ดอลลาร์"));
    w->DataCombo1.userChoose(5);
    w->cmdsave.click();
    EXPECT_EQ(stored("J000001", data::vorlen::currency_code), "06");
}

TEST_F(ExpdateTest, AFeeOnlyRenewalKeepsASecondCurrencyOfTheSameName) {
    temp.db().exec("INSERT INTO currmony VALUES ('06', 'บาท')");
    addSubscription(temp.db(), {"J000001", "Journal 1", "01/02/2008", "1", "1", "1", "06"});
    search(true);
    w->showjour.click(1, 0);
    w->cmdedit.click();
    EXPECT_EQ(w->DataCombo1.boundText(), "06");
    w->Text5.setText("1300");
    w->cmdsave.click();
    EXPECT_EQ(stored("J000001", data::vorlen::currency_code), "06");
    EXPECT_EQ(stored("J000001", data::vorlen::price_per_year), "1300");
}

TEST_F(ExpdateTest, RenewalRefusesDatesThatAreNotDates) {
    addJournals(1);
    search(true);
    w->showjour.click(1, 0);
    w->cmdedit.click();
    for (const auto& [order, end, bad] : std::vector<std::tuple<QString, QString, ui::TextBox*>>{
             {"01/01/2008", "31/02/2009", &w->Text8},
             {"", "01/02/2009", &w->Text7},
             {"01/01/2008", "01/0", &w->Text8},
             {"1/1/2008'", "01/02/2009", &w->Text7}}) {
        messages.clear();
        w->Text7.setText(order);
        w->Text8.setText(end);
        w->cmdsave.click();
        ASSERT_EQ(messages.shown().size(), 1u);
        EXPECT_EQ(messages.last().text, kBadDate);
        EXPECT_EQ(messages.last().caption, "รูปแบบข้อมูลผิดพลาด");
        EXPECT_EQ(messages.last().style, ui::msg::kStop);
        EXPECT_EQ(w->focus(), bad);
        EXPECT_TRUE(w->cmdsave.enabled());
        EXPECT_EQ(stored("J000001", data::vorlen::end_period), "01/02/2008");
        EXPECT_EQ(stored("J000001", data::vorlen::order_date), "01/01/2007");
    }
}

TEST_F(ExpdateTest, RenewalOfABlankRowWritesNothingAndSaysSo) {
    addJournals(1);
    search(true);
    w->showjour.click(5, 0);
    EXPECT_TRUE(w->cmdedit.enabled());
    w->cmdedit.click();
    w->Text5.setText("10");
    w->Text7.setText("01/01/2008");
    w->Text8.setText("01/01/2009");
    w->cmdsave.click();
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_NE(messages.last().text, kSaved);
    EXPECT_EQ(messages.last().style, ui::msg::kStop);
    EXPECT_EQ(temp.db().first("SELECT count(*) FROM vorlen WHERE price_per_year = '10'")->text(0),
              "0");
    for (int c = 0; c < 9; ++c)
        EXPECT_EQ(cell(5, c), "");
    EXPECT_TRUE(w->cmdsave.enabled());
}

TEST_F(ExpdateTest, RenewalAfterALaterSearchUpdatesTheRowOfTheKey) {
    addJournals(3);
    search(true);
    w->showjour.click(2, 0);
    w->cmdedit.click();
    search(true, "02/02/2008", "03/02/2008");  // J000002 is now row 1
    w->Text5.setText("2222");
    w->cmdsave.click();
    EXPECT_EQ(messages.last().text, kSaved);
    EXPECT_EQ(stored("J000002", data::vorlen::price_per_year), "2222");
    EXPECT_EQ(cell(1, 9), "J000002");
    EXPECT_EQ(cell(1, 4), "2222");
    EXPECT_EQ(cell(2, 4), "1200");

    // A list without the key leaves the grid alone.
    w->cmdedit.click();
    search(true, "03/02/2008", "03/02/2008");
    w->Text5.setText("3333");
    w->cmdsave.click();
    EXPECT_EQ(stored("J000002", data::vorlen::price_per_year), "3333");
    EXPECT_EQ(cell(1, 9), "J000003");
    EXPECT_EQ(cell(1, 4), "1200");
}

TEST_F(ExpdateTest, RenewalChangesTheClickedFacultysSubscriptionOnly) {
    renewal_test::Subscription science{"J000001", "Science", "15/02/2008"};
    addSubscription(temp.db(), science);
    science.department = "03";
    addSubscription(temp.db(), science);
    search(true);
    ASSERT_EQ(w->nextrow, 3);
    // The two subscriptions of one title are told apart by their faculty,
    // on screen and on paper.
    EXPECT_EQ(cell(0, 3).trimmed(), "คณะที่บอกรับ");
    EXPECT_EQ(cell(2, 3), "คณะวิทยาศาสตร์และเทคโนโลยี");
    EXPECT_FALSE(cell(1, 3).isEmpty());
    EXPECT_NE(cell(1, 3), cell(2, 3));
    w->Cmdprint.click();
    std::vector<std::pair<double, QString>> faculties;
    for (const auto& p : printing.printed)
        if (p.text == cell(1, 3) || p.text == cell(2, 3))
            faculties.emplace_back(p.y, p.text);
    ASSERT_EQ(faculties.size(), 2u);
    EXPECT_LT(faculties[0].first, faculties[1].first) << "each on its own line";
    EXPECT_EQ(faculties[1].second, "คณะวิทยาศาสตร์และเทคโนโลยี");

    w->showjour.click(2, 0);
    EXPECT_EQ(w->Text9.text(), "คณะวิทยาศาสตร์และเทคโนโลยี");
    EXPECT_FALSE(w->Text9.enabled());
    w->cmdedit.click();
    EXPECT_FALSE(w->Text9.enabled());
    w->Text5.setText("4444");
    w->Text8.setText("15/02/2009");
    w->cmdsave.click();
    EXPECT_EQ(messages.last().text, kSaved);
    const auto rows = temp.db().query(
        "SELECT department_code, price_per_year, end_period FROM vorlen"
        " ORDER BY rowid");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].text(1), "1200");
    EXPECT_EQ(rows[0].text(2), "15/02/2008");
    EXPECT_EQ(rows[1].text(0), "03");
    EXPECT_EQ(rows[1].text(1), "4444");
    EXPECT_EQ(rows[1].text(2), "15/02/2009");
    EXPECT_EQ(cell(1, 4), "1200");
    EXPECT_EQ(cell(1, 1), "15/02/2008");
    EXPECT_EQ(cell(2, 4), "4444");
    EXPECT_EQ(cell(2, 1), "15/02/2009");
    EXPECT_EQ(w->focus(), &w->Text1);
}

TEST_F(ExpdateTest, EscapeAbandonsARenewalWithTheRowsValuesBack) {
    addJournals(2);
    search(true);
    w->showjour.click(2, 0);
    w->escape();  // nothing is being renewed
    EXPECT_TRUE(w->cmdedit.enabled());

    w->cmdedit.click();
    w->Text5.setText("9999");
    w->Text8.setText("01/01/2010");
    w->escape();
    EXPECT_EQ(w->Text5.text(), "1200");
    EXPECT_EQ(w->Text8.text(), "02/02/2008");
    EXPECT_FALSE(w->Text5.enabled());
    EXPECT_TRUE(w->cmdedit.enabled());
    EXPECT_FALSE(w->cmdsave.enabled());
    EXPECT_EQ(w->focus(), &w->Text1);
    EXPECT_EQ(stored("J000002", data::vorlen::price_per_year), "1200");
    EXPECT_EQ(cell(2, 4), "1200");

    w->cmdedit.click();
    w->Text5.setText("9999");
    search(true, "01/02/2008", "01/02/2008");  // the row being renewed leaves the list
    w->escape();
    EXPECT_EQ(w->Text5.text(), "");
    EXPECT_FALSE(w->cmdsave.enabled());
    EXPECT_EQ(stored("J000002", data::vorlen::price_per_year), "1200");
}

TEST_F(ExpdateTest, PrintsTheGridOnTheDefaultPrinter) {
    addJournals(3);
    search(true);
    w->showjour.click(3, 0);
    w->cmdedit.click();
    w->Text8.setText("31/12/2008");
    w->cmdsave.click();
    messages.clear();

    messages.queue(ui::msg::kCancel);
    w->Cmdprint.click();
    EXPECT_TRUE(printing.opened.isEmpty());
    EXPECT_EQ(messages.last().text, "คุณต้องการพิมพ์ข้อมูลหรือไม่");
    EXPECT_EQ(messages.last().caption, "พิมพ์ข้อมูล");
    EXPECT_EQ(messages.last().style, ui::msg::kConfirm);

    w->Text1.setText("02/01/2008");
    w->Cmdprint.click();
    EXPECT_EQ(printing.opened, QStringList{"printer"});
    ASSERT_TRUE(printing.ended);
    QStringList texts;
    for (const auto& p : printing.printed)
        texts << p.text;
    EXPECT_TRUE(texts.contains("ระหว่างวันที่  02/01/2008  ถึง  31/03/2008"));
    EXPECT_LT(texts.indexOf("Journal 1"), texts.indexOf("Journal 2"));
    EXPECT_LT(texts.indexOf("Journal 2"), texts.indexOf("Journal 3"));
    EXPECT_TRUE(texts.contains("31/12/2008"));
    EXPECT_EQ(texts.back(), "รวมทั้งสิ้น 3 รายชื่อ");
    EXPECT_EQ(w->nextrow, 4);
    EXPECT_TRUE(w->Cmdprint.enabled());
}

TEST_F(ExpdateTest, WithoutAPrinterTheListCanGoToAPdfFile) {
    addJournals(2);
    search(true);
    printing.hasPrinter = false;
    messages.clear();

    messages.queue(ui::msg::kOk);
    messages.queue(ui::msg::kCancel);
    w->Cmdprint.click();
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.last().style, ui::msg::kConfirm);
    EXPECT_TRUE(messages.last().text.startsWith("ไม่พบเครื่องพิมพ์"));
    EXPECT_TRUE(printing.opened.isEmpty());

    w->Cmdprint.click();  // the user cancels the file dialog
    EXPECT_TRUE(printing.opened.isEmpty());

    EXPECT_EQ(printing.proposedName, "expiry-list-2008-01-01-2008-03-31.pdf");
    printing.chosenPath = "/tmp/list.pdf";
    messages.clear();
    w->Cmdprint.click();
    EXPECT_EQ(printing.opened, QStringList{"/tmp/list.pdf"});
    EXPECT_EQ(printing.printed.back().text, "รวมทั้งสิ้น 2 รายชื่อ");
    EXPECT_EQ(messages.last().style, ui::msg::kInformation);
    EXPECT_TRUE(messages.last().text.endsWith(" /tmp/list.pdf"));

    w->Text2.setText("3x/03/2008");  // a range that is no date proposes the plain name
    w->Cmdprint.click();
    EXPECT_EQ(printing.proposedName, "expiry-list.pdf");
}

TEST_F(ExpdateTest, PrinterFailuresAreReportedAndChangeNothing) {
    addJournals(2);
    search(true);
    printing.refuse = true;
    messages.clear();
    w->Cmdprint.click();
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.last().text, "เครื่องพิมพ์ไม่รับงานพิมพ์");
    EXPECT_EQ(messages.last().caption, "พิมพ์ข้อมูล");
    EXPECT_EQ(messages.last().style, ui::msg::kStop);
    EXPECT_TRUE(w->Cmdprint.enabled());
    EXPECT_EQ(w->nextrow, 3);

    ui::Services noPrinting{temp.path(), messages, clock, opener, newdealer};
    expdate other(noPrinting);
    ASSERT_TRUE(other.Form_Load());
    other.Option1.click();
    other.Text1.setText("01/01/2008");
    other.Text2.setText("31/03/2008");
    other.Command1.click();
    messages.clear();
    other.Cmdprint.click();
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.last().text, "ไม่พบเครื่องพิมพ์");
    EXPECT_EQ(messages.last().style, ui::msg::kStop);
}

TEST_F(ExpdateTest, DatabaseFailureIsReportedAndExitUnloads) {
    addJournals(1);
    search(true);
    temp.db().exec("DROP TABLE currmony");
    messages.clear();
    search(true, "01/01/2008", "31/12/2008");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.last().caption, ui::kDatabaseErrorCaption);
    EXPECT_EQ(cell(1, 9), "J000001");
    EXPECT_EQ(w->nextrow, 2);

    bool unloaded = false;
    w->onUnload = [&] { unloaded = true; };
    w->Command3.click();
    EXPECT_TRUE(unloaded);
}

TEST_F(ExpdateTest, DateFieldsTakeTheDateKeystrokesAndClicksSelectAll) {
    addJournals(1);
    search(true);
    w->showjour.click(1, 0);
    w->cmdedit.click();
    for (ui::TextBox* box : {&w->Text1, &w->Text2, &w->Text7, &w->Text8}) {
        box->setText(QString());
        box->typeText("0a1012008x9");
        EXPECT_EQ(box->text(), "01/01/2008") << box->name().toStdString();
        box->setText("12");
        box->typeKey('a');
        EXPECT_EQ(box->text(), "12/a") << box->name().toStdString();
    }
    for (ui::TextBox* box : {&w->Text1, &w->Text2, &w->Text5, &w->Text6, &w->Text7, &w->Text8}) {
        box->setText(" 1 2 ");
        box->click();
        EXPECT_EQ(box->selStart(), 0);
        EXPECT_EQ(box->selLength(), 5) << box->name().toStdString();
    }
    // The fee and rate take any character, a decimal point included.
    w->Text5.setText(QString());
    w->Text5.typeText("1,250.75 x");
    EXPECT_EQ(w->Text5.text(), "1,250.75 x");
}
