#include <gtest/gtest.h>

#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <algorithm>
#include <functional>

#include "issues/reg_journalView.h"
#include "late/LateIssues.h"
#include "late/LateIssuesView.h"
#include "patterns/PatternRecords.h"
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
    EXPECT_EQ(w.focus(), &w.lateList);
    ASSERT_EQ(w.lateList.total(), 2);
    EXPECT_EQ(w.lateList.textMatrix(1, late::column::pointer), "K1");
    EXPECT_EQ(w.lateList.textMatrix(2, late::column::lastIssue), QStringLiteral("ฉบับเดือนกันยายน"));
    EXPECT_EQ(w.lateList.textMatrix(2, late::column::expected), "08/11/2026");
    EXPECT_EQ(w.lateList.textMatrix(2, late::column::daysLate), "30");
    EXPECT_EQ(w.lateList.textMatrix(2, late::column::department), QStringLiteral("ศูนย์วิทยบริการ"));

    w.newspapersOption.click();
    w.showButton.click();
    ASSERT_EQ(w.lateList.total(), 1);
    EXPECT_EQ(w.lateList.textMatrix(1, late::column::pointer), "K1");
    w.allKindsOption.click();
    w.agentFilter.userChoose(1);  // the first agent after "every agent"
    w.showButton.click();
    ASSERT_EQ(w.lateList.total(), 1);
    EXPECT_EQ(w.lateList.textMatrix(1, late::column::agent), w.agentFilter.rows()[1].description);

    std::vector<QString> handed;
    w.onRegister = [&](const late::LateTitle& t) { handed.push_back(t.pointer); };
    w.lateList.click(1, 0);
    w.registerButton.click();
    EXPECT_EQ(handed, std::vector<QString>{w.listed().title(0).pointer});

    w.journalsOption.click();
    w.agentFilter.userChoose(0);
    w.facultyFilter.userChoose(2);
    w.showButton.click();
    EXPECT_EQ(w.lateList.total(), 0);
    EXPECT_FALSE(w.registerButton.enabled());
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
    for (int r = 0; r < int(w.facultyFilter.rows().size()); ++r)
        if (w.facultyFilter.rows()[r].code == "01")
            w.facultyFilter.userChoose(r);
    // Another window adds a faculty and an agent while the list is open.
    temp.db().exec("INSERT INTO department VALUES ('09', ?)", {QStringLiteral("คณะพยาบาลศาสตร์")});
    temp.db().exec("INSERT INTO dealer (Publisher_Code, Publisher_Name) VALUES ('A9', ?)",
                   {QStringLiteral("เอเชียบุ๊คส์")});
    subscription("J1", "09", kToday.addYears(-1), kToday.addYears(1), "A9");
    w.showButton.click();

    EXPECT_EQ(
        descriptions(w.facultyFilter),
        QStringList({QStringLiteral("ทั้งหมด"), QStringLiteral("คณะครุศาสตร์"),
                     QStringLiteral("คณะเทคโนโลยีการเกษตร"), QStringLiteral("คณะเทคโนโลยีอุตสาหกรรม"),
                     QStringLiteral("คณะพยาบาลศาสตร์"), QStringLiteral("คณะมนุษยศาสตร์และสังคมศาสตร์"),
                     QStringLiteral("คณะวิทยาการจัดการ"), QStringLiteral("คณะวิทยาศาสตร์และเทคโนโลยี"),
                     QStringLiteral("ศูนย์วิทยบริการ")}));
    EXPECT_EQ(w.facultyFilter.boundText(), "01") << "the faculty chosen stays chosen";
    EXPECT_TRUE(descriptions(w.agentFilter).contains(QStringLiteral("เอเชียบุ๊คส์  (รหัส A9)")));
    QStringList agents = descriptions(w.agentFilter).mid(1);
    std::stable_sort(agents.begin(), agents.end(), ui::ThaiOrder());
    EXPECT_EQ(descriptions(w.agentFilter).mid(1), agents);
    EXPECT_EQ(w.lateList.total(), 2);

    // The faculty chosen goes: the list is shown again for every faculty, as
    // the filter now reads.
    temp.db().exec("DELETE FROM department WHERE Department_Code = '01'");
    w.showButton.click();
    EXPECT_EQ(w.facultyFilter.chosenRow(), 0);
    EXPECT_EQ(w.lateList.total(), 3);
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
        for (int r = 0; r < int(w.agentFilter.rows().size()); ++r)
            if (w.agentFilter.rows()[r].description == c.shown)
                row = r;
        ASSERT_GE(row, 1) << c.shown.toStdString();
        w.agentFilter.userChoose(row);
        w.showButton.click();
        ASSERT_EQ(w.lateList.total(), 1) << c.shown.toStdString();
        EXPECT_EQ(w.lateList.textMatrix(1, late::column::pointer), c.key);
        EXPECT_EQ(w.lateList.textMatrix(1, late::column::agent), c.shown);
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
    ASSERT_EQ(view->logic().lateList.total(), 2);
    ASSERT_EQ(table->model()->rowCount(), 2);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                      testing_support::cellRect(table, 1, 1).center());
    QPushButton* reg = nullptr;
    for (QPushButton* b : view->findChildren<QPushButton*>())
        if (b->text() == view->logic().registerButton.caption())
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

