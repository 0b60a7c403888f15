#include <gtest/gtest.h>

#include <QFile>
#include <QPrinterInfo>

#include "tests/e2e/DeskDay.h"
#include "tests/support/PdfText.h"

// A whole day at the periodicals desk.

using namespace desk_day;
using testing_support::withoutMarks;

TEST_F(Desk, ADayOfTitlesIssuesAndRenewalsSurvivesARestart) {
    const QDate journalEnds = today.addDays(10), newspaperEnds = today.addDays(20);
    const QDate firstIssue(today.year(), today.month(), 1);
    ASSERT_NO_FATAL_FAILURE(start());

    // Morning: two new titles. The journal's publisher is new to the desk, so
    // the search for it opens the publisher register on the way.
    choose(*main, "aaa");
    QWidget* titles = window("NewJournal");
    ASSERT_NE(titles, nullptr);
    ASSERT_NO_FATAL_FAILURE(enterTitle(
        {true, QStringLiteral("วิชาการ"), journal, QStringLiteral("ภาษาไทย"),
         QStringLiteral("รายเดือน"), QStringLiteral("ครุสาร"), newPublisher,
         QStringLiteral("คณะครุศาสตร์"), "1200", day(journalEnds), QStringLiteral("สมาชิกใหม่"),
         QStringLiteral("เย็บเล่ม"), QStringLiteral("สีน้ำเงิน"), true}));
    ASSERT_NO_FATAL_FAILURE(enterTitle(
        {false, QStringLiteral("ข่าวและเหตุการณ์ปัจจุบัน"), newspaper, QStringLiteral("ภาษาไทย"),
         QStringLiteral("รายวัน"), QStringLiteral("มติชน"), matichon, QStringLiteral("ศูนย์วิทยบริการ"),
         "3650", day(newspaperEnds), QStringLiteral("สมาชิกใหม่"), QStringLiteral("ไม่เย็บเล่ม"),
         QStringLiteral("สีแดง")}));

    showTitle(QStringLiteral("ปริทัศน์"), journal);
    EXPECT_EQ(child<QLineEdit>(titles, "Text1")->text(), "J000001");
    EXPECT_EQ(child<QLineEdit>(titles, "Text10")->text(), newPublisher);
    EXPECT_EQ(child<QLineEdit>(titles, "Mask4")->text(), day(journalEnds));
    EXPECT_TRUE(child<QRadioButton>(titles, "opt1")->isChecked());
    EXPECT_TRUE(child<QPushButton>(titles, "Cmdedit")->isEnabled());

    // Late morning: three issues of the journal come in.
    choose(*main, "ccc");
    QWidget* issues = window("reg_journal");
    ASSERT_NE(issues, nullptr);
    answers.queue({kOk});
    listIssuesOf(QStringLiteral("ครุศาสตร์"));
    EXPECT_EQ(answers.take(), QStringList{QStringLiteral("รายชื่อวารสารนี้ไม่พบข้อมูลการลงทะเบียน")});
    QTableView* found = child<QTableView>(issues, "show_journal");
    EXPECT_EQ(rowTexts(found, 0), QStringList{journal});
    EXPECT_EQ(testing_support::cellText(found, 0, 1), QStringLiteral("คณะครุศาสตร์"));
    for (int n = 1; n <= 3; ++n)
        ASSERT_NO_FATAL_FAILURE(
            registerIssue(n, "5", QString::number(n), QStringLiteral("ฉบับที่ %1").arg(n)));
    QTableView* received = child<QTableView>(issues, "show_item");
    EXPECT_EQ(rowTexts(received, 1), QStringList({day(firstIssue.addDays(2)),
                                                  day(firstIssue.addDays(1)), day(firstIssue)}));
    EXPECT_EQ(rowTexts(received, 4),
              QStringList(
                  {QStringLiteral("ฉบับที่ 3"), QStringLiteral("ฉบับที่ 2"), QStringLiteral("ฉบับที่ 1")}));

    // Noon: two articles of the latest issue indexed, found again by an
    // author and by a word of an abstract, and the day's cards printed.
    choose(*main, "fff");
    QWidget* articleWindow = window("ArticleWindow");
    ASSERT_NE(articleWindow, nullptr);
    retype(child<QLineEdit>(articleWindow, "titleSearchText"), QStringLiteral("ครุศาสตร์"));
    press(articleWindow, "findButton");
    clickCell(child<QTableView>(articleWindow, "titleList"), 0);
    clickCell(child<QTableView>(articleWindow, "issueList"), 0);
    const QString reading = QStringLiteral("การส่งเสริมนิสัยรักการอ่านของนักเรียนประถม");
    const QString teachers = QStringLiteral("Training teachers in rural schools");
    ASSERT_NO_FATAL_FAILURE(
        indexArticle({reading,
                      "1-12",
                      {QStringLiteral("สมชาย ใจดี"), QStringLiteral("Smith, John")},
                      {QStringLiteral("การอ่าน"), QStringLiteral("การศึกษาระดับประถม")},
                      QStringLiteral("ห้องสมุดโรงเรียนช่วยให้นักเรียนอ่านหนังสือมากขึ้น")}));
    ASSERT_NO_FATAL_FAILURE(indexArticle({teachers,
                                          "13-20",
                                          {QStringLiteral("วิไลวรรณ ศรีสุข")},
                                          {QStringLiteral("การฝึกหัดครู")},
                                          QStringLiteral("Mentoring by senior staff")}));
    EXPECT_EQ(rowTexts(child<QTableView>(articleWindow, "articleList"), 1),
              QStringList({reading, teachers}));

    choose(*main, "articleSearch");
    ASSERT_NE(window("ArticleSearchWindow"), nullptr);
    const QStringList bySmith = findArticles({}, QStringLiteral("Smith"));
    ASSERT_EQ(bySmith.size(), 1);
    EXPECT_TRUE(bySmith.first().contains(reading)) << bySmith.first().toStdString();
    EXPECT_TRUE(bySmith.first().contains(QStringLiteral("ปีที่ 5 ฉบับที่ 3")));
    const QStringList byWord = findArticles(QStringLiteral("senior"), {});
    ASSERT_EQ(byWord.size(), 1);
    EXPECT_TRUE(byWord.first().contains(teachers));
    EXPECT_EQ(findArticles(QStringLiteral("senior"), QStringLiteral("Smith")), QStringList());

    choose(*main, "iii");
    QWidget* cards = window("IndexCardWindow");
    ASSERT_NE(cards, nullptr);
    press(cards, "showButton");
    // A main card, a title card and one per heading for each article.
    EXPECT_EQ(rowTexts(child<QTableView>(cards, "cardList"), 1).size(), 2 + 2 + 3);
    const QString cardsPdf = store.folder() + QStringLiteral("/cards.pdf");
    answers.saveFileAs(cardsPdf);
    press(cards, "pdfButton");
    EXPECT_EQ(answers.take(), QStringList{QStringLiteral("(file) บันทึกเป็นไฟล์ PDF")});
    const QString printed = withoutMarks(testing_support::pdfText(cardsPdf));
    for (const QString& expected :
         {withoutMarks(reading), withoutMarks(teachers), withoutMarks(QStringLiteral("ใจดี")),
          withoutMarks(QStringLiteral("การฝึกหัดครู"))})
        EXPECT_TRUE(printed.contains(expected)) << expected.toStdString();
    // Printed once: the day's new cards are none now.
    EXPECT_EQ(rowTexts(child<QTableView>(cards, "cardList"), 0), QStringList());

    // Afternoon: what expires within the month; the journal is renewed for a
    // year and the list printed.
    choose(*main, "jjjj");
    QWidget* renewals = window("expdate");
    ASSERT_NE(renewals, nullptr);
    searchExpiring(true, today, today.addDays(30));
    QTableView* expiring = child<QTableView>(renewals, "showjour");
    EXPECT_EQ(rowTexts(expiring, 0), QStringList{journal});
    EXPECT_EQ(testing_support::cellText(expiring, 0, 1), day(journalEnds));
    EXPECT_EQ(testing_support::cellText(expiring, 0, 2), QStringLiteral("ฉบับที่ 3"));
    searchExpiring(false, today, today.addDays(30));
    EXPECT_EQ(rowTexts(expiring, 0), QStringList{newspaper});
    EXPECT_EQ(testing_support::cellText(expiring, 0, 7), matichon);

    searchExpiring(true, today, today.addDays(30));
    clickCell(expiring, 0);
    EXPECT_EQ(child<QLineEdit>(renewals, "Text3")->text(), journal);
    EXPECT_EQ(child<QComboBox>(renewals, "DataCombo1")->currentText(), QStringLiteral("บาท"));
    press(renewals, "cmdedit");
    const QDate renewedTo = journalEnds.addYears(1);
    retype(child<QLineEdit>(renewals, "Text5"), "1350");
    retype(child<QLineEdit>(renewals, "Text7"), day(today).remove(u'/'));
    retype(child<QLineEdit>(renewals, "Text8"), day(renewedTo).remove(u'/'));
    answers.queue({kCancel});
    press(renewals, "cmdsave");
    EXPECT_EQ(answers.take(), QStringList{QStringLiteral("ต้องการบันทึกข้อมูลหรือไม่")});
    EXPECT_EQ(testing_support::cellText(expiring, 0, 1), day(journalEnds));
    EXPECT_TRUE(child<QLineEdit>(renewals, "Text8")->isEnabled());
    answers.queue({kOk, kOk});
    press(renewals, "cmdsave");
    EXPECT_EQ(answers.take(), QStringList({QStringLiteral("ต้องการบันทึกข้อมูลหรือไม่"),
                                           QStringLiteral("บันทึกข้อมูลเรียบร้อยแล้ว")}));
    EXPECT_EQ(testing_support::cellText(expiring, 0, 1), day(renewedTo));
    EXPECT_EQ(testing_support::cellText(expiring, 0, 4), "1350");
    EXPECT_FALSE(child<QLineEdit>(renewals, "Text8")->isEnabled());

    if (QPrinterInfo::defaultPrinter().isNull()) {
        const QString pdf = store.folder() + QStringLiteral("/expiring.pdf");
        answers.queue({kOk, kOk, kOk});
        answers.saveFileAs(pdf);
        press(renewals, "Cmdprint");
        EXPECT_EQ(answers.take(),
                  QStringList({QStringLiteral("คุณต้องการพิมพ์ข้อมูลหรือไม่"),
                               QStringLiteral("ไม่พบเครื่องพิมพ์ ต้องการบันทึกรายชื่อเป็นไฟล์ PDF หรือไม่"),
                               QStringLiteral("(file) บันทึกเป็นไฟล์ PDF"),
                               QStringLiteral("บันทึกรายชื่อเป็นไฟล์ PDF แล้วที่ ") + pdf}));
        QFile printed(pdf);
        ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
        EXPECT_TRUE(printed.read(5) == "%PDF-");
        EXPECT_GT(printed.size(), 1000);
    }

    // Evening: every window closed and opened afresh, then the program ends.
    closeAndReopen("NewJournal", "Command6", "aaa");
    titles = window("NewJournal");
    EXPECT_EQ(child<QLineEdit>(titles, "Text1")->text(), "");
    // The register opened by mistake is closed unsaved, and the entry dropped.
    press(titles, "Cmdadd");
    type(child<QLineEdit>(titles, "Text10"), QStringLiteral("ไม่มีใครชื่อนี้"));
    QTest::mouseDClick(child<QLineEdit>(titles, "Text10"), Qt::LeftButton);
    settle();
    QPointer<QWidget> dealer = window("Adddealer");
    ASSERT_TRUE(dealer);
    EXPECT_EQ(child<QLineEdit>(dealer, "Text1")->text(), "7");
    press(dealer, "Command2");
    settle();
    EXPECT_FALSE(dealer);
    answers.queue({kOk});
    press(titles, "Cmdcancle");
    EXPECT_EQ(answers.take(), QStringList{QStringLiteral("ต้องการยกเลิกข้อมูลหรือไม่")});
    EXPECT_FALSE(child<QLineEdit>(titles, "Text10")->isEnabled());
    closeAndReopen("reg_journal", "Command5", "ccc");
    EXPECT_EQ(rowTexts(child<QTableView>(window("reg_journal"), "show_journal"), 0), QStringList());
    closeAndReopen("expdate", "Command3", "jjjj");
    EXPECT_EQ(rowTexts(child<QTableView>(window("expdate"), "showjour"), 0), QStringList());
    quit();
    EXPECT_EQ(answers.take(), QStringList());

    // Next morning: everything is still there.
    ASSERT_NO_FATAL_FAILURE(start());
    choose(*main, "aaa");
    titles = window("NewJournal");
    showTitle(QStringLiteral("ข่าวเช้า"), newspaper);
    EXPECT_EQ(child<QLineEdit>(titles, "Text1")->text(), "K000001");
    EXPECT_TRUE(child<QRadioButton>(titles, "opt2")->isChecked());
    EXPECT_EQ(child<QLineEdit>(titles, "Text14")->text(), matichon);
    showTitle(QStringLiteral("ปริทัศน์"), journal);
    EXPECT_EQ(child<QLineEdit>(titles, "Mask4")->text(), day(renewedTo));
    EXPECT_EQ(child<QLineEdit>(titles, "Text11")->text(), "1350");

    choose(*main, "ccc");
    listIssuesOf(QStringLiteral("ปริทัศน์"));
    EXPECT_EQ(rowTexts(child<QTableView>(window("reg_journal"), "show_item"), 4),
              QStringList(
                  {QStringLiteral("ฉบับที่ 3"), QStringLiteral("ฉบับที่ 2"), QStringLiteral("ฉบับที่ 1")}));

    choose(*main, "jjjj");
    searchExpiring(false, today, today.addDays(30));
    EXPECT_EQ(rowTexts(child<QTableView>(window("expdate"), "showjour"), 0),
              QStringList{newspaper});
    quit();
    EXPECT_EQ(answers.take(), QStringList());

    EXPECT_EQ(cell("SELECT count(*) FROM vorlen1"), "2");
    EXPECT_EQ(cell("SELECT count(*) || ':' || min(pointer) || ',' || max(pointer) FROM vorlen"),
              "2:J000001,K000001");
    EXPECT_EQ(cell("SELECT Publisher_Name FROM dealer WHERE Publisher_Code = '6'"), newPublisher);
    EXPECT_EQ(cell("SELECT count(*) FROM dealer"), "6");
    EXPECT_EQ(cell("SELECT count(*) FROM tranfile WHERE pointer = 'J000001'"), "3");
    EXPECT_EQ(cell("SELECT end_period FROM vorlen WHERE pointer = 'J000001'"), day(renewedTo));
    EXPECT_EQ(cell("SELECT count(*) || ':' || count(DISTINCT magno) FROM article"), "2:1");
    EXPECT_EQ(cell("SELECT count(*) FROM index_card WHERE printed_on IS NOT NULL"), "7");
    EXPECT_EQ(cell("SELECT price_per_year FROM vorlen WHERE pointer = 'J000001'"), "1350");
}

