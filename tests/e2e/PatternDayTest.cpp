#include <gtest/gtest.h>

#include "tests/e2e/DeskDay.h"

// A day of receiving by the publication pattern: the clerk gives the journal
// its pattern, receives three issues by scanning their covers, one issue
// between them never came, and the late list names it.

using namespace desk_day;

namespace {

const QString kIssn = QStringLiteral("03178471");
// 977, the ISSN without its check digit, 00, the code's own check digit.
const QString kCover = QStringLiteral("9770317847001");

struct PatternDesk : Desk {
    // Scans a cover into the registration window's search field and takes
    // the proposed issue with Enter.
    void receiveByScan(const QString& addOn) {
        QWidget* w = window("reg_journal");
        QLineEdit* search = child<QLineEdit>(w, "Text1");
        retype(search, kCover + addOn);
        QTest::keyClick(search, Qt::Key_Return);
        settle();
        EXPECT_EQ(child<QLineEdit>(w, "Text5")->text(), QString::number(addOn.toInt()));
        QWidget* focused = w->focusWidget();
        ASSERT_EQ(focused, child<QPushButton>(w, "Command7")) << "the save button takes Enter";
        QTest::keyClick(focused, Qt::Key_Return);
        settle();
    }
};

}  // namespace

TEST_F(PatternDesk, ThreeIssuesScannedInAndTheSkippedOneIsLateByItsNumber) {
    // Monthly from the first of the month four months ago: issues 1 to 5 of
    // volume 5 are out by now.
    const QDate first = QDate(today.year(), today.month(), 1).addMonths(-4);
    ASSERT_NO_FATAL_FAILURE(start());
    choose(*main, "aaa");
    QWidget* titles = window("NewJournal");
    ASSERT_NO_FATAL_FAILURE(enterTitle(
        {true, QStringLiteral("วิชาการ"), journal, QStringLiteral("ภาษาไทย"),
         QStringLiteral("รายเดือน"), QStringLiteral("มติชน"), matichon, QStringLiteral("คณะครุศาสตร์"),
         "1200", day(today.addYears(1)), QStringLiteral("สมาชิกใหม่"), QStringLiteral("เย็บเล่ม"),
         QStringLiteral("สีน้ำเงิน"), false, kIssn}));

    // The subscription began with the first of those issues.
    showTitle(QStringLiteral("ปริทัศน์"), journal);
    press(titles, "Cmdedit");
    clickTab(child<QTabWidget>(titles, "SSTab1"), 1);
    retype(child<QLineEdit>(titles, "Mask3"), day(first).remove(u'/'));
    answers.queue({kOk, kOk});
    press(titles, "Cmdsave");
    EXPECT_EQ(answers.take().size(), 2);
    showTitle(QStringLiteral("ปริทัศน์"), journal);
    clickTab(child<QTabWidget>(titles, "SSTab1"), 1);
    press(titles, "patternButton");
    settle();
    QWidget* pattern = window("PatternWindow");
    ASSERT_NE(pattern, nullptr);
    EXPECT_EQ(child<QComboBox>(pattern, "frequencyList")->currentText(), QStringLiteral("รายเดือน"));
    retype(child<QLineEdit>(pattern, "knownDateText"), day(first));
    retype(child<QLineEdit>(pattern, "knownVolumeText"), "5");
    retype(child<QLineEdit>(pattern, "knownIssueText"), "1");
    pick(child<QComboBox>(pattern, "volumeStartList"), QStringLiteral("เมื่อครบจำนวนฉบับ"));
    QTableView* preview = child<QTableView>(pattern, "previewGrid");
    // The preview starts at the first issue after today, the fifth month's.
    EXPECT_EQ(testing_support::cellText(preview, 0, 2), day(first.addMonths(5)));
    EXPECT_EQ(testing_support::cellText(preview, 0, 1), "6");
    answers.queue({kOk});
    press(pattern, "saveButton");
    EXPECT_EQ(answers.take(), QStringList{QStringLiteral("บันทึกรูปแบบการออกของวารสารนี้แล้ว")});

    // Issues 1, 2 and 4 arrive; at 4 the window names the skipped 3 and the
    // clerk marks it missing.
    choose(*main, "ccc");
    ASSERT_NE(window("reg_journal"), nullptr);
    answers.queue({kOk, kOk, kOk});
    receiveByScan("01");
    EXPECT_EQ(answers.take(), QStringList({QStringLiteral("รายชื่อวารสารนี้ไม่พบข้อมูลการลงทะเบียน"),
                                           QStringLiteral("ต้องการบันทึกข้อมูลวารสารเลขทะเบียนนี้หรือไม่"),
                                           QStringLiteral("บันทึกข้อมูลลงทะเบียนวารสารเรียบร้อยแล้ว")}));
    answers.queue({kOk, kOk});
    receiveByScan("02");
    EXPECT_EQ(answers.take().size(), 2);
    answers.queue({kOk, kOk, kOk});
    receiveByScan("04");
    const QStringList said = answers.take();
    ASSERT_EQ(said.size(), 3);
    EXPECT_TRUE(said.at(1).contains(QStringLiteral("ยังไม่ได้รับ ปีที่ 5 ฉบับที่ 3")))
        << said.join(u'|').toStdString();

    choose(*main, "bbbb");
    QWidget* late = window("LateIssues");
    ASSERT_NE(late, nullptr);
    press(late, "showButton");
    QTableView* list = child<QTableView>(late, "lateList");
    QStringList overdue;
    for (int r = 0; r < list->model()->rowCount(); ++r)
        if (testing_support::cellText(list, r, 1) == journal)
            overdue << testing_support::cellText(list, r, 9);
    EXPECT_TRUE(overdue.contains(QStringLiteral("ปีที่ 5 ฉบับที่ 3")))
        << overdue.join(u'|').toStdString();
    EXPECT_FALSE(overdue.contains(QStringLiteral("ปีที่ 5 ฉบับที่ 2")));
    quit();

    EXPECT_EQ(cell("SELECT count(*) || ':' || min(issueno) || ',' || max(issueno) FROM tranfile"),
              "3:1,4");
    EXPECT_EQ(cell("SELECT count(*) FROM tranfile WHERE issueno = '3'"), "0");
}
