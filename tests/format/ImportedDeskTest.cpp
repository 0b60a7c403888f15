#include <gtest/gtest.h>

#include "data/Schema.h"
#include "format/AccessImport.h"
#include "issues/reg_journal.h"
#include "late/LateIssues.h"
#include "renewal/expdate.h"
#include "search/SearchJournal.h"
#include "tests/support/TempDatabase.h"
#include "ui/Fakes.h"

// A desk moved in from the old program works in every window at once.

namespace {

TEST(ImportedDesk, WorksInTheTitleRegistrationRenewalAndLateWindows) {
    testing_support::TempDatabase temp;
    format::AccessImport::run(QStringLiteral(VORLEN_FIXTURES_DIR "/desk.mdb"), temp.db());
    data::Database& db = temp.db();
    ui::FakeMessageBox box;
    ui::FixedClock clock{QDate(2026, 6, 1)};
    ui::RecordingOpener opener;
    QString newdealer;
    ui::Services services{temp.path(), box, clock, opener, newdealer};

    // The search finds a title whose key the old program stored with a space
    // after it.
    const QString name =
        db.first("SELECT vorlen_name FROM vorlen1 WHERE pointer = 'J000050 '")->text(0);
    search::SearchJournal finder(services);
    ASSERT_TRUE(finder.Form_Load());
    finder.findText.setText(name);
    finder.findText.typeKey(ui::key::kEnter);
    QStringList keys;
    for (int r = 1; r < finder.resultList.rows(); ++r)
        keys << finder.resultList.textMatrix(r, search::Key);
    ASSERT_TRUE(keys.contains(QStringLiteral("J000050 "))) << keys.join(u'|').toStdString();

    // A registration takes the next number above every imported one.
    issues::reg_journal reg(services);
    ASSERT_TRUE(reg.Form_Load());
    reg.Text1.setText(
        db.first("SELECT vorlen_name FROM vorlen1 WHERE pointer = 'J000051'")->text(0));
    reg.Command1_Click();
    ASSERT_EQ(reg.show_journal.textMatrix(1, 2).trimmed(), QStringLiteral("J000051"));
    reg.show_journal.click(1, 0);
    reg.Command2_Click();
    EXPECT_EQ(reg.Text2.text(), QStringLiteral("3002"));
    reg.Text3.setText(QStringLiteral("01/05/2026"));
    reg.Text7.setText(QStringLiteral("20/05/2026"));
    reg.Text6.typeText(QStringLiteral("ฉบับแรกในโปรแกรมใหม่"));
    box.clear();
    reg.Command7_Click();
    EXPECT_EQ(box.last().text, QStringLiteral("บันทึกข้อมูลลงทะเบียนวารสารเรียบร้อยแล้ว"));
    EXPECT_EQ(db.first("SELECT nextmagno FROM jourctrl")->text(0), QStringLiteral("3003"));
    EXPECT_EQ(
        db.first("SELECT count(*) FROM tranfile WHERE trim(magno) = '3002'")->value(0).toInt(), 1);

    // The renewal of an imported subscription.
    renewal::expdate expiry(services);
    ASSERT_TRUE(expiry.Form_Load());
    expiry.Option1.click();
    expiry.Text1.setText(QStringLiteral("01/01/2025"));
    expiry.Text2.setText(QStringLiteral("31/12/2027"));
    expiry.Command1.click();
    ASSERT_GT(expiry.nextrow, 1);
    const QString renewed = expiry.showjour.textMatrix(1, 9);
    expiry.showjour.click(1, 0);
    expiry.cmdedit.click();
    expiry.Text8.setText(QStringLiteral("31/12/2030"));
    box.clear();
    expiry.cmdsave.click();
    EXPECT_EQ(db.first("SELECT end_period FROM vorlen WHERE trim(pointer) = ?", {renewed.trimmed()})
                  ->text(0),
              QStringLiteral("31/12/2030"));

    // The late list reads the imported issues: a subscription is late only
    // when its latest issue is old, and the one just registered is not.
    late::LateIssues lateList(services);
    ASSERT_TRUE(lateList.Form_Load());
    lateList.allKindsOption.click();
    lateList.showButton_Click();
    ASSERT_GT(lateList.lateList.total(), 0);
    QStringList lastIssues;
    for (int r = 0; r < lateList.lateList.total(); ++r)
        lastIssues << lateList.lateList.textMatrix(r + 1, late::column::lastIssue);
    EXPECT_FALSE(lastIssues.filter(QStringLiteral("ฉบับ")).isEmpty());
    for (int r = 0; r < lateList.lateList.total(); ++r)
        EXPECT_NE(lateList.lateList.textMatrix(r + 1, late::column::lastIssue),
                  QStringLiteral("ฉบับแรกในโปรแกรมใหม่"));
}

}  // namespace