TEST_F(Window, AHeadingClickSortsTheListByThatColumnAndAgainTurnsItRound) {
    // Names whose Thai order is not their code order, and days of receipt
    // whose text order is not their date order.
    const struct {
        QString key, name;
        int receivedDaysAgo;
    } titles[] = {{"J1", QStringLiteral("ไข่มุก"), 120},
                  {"J2", QStringLiteral("กระดาษ"), 60},
                  {"J3", QStringLiteral("คนเมือง"), 90}};
    for (const auto& t : titles) {
        title(t.key, t.name, "04");
        subscription(t.key, "01", kToday.addYears(-1), kToday.addYears(1));
        issue(t.key, "01", kToday.addDays(-t.receivedDaysAgo));
    }
    late::LateIssues w(services);
    ASSERT_TRUE(w.Form_Load());
    EXPECT_EQ(w.lateList.total(), 3);
    EXPECT_EQ(w.countLabel.caption(), QStringLiteral("คงค้าง 3 รายการ"));
    const auto keys = [&] {
        QStringList out;
        for (int r = 0; r < w.lateList.total(); ++r)
            out << w.lateList.textMatrix(r + 1, late::column::pointer);
        return out.join(u',');
    };
    EXPECT_EQ(keys(), "J1,J3,J2") << "most days late first";
    const struct {
        int column;
        const char* order;
    } clicks[] = {{late::column::name, "J2,J1,J3"},         {late::column::name, "J3,J1,J2"},
                  {late::column::daysLate, "J1,J3,J2"},     {late::column::daysLate, "J2,J3,J1"},
                  {late::column::lastReceived, "J1,J3,J2"}, {late::column::pointer, "J1,J2,J3"}};
    for (const auto& c : clicks) {
        w.lateList.setRow(3);
        w.lateList.clickHeading(c.column);
        EXPECT_EQ(keys(), c.order) << c.column;
        EXPECT_EQ(w.lateList.row(), 1) << "the first row is current again";
        EXPECT_EQ(w.lateList.total(), 3);
    }
    // Showing again keeps the order chosen.
    w.showButton.click();
    EXPECT_EQ(keys(), "J1,J2,J3");
}