// The desk keeps its own lists: a new faculty subscribes to a title on the
// day it is added, and a publisher's corrected name shows on its titles.
TEST_F(Desk, ANewFacultySubscribesAndARenamedPublisherShowsOnItsTitle) {
    ASSERT_NO_FATAL_FAILURE(start());
    const QString faculty = QStringLiteral("คณะพยาบาลศาสตร์");
    choose(*main, "aaa");
    QWidget* titles = window("NewJournal");
    ASSERT_NE(titles, nullptr);

    choose(*main, "tr");
    QWidget* defaults = window("defaults");
    ASSERT_NE(defaults, nullptr);
    type(child<QLineEdit>(defaults, "codeText"), "08");
    type(child<QLineEdit>(defaults, "descriptionText"), faculty);
    answers.queue({kOk});
    press(defaults, "addButton");
    EXPECT_EQ(rowTexts(child<QTableView>(defaults, "codeList"), 1).last(), faculty);
    EXPECT_EQ(
        answers.take(),
        QStringList({QStringLiteral("เพิ่มรหัส 08 คณะพยาบาลศาสตร์ ในตารางคณะ/หน่วยงานที่บอกรับ แล้ว")}));

    ASSERT_NO_FATAL_FAILURE(
        enterTitle({true, QStringLiteral("วิชาการ"), journal, QStringLiteral("ภาษาไทย"),
                    QStringLiteral("รายเดือน"), QStringLiteral("มติชน"), matichon, faculty, "900",
                    day(today.addDays(30)), QStringLiteral("สมาชิกใหม่"), QStringLiteral("เย็บเล่ม"),
                    QStringLiteral("สีแดง")}));

    choose(*main, "i");
    QWidget* publishers = window("PublisherMaintenance");
    ASSERT_NE(publishers, nullptr);
    type(child<QLineEdit>(publishers, "Text1"), QStringLiteral("มติชน"));
    press(publishers, "Cmdfind");
    clickCell(child<QTableView>(publishers, "showdealer"), 0);
    EXPECT_EQ(child<QLineEdit>(publishers, "Text2")->text(), "2");
    const QString renamed = QStringLiteral("บริษัท มติชน จำกัด (มหาชน) สำนักพิมพ์มติชน");
    retype(child<QLineEdit>(publishers, "Text3"), renamed);
    press(publishers, "Cmdsave");
    EXPECT_EQ(answers.take(), QStringList());

    showTitle(QStringLiteral("ปริทัศน์"), journal);
    EXPECT_EQ(child<QLineEdit>(titles, "Text10")->text(), renamed);
    EXPECT_EQ(child<QLineEdit>(titles, "Text14")->text(), renamed);
    clickTab(child<QTabWidget>(titles, "SSTab1"), 1);
    EXPECT_EQ(child<QComboBox>(titles, "dcbdepart")->currentText(), faculty);
}
