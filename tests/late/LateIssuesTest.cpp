#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "issues/reg_journalView.h"
#include "late/LateIssues.h"
#include "late/LateIssuesView.h"
#include "shell/MainWindow.h"
#include "shell/WindowList.h"
#include "tests/late/LateFixture.h"
#include "tests/support/GridCells.h"
#include "ui/Fakes.h"
#include "ui/ThaiOrder.h"

namespace {

const QDate kToday(2026, 12, 8);

struct Window : ::testing::Test, late_testing::Desk {
    ui::FakeMessageBox box;
    ui::FixedClock clock{kToday};
    ui::RecordingOpener opener;
    QString newdealer;
    ui::Services services{temp.path(), box, clock, opener, newdealer};

    void seed(QDate today) {
        live("J1", "04", today, "1");
        issue("J1", "01", today.addDays(-60), QStringLiteral("ฉบับเดือนกันยายน"));
        live("K1", "01", today, "2");
        issue("K1", "01", today.addDays(-100));
    }
};

}  // namespace

TEST_F(Window, ListsTheLateTitlesAndHandsOneToRegistration) {
    seed(kToday);
    late::LateIssues w(services);
    ASSERT_TRUE(w.Form_Load());
    EXPECT_EQ(w.focus(), &w.showlate);
    ASSERT_EQ(w.showlate.rows(), 3);
    EXPECT_EQ(w.showlate.textMatrix(1, late::LateIssues::pointer), "K1");
    EXPECT_EQ(w.showlate.textMatrix(2, late::LateIssues::lastIssue),
              QStringLiteral("ฉบับเดือนกันยายน"));
    EXPECT_EQ(w.showlate.textMatrix(2, late::LateIssues::expected), "08/11/2026");
    EXPECT_EQ(w.showlate.textMatrix(2, late::LateIssues::daysLate), "30");
    EXPECT_EQ(w.showlate.textMatrix(2, late::LateIssues::department),
              QStringLiteral("ศูนย์วิทยบริการ"));

    w.Option2.click();
    w.Cmdshow.click();
    ASSERT_EQ(w.showlate.rows(), 2);
    EXPECT_EQ(w.showlate.textMatrix(1, late::LateIssues::pointer), "K1");
    w.Option3.click();
    w.dcbdealer.userChoose(1);  // the first agent after "every agent"
    w.Cmdshow.click();
    ASSERT_EQ(w.showlate.rows(), 2);
    EXPECT_EQ(w.showlate.textMatrix(1, late::LateIssues::agent), w.dcbdealer.rows()[1].description);

    std::vector<QString> handed;
    w.onRegister = [&](const late::LateTitle& t) { handed.push_back(t.pointer); };
    w.showlate.click(1, 0);
    w.Cmdreg.click();
    EXPECT_EQ(handed, std::vector<QString>{w.listed().front().pointer});

    w.Option1.click();
    w.dcbdealer.userChoose(0);
    w.dcbdepart.userChoose(2);
    w.Cmdshow.click();
    EXPECT_EQ(w.showlate.rows(), 1);
    EXPECT_FALSE(w.Cmdreg.enabled());
    EXPECT_TRUE(box.shown().empty());

    bool closed = false;
    w.onUnload = [&] { closed = true; };
    w.escape();
    EXPECT_TRUE(closed) << "Escape closes the list";
}

TEST_F(Window, ShowReadsTheFiltersAgainInThaiOrderKeepingTheChoice) {
    seed(kToday);
    late::LateIssues w(services);
    ASSERT_TRUE(w.Form_Load());
    const auto descriptions = [](const ui::PickList& list) {
        QStringList out;
        for (const ui::PickRow& row : list.rows())
            out << row.description;
        return out;
    };
    for (int r = 0; r < int(w.dcbdepart.rows().size()); ++r)
        if (w.dcbdepart.rows()[r].code == "01")
            w.dcbdepart.userChoose(r);
    // Another window adds a faculty and an agent while the list is open.
    temp.db().exec("INSERT INTO department VALUES ('09', ?)", {QStringLiteral("คณะพยาบาลศาสตร์")});
    temp.db().exec("INSERT INTO dealer (Publisher_Code, Publisher_Name) VALUES ('A9', ?)",
                   {QStringLiteral("เอเชียบุ๊คส์")});
    subscription("J1", "09", kToday.addYears(-1), kToday.addYears(1), "A9");
    w.Cmdshow.click();

    EXPECT_EQ(
        descriptions(w.dcbdepart),
        QStringList({QStringLiteral("ทั้งหมด"), QStringLiteral("คณะครุศาสตร์"),
                     QStringLiteral("คณะเทคโนโลยีการเกษตร"), QStringLiteral("คณะเทคโนโลยีอุตสาหกรรม"),
                     QStringLiteral("คณะพยาบาลศาสตร์"), QStringLiteral("คณะมนุษยศาสตร์และสังคมศาสตร์"),
                     QStringLiteral("คณะวิทยาการจัดการ"), QStringLiteral("คณะวิทยาศาสตร์และเทคโนโลยี"),
                     QStringLiteral("ศูนย์วิทยบริการ")}));
    EXPECT_EQ(w.dcbdepart.boundText(), "01") << "the faculty chosen stays chosen";
    EXPECT_TRUE(descriptions(w.dcbdealer).contains(QStringLiteral("เอเชียบุ๊คส์  (รหัส A9)")));
    QStringList agents = descriptions(w.dcbdealer).mid(1);
    std::stable_sort(agents.begin(), agents.end(), ui::ThaiOrder());
    EXPECT_EQ(descriptions(w.dcbdealer).mid(1), agents);
}

