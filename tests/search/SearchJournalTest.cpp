#include <QAction>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include "catalogue/NewJournalView.h"
#include "issues/reg_journalView.h"
#include "search/SearchJournalView.h"
#include "search/SearchRecords.h"
#include "shell/MainWindow.h"
#include "shell/WindowList.h"
#include "tests/search/SearchFixture.h"
#include "tests/support/GridCells.h"
#include "ui/PagedRows.h"

using search::SearchJournal;
using testing_support::SearchWindow;
using testing_support::storeTitle;

namespace {

// Four titles, each findable a different way; ISSNs stored in the forms
// clerks type them.
void storeDesk(data::Database& db) {
    storeTitle(db, {"J000001", "Journal of Thai Studies", "0317-8471", "4", "2", "วารสารไทยศึกษา",
                    "Thai Studies Review", "JTS"});
    storeTitle(db, {"K000001", "ข่าวสด", "2434-561x", "3", "5"});
    storeTitle(db, {"J000002", "Science Weekly", "1234-5678", "5", "3"});
    storeTitle(db, {"I000001", "Data Bulletin", "03785955", "1", "1"});
    db.exec(
        "INSERT INTO tranfile (magno, pointer, daily, issueno) VALUES"
        " ('10', 'J000001', '01/02/2026', '5'), ('11', 'J000001', '1/3/2026', '6')");
}

}  // namespace

TEST(SearchWindow, FindsTitlesByEveryNameKeyIssnAndPublisher) {
    SearchWindow f;
    storeDesk(f.temp.db());
    const std::pair<QString, QStringList> cases[] = {
        {"thai studies", {"J000001"}},         // main and former name, Latin of any case
        {"ไทยศึกษา", {"J000001"}},              // compare name
        {"Review", {"J000001"}},               // former name
        {"jts", {"J000001"}},                  // short name
        {"ข่าว", {"K000001"}},                  // Thai, a short term
        {"0317-8471", {"J000001"}},            // ISSN with hyphen
        {"03178471", {"J000001"}},             // and without
        {"2434561X", {"K000001"}},             // a final X of either case
        {"2434-561x", {"K000001"}},            //
        {"0378-5955", {"I000001"}},            // stored without its hyphen
        {"j000002", {"J000002"}},              // key
        {"sevie", {"J000001"}},                // publisher
        {"มติชน", {"J000001"}},                 // agent of a subscription
        {"Springer", {"K000001", "J000002"}},  // agent of one, publisher of the other
    };
    for (const auto& [text, expected] : cases) {
        f.search(text);
        EXPECT_EQ(f.keys(), expected) << text.toStdString();
    }
    EXPECT_TRUE(f.messages.shown().empty());
    EXPECT_EQ(f.w.focus(), &f.w.findText) << "the next word or scan goes straight in";
    EXPECT_EQ(f.w.findText.selLength(), f.w.findText.text().size());
}

TEST(SearchWindow, ShowsKindIssnPublisherStatusPeriodEndAndLatestIssue) {
    SearchWindow f;
    storeDesk(f.temp.db());
    f.search("Journal of");
    const ui::Grid& g = f.w.resultList;
    ASSERT_EQ(g.rows(), 2);
    const QStringList expected = {"J000001",    "วารสาร",           "Journal of Thai Studies",
                                  "0317-8471",  "Elsevier",         "บอกรับเป็นสมาชิก",
                                  "31/12/2026", "01/03/2026 ฉบับที่ 6"};
    for (int c = 0; c < search::kColumns; ++c)
        EXPECT_EQ(g.textMatrix(1, c), expected[c]) << c;
    EXPECT_EQ(f.w.countLabel.caption(), "พบ 1 รายการ");
    EXPECT_TRUE(f.w.titleButton.enabled());
    EXPECT_TRUE(f.w.registerButton.enabled());

    f.search("ข่าวสด");
    EXPECT_EQ(g.textMatrix(1, search::Kind), "หนังสือพิมพ์");
    EXPECT_EQ(g.textMatrix(1, search::Issn), "2434-561X");
    EXPECT_EQ(g.textMatrix(1, search::LatestIssue), "") << "no issue registered yet";
}