TEST_F(Window, EveryHeadingListsTheSameRowsInItsOrderPageAfterPage) {
    // More rows than a page, whose names, faculties and days of receipt each
    // have an order of their own; every fifth title has a pattern and so
    // several overdue issues.
    patterns::StoredPattern monthly;
    monthly.pattern.knownDate = QDate(2026, 6, 1);
    monthly.pattern.knownVolume = 26;
    monthly.pattern.knownIssue = 6;
    monthly.pattern.volumeStartMonth = 1;
    monthly.pattern.graceDays = 20;
    const QString heads[] = {QStringLiteral("ไข่มุก"), QStringLiteral("กระดาษ"),
                             QStringLiteral("คนเมือง")};
    for (int i = 0; i < 120; ++i) {
        const QString key = QStringLiteral("J%1").arg(i, 3, 10, QLatin1Char('0'));
        const QString faculty = i % 2 ? QStringLiteral("01") : QStringLiteral("04");
        title(key, heads[i % 3] + QStringLiteral(" %1").arg(i * 37 % 120), "04");
        subscription(key, faculty, kToday.addYears(-1), kToday.addYears(1));
        issue(key, faculty, kToday.addDays(-50 - i * 53 % 200));
        if (i % 5 == 0)
            patterns::PatternRecords(temp.db()).save(key, monthly);
    }
    late::LateIssues w(services);
    ASSERT_TRUE(w.Form_Load());
    const auto shown = [&] {
        while (w.lateList.canFetchMore())
            w.lateList.fetchMore();
        std::vector<QStringList> rows;
        for (int r = 1; r < w.lateList.rows(); ++r) {
            QStringList cells;
            for (int c = 0; c < late::column::count; ++c)
                cells << w.lateList.textMatrix(r, c);
            rows.push_back(cells);
        }
        return rows;
    };
    const auto sorted = [](std::vector<QStringList> rows) {
        std::sort(rows.begin(), rows.end());
        return rows;
    };
    const std::vector<QStringList> first = shown();
    ASSERT_GT(first.size(), 150u);
    ASSERT_EQ(int(first.size()), w.lateList.total());
    const std::function<bool(const QString&, const QString&)> thai = ui::ThaiOrder();
    const auto number = [](const QString& a, const QString& b) { return a.toInt() < b.toInt(); };
    const auto day = [](const QString& a, const QString& b) {
        return data::readDate(a).value_or(QDate()) < data::readDate(b).value_or(QDate());
    };
    const auto text = [](const QString& a, const QString& b) { return a < b; };
    const struct {
        int column;
        bool descending;
        std::function<bool(const QString&, const QString&)> before;
    } clicks[] = {{late::column::name, false, thai},        {late::column::name, true, thai},
                  {late::column::daysLate, true, number},   {late::column::daysLate, false, number},
                  {late::column::expected, false, day},     {late::column::expected, true, day},
                  {late::column::lastReceived, false, day}, {late::column::department, false, thai},
                  {late::column::pointer, false, text},     {late::column::pointer, true, text}};
    for (const auto& c : clicks) {
        w.lateList.clickHeading(c.column);
        EXPECT_EQ(w.lateList.order(), (ui::ListOrder{c.column, c.descending})) << c.column;
        const std::vector<QStringList> rows = shown();
        EXPECT_EQ(sorted(rows), sorted(first)) << c.column;
        for (std::size_t r = 1; r < rows.size(); ++r) {
            const QString& a = rows[r - 1][c.column];
            const QString& b = rows[r][c.column];
            EXPECT_FALSE(c.descending ? c.before(a, b) : c.before(b, a))
                << c.column << " row " << r << ": " << a.toStdString() << " then "
                << b.toStdString();
        }
    }
}

TEST_F(Window, TheViewIsToldTheRowsAPageAtATimeAndSortsOnAHeadingClick) {
    constexpr int kTitles = 250;
    for (int i = 0; i < kTitles; ++i) {
        const QString key = QStringLiteral("J%1").arg(i, 3, 10, QLatin1Char('0'));
        title(key, QStringLiteral("วารสาร %1").arg(kTitles - i), "04");
        subscription(key, "01", kToday.addYears(-1), kToday.addYears(1));
        issue(key, "01", kToday.addDays(-60 - i));
    }
    late::LateIssuesView view(services);
    ASSERT_TRUE(view.load());
    view.show();
    QCoreApplication::processEvents();
    auto* table = view.findChild<QTableView*>(QStringLiteral("lateList"));
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(view.logic().lateList.total(), kTitles);
    // Counted once the first rows are painted.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !view.logic().countLabel.caption().isEmpty(); }));
    EXPECT_EQ(view.logic().countLabel.caption(), QStringLiteral("คงค้าง %1 รายการ").arg(kTitles));
    EXPECT_LT(table->model()->rowCount(), kTitles) << "only the first rows are told";
    EXPECT_EQ(testing_support::cellText(table, 0, late::column::pointer), "J249");
    table->scrollToBottom();
    while (table->model()->canFetchMore({}))
        table->model()->fetchMore({});
    EXPECT_EQ(table->model()->rowCount(), kTitles);

    QHeaderView* header = table->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(late::column::name) + 5, 5));
    QCoreApplication::processEvents();
    EXPECT_EQ(header->sortIndicatorSection(), late::column::name);
    EXPECT_EQ(testing_support::cellText(table, 0, late::column::name), QStringLiteral("วารสาร 1"))
        << "numbers in names by value";
    EXPECT_EQ(testing_support::cellText(table, 1, late::column::name), QStringLiteral("วารสาร 2"));
    QTest::keyClick(table, Qt::Key_Down);
    EXPECT_EQ(view.logic().lateList.row(), 2);
}