TEST_F(Window, TwoAgentsOfOneNameAreToldApartByTheirCodes) {
    temp.db().exec("INSERT INTO dealer (Publisher_Code, Publisher_Name) VALUES ('7', ?), ('8', ?)",
                   {QStringLiteral("ดวงกมล"), QStringLiteral("ดวงกมล")});
    live("J1", "04", kToday, "7");
    issue("J1", "01", kToday.addDays(-60));
    live("J2", "04", kToday, " 8");
    issue("J2", "01", kToday.addDays(-90));
    late::LateIssues w(services);
    ASSERT_TRUE(w.Form_Load());
    // The filter the claim takes its agent from, and the row it falls back on.
    const struct {
        QString shown, key;
    } cases[] = {{QStringLiteral("ดวงกมล  (รหัส 7)"), "J1"},
                 {QStringLiteral("ดวงกมล  (รหัส 8)"), "J2"}};
    for (const auto& c : cases) {
        int row = -1;
        for (int r = 0; r < int(w.dcbdealer.rows().size()); ++r)
            if (w.dcbdealer.rows()[r].description == c.shown)
                row = r;
        ASSERT_GE(row, 1) << c.shown.toStdString();
        w.dcbdealer.userChoose(row);
        w.Cmdshow.click();
        ASSERT_EQ(w.showlate.rows(), 2) << c.shown.toStdString();
        EXPECT_EQ(w.showlate.textMatrix(1, late::LateIssues::pointer), c.key);
        EXPECT_EQ(w.showlate.textMatrix(1, late::LateIssues::agent), c.shown);
    }
}

TEST(LateView, ARowOpensTheRegistrationWindowOnThatTitle) {
    late_testing::Desk desk;
    const QDate today = QDate::currentDate();
    desk.live("J1", "04", today);
    desk.issue("J1", "01", today.addDays(-60), QStringLiteral("ฉบับเก่า"));
    desk.live("J2", "04", today);
    desk.issue("J2", "01", today.addDays(-90), QStringLiteral("ฉบับเก่ากว่า"));
    desk.temp.reopen();

    shell::MainWindow main(desk.temp.path());
    shell::registerWindows(main);
    main.show();
    main.open(QStringLiteral("LateIssues"));
    QCoreApplication::processEvents();
    auto* view = qobject_cast<late::LateIssuesView*>(main.instance(QStringLiteral("LateIssues")));
    ASSERT_NE(view, nullptr);
    auto* table = view->findChild<QTableView*>();
    ASSERT_EQ(view->logic().showlate.rows(), 3);
    ASSERT_EQ(table->model()->rowCount(), 2);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                      testing_support::cellRect(table, 1, 1).center());
    QPushButton* reg = nullptr;
    for (QPushButton* b : view->findChildren<QPushButton*>())
        if (b->text() == view->logic().Cmdreg.caption())
            reg = b;
    ASSERT_NE(reg, nullptr);
    QTest::mouseClick(reg, Qt::LeftButton);

    auto* regView =
        qobject_cast<issues::reg_journalView*>(main.instance(QStringLiteral("reg_journal")));
    ASSERT_NE(regView, nullptr);
    const issues::reg_journal& r = regView->logic();
    EXPECT_EQ(r.show_journal.textMatrix(1, 2), "J1");
    EXPECT_EQ(r.show_item.textMatrix(1, 4), QStringLiteral("ฉบับเก่า"));
    EXPECT_TRUE(r.Command2.enabled());
}