TEST(SearchWindow, MarksAnIssnWhoseCheckDigitIsWrong) {
    SearchWindow f;
    storeDesk(f.temp.db());
    f.search("Science");
    EXPECT_EQ(f.w.resultList.textMatrix(1, search::Issn), "1234-5678 ผิด");
    EXPECT_TRUE(f.w.countLabel.caption().contains("เลขตรวจสอบไม่ถูกต้อง"));
    f.search("Data");
    EXPECT_EQ(f.w.resultList.textMatrix(1, search::Issn), "0378-5955");
    EXPECT_FALSE(f.w.countLabel.caption().contains("เลขตรวจสอบ"));
}

TEST(SearchWindow, FindsTheTitleOfAScannedBarcode) {
    SearchWindow f;
    storeDesk(f.temp.db());
    f.search("9770317847001");
    EXPECT_EQ(f.keys(), QStringList{"J000001"});
    f.search("977037859500215");  // two-digit add-on
    EXPECT_EQ(f.keys(), QStringList{"I000001"});
    f.search("977243456100600012");  // five-digit add-on; ISSN check X
    EXPECT_EQ(f.keys(), QStringList{"K000001"});
    // Stored as 1234-5678, a wrong check digit: the cover says 1234-5679.
    f.search("9771234567003");
    EXPECT_EQ(f.keys(), QStringList{"J000002"});
    f.search("0317 8471");  // an ISSN typed with a space
    EXPECT_EQ(f.keys(), QStringList{"J000001"});
    EXPECT_TRUE(f.messages.shown().empty());

    // A misread digit: the check fails, the clerk scans again, and the titles
    // of the scan before are gone with their buttons.
    f.search("9770317847002");
    EXPECT_EQ(f.messages.last().text, "รหัสแท่งไม่ถูกต้อง (เลขตรวจสอบไม่ตรง) กรุณาสแกนอีกครั้ง");
    EXPECT_EQ(f.messages.last().style, ui::msg::kStop);
    EXPECT_TRUE(f.keys().isEmpty());
    EXPECT_FALSE(f.w.titleButton.enabled());
    EXPECT_FALSE(f.w.registerButton.enabled());
    EXPECT_EQ(f.w.focus(), &f.w.findText);
}

TEST(SearchWindow, TellsAnEmptyFieldAndASearchThatFindsNothing) {
    SearchWindow f;
    storeDesk(f.temp.db());
    f.search("   ");
    EXPECT_EQ(f.messages.last().text, "กรุณาพิมพ์ชื่อวารสาร ISSN เลขทะเบียน หรือชื่อผู้จัดพิมพ์");
    EXPECT_EQ(f.messages.last().style, ui::msg::kStop);

    f.search("Journal");
    f.search("ไม่มีชื่อนี้");
    EXPECT_EQ(f.messages.last().text, "ไม่พบข้อมูลที่ต้องการค้นหา กรุณาตรวจสอบอีกครั้ง");
    EXPECT_EQ(f.messages.last().caption, "ผลการค้นหา");
    EXPECT_TRUE(f.keys().isEmpty()) << "no result of the word before stays to be opened";
    EXPECT_FALSE(f.w.titleButton.enabled());
    EXPECT_FALSE(f.w.registerButton.enabled());
}

TEST(SearchWindow, ShowsAPageAtOnceCountsEveryTitleAndSortsByAHeading) {
    SearchWindow f;
    data::Database& db = f.temp.db();
    data::Transaction tx(db);
    const int titles = ui::PagedRows::kPageRows * 2 + 50;
    for (int i = 0; i < titles; ++i)
        storeTitle(db, {QStringLiteral("J%1").arg(i + 1, 6, 10, QChar(u'0')),
                        QStringLiteral("Bulletin %1").arg(titles - i, 3, 10, QChar(u'0')), ""});
    tx.commit();
    f.search("Bulletin");
    ui::Grid& g = f.w.resultList;
    EXPECT_EQ(g.rows(), ui::PagedRows::kPageRows + 1) << "one page read";
    EXPECT_EQ(f.w.countLabel.caption(), QStringLiteral("พบ %1 รายการ").arg(titles));
    while (g.canFetchMore())
        g.fetchMore();
    ASSERT_EQ(g.rows(), titles + 1);
    EXPECT_EQ(g.textMatrix(titles, search::Key), "J000250") << "in the order of entry";

    g.clickHeading(search::Name);
    EXPECT_EQ(g.rows(), ui::PagedRows::kPageRows + 1) << "from the first page again";
    EXPECT_EQ(g.textMatrix(1, search::Name), "Bulletin 001");
    EXPECT_EQ(g.textMatrix(2, search::Name), "Bulletin 002");
    g.clickHeading(search::Name);
    EXPECT_EQ(g.textMatrix(1, search::Name), "Bulletin 250") << "the same heading turns it about";
}

TEST(SearchWindow, OpensTheChosenTitleInTheTitleOrRegistrationWindow) {
    SearchWindow f;
    storeDesk(f.temp.db());
    f.w.titleButton.setEnabled(true);
    f.w.titleButton.click();
    EXPECT_EQ(f.messages.last().text, "กรุณาเลือกวารสารจากรายการ");
    EXPECT_TRUE(f.opener.opened.empty());

    f.search("Springer");
    f.w.resultList.click(2, 0);
    f.w.titleButton.click();
    f.w.resultList.click(1, 0);
    f.w.registerButton.click();
    EXPECT_EQ(f.opener.opened, (std::vector<QString>{"NewJournal", "reg_journal"}));
    EXPECT_EQ(f.opener.titles, (std::vector<QString>{"J000002", "K000001"}));
    // Enter on a result, or a double-click, opens it as its title.
    f.w.resultList.keyToRow(2);
    f.w.resultList.keyEnter();
    f.w.resultList.doubleClick(1, 2);
    EXPECT_EQ(f.opener.titles, (std::vector<QString>{"J000002", "K000001", "J000002", "K000001"}));

    f.w.exitButton.click();  // Exit
}

TEST(SearchWindowView, EnterInTheFieldFillsTheGrid) {
    SearchWindow f;
    storeDesk(f.temp.db());
    search::SearchJournalView view(f.services);
    ASSERT_TRUE(view.load());
    view.show();
    auto* field = view.findChild<QLineEdit*>();
    auto* grid = view.findChild<QTableView*>();
    ASSERT_TRUE(field && grid);
    field->setFocus();
    QTest::keyClicks(field, "Weekly");
    QTest::keyClick(field, Qt::Key_Return);
    QCoreApplication::processEvents();
    ASSERT_EQ(grid->model()->rowCount(), 1);
    EXPECT_EQ(testing_support::cellText(grid, 0, search::Name), "Science Weekly");
    EXPECT_EQ(testing_support::cellText(grid, 0, search::Issn), "1234-5678 ผิด");
}

TEST(SearchWindowShell, TheMenuOpensItAndAFoundTitleOpensLoaded) {
    testing_support::TempDatabase temp;
    storeDesk(temp.db());
    // The title window finds a title only with its language and frequency.
    temp.db().exec("UPDATE vorlen1 SET language_code = '01', magtype_code = '01'");
    shell::MainWindow main(temp.path());
    shell::registerWindows(main);
    main.show();
    QAction* item = main.findChild<QAction*>("bbbbb");
    ASSERT_TRUE(item && item->isEnabled());
    item->trigger();
    ASSERT_NE(main.instance("SearchJournal"), nullptr);

    main.openTitle("NewJournal", "J000001");
    auto* title = dynamic_cast<catalogue::NewJournalView*>(main.instance("NewJournal"));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->logic().Text2.text(), "Journal of Thai Studies");
    // Already open: the next title replaces the one shown.
    main.openTitle("NewJournal", "J000002");
    EXPECT_EQ(title->logic().Text2.text(), "Science Weekly");

    main.openTitle("reg_journal", "J000001");
    auto* reg = dynamic_cast<issues::reg_journalView*>(main.instance("reg_journal"));
    ASSERT_NE(reg, nullptr);
    EXPECT_EQ(reg->logic().show_journal.textMatrix(1, 2), "J000001");
    EXPECT_EQ(reg->logic().show_item.textMatrix(1, 0), "11");
}
