#include <gtest/gtest.h>

#include <QFile>

#include "data/DateText.h"
#include "late/LateCsv.h"
#include "late/LateIssues.h"
#include "late/ReceivingStatsWindow.h"
#include "patterns/PatternRecords.h"
#include "renewal/expdate.h"
#include "tests/shell/Program.h"
#include "tests/support/PdfText.h"
#include "tests/support/TempDatabase.h"
#include "titlelist/TitleListWindow.h"
#include "ui/Fakes.h"
#include "ui/PagedRows.h"
#include "ui/qt/QtPrinting.h"

namespace {

using testing_support::pdfText;
using testing_support::withoutMarks;
using titlelist::Scope;

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct PdfPrinting : ui::qt::QtPrinting {
    QString path;
    bool hasDefaultPrinter() override { return false; }
    std::optional<QString> askPdfPath(const QString&) override { return path; }
};

// Names that code-point order puts wrong: a leading vowel sorts under the
// consonant after it, a tone mark only after the same word without it, and
// Latin names come after the Thai ones.
const char* const kNames[] = {"ไก่ชน",  "เกษตรศาสตร์", "ข่าวสด",  "Science", "กา", "โกเมน",
                              "ขาวสด", "แกะดำ",      "ใกล้บ้าน", "Nature",  "กข", "วารสาร IT"};
const char* const kThaiOrder[] = {"กข",   "กา",    "เกษตรศาสตร์", "แกะดำ",     "โกเมน",  "ใกล้บ้าน",
                                  "ไก่ชน", "ขาวสด", "ข่าวสด",      "วารสาร IT", "Nature", "Science"};

class TitleList : public ::testing::Test {
  protected:
    void SetUp() override {
        data::Database& db = temp.db();
        int n = 0;
        for (const char* name : kNames) {
            const QChar kind = n % 3 == 0 ? u'K' : u'J';
            ++n;
            const QString pointer = QStringLiteral("%1%2").arg(kind).arg(n, 6, 10, QChar(u'0'));
            const QString faculty = n % 2 ? QStringLiteral("01") : QStringLiteral("02");
            db.exec(
                "INSERT INTO vorlen1 (pointer, vorlen_name, issn, magtype_code, publisher_code,"
                " language_code) VALUES (?, ?, '03178471', '04', '1', '01')",
                {pointer, QString::fromUtf8(name)});
            db.exec(
                "INSERT INTO vorlen (pointer, department_code, Receive_Code, begin_period,"
                " end_period, publisher_code) VALUES (?, ?, '1', ?, ?, '1')",
                {pointer, faculty, data::writeDate(today.addYears(-1)),
                 data::writeDate(today.addDays(20))});
            db.exec("INSERT INTO typeclass VALUES (?, ?)",
                    {pointer, n % 4 ? QStringLiteral("01") : QStringLiteral("02")});
            db.exec(
                "INSERT INTO tranfile (magno, department_code, pointer, receivedate, daily, "
                "yearno, issueno, descriptionitem) VALUES (?, ?, ?, ?, ?, '1', ?, '')",
                {QString::number(n), faculty, pointer, data::writeDate(today.addMonths(-3)),
                 data::writeDate(today.addMonths(-3)), QString::number(n % 3 + 1)});
        }
        db.exec("INSERT INTO dealer (Publisher_Code, Publisher_Name) VALUES ('1', 'ซีเอ็ด')");
        patterns::PublicationPattern monthly;
        monthly.knownDate = today.addMonths(-3);
        patterns::PatternRecords(db).save("J000002", {monthly, false});
    }
    std::unique_ptr<titlelist::TitleListWindow> open(titlelist::TitleListFilter start) {
        auto w = std::make_unique<titlelist::TitleListWindow>(services, std::move(start));
        EXPECT_TRUE(w->Form_Load());
        return w;
    }
    // Every listed row, read through the window's grid.
    static std::vector<QStringList> listed(const titlelist::TitleListWindow& w) {
        std::vector<QStringList> out;
        w.titleGrid.forEachDataRow([&](const QStringList& r) { out.push_back(r); });
        return out;
    }
    static QStringList names(const titlelist::TitleListWindow& w) {
        QStringList out;
        for (const QStringList& r : listed(w))
            out << r[titlelist::col::name];
        return out;
    }

    testing_support::TempDatabase temp;
    const QDate today = QDate::currentDate();
    ui::FakeMessageBox box;
    ui::FixedClock clock{today};
    ui::RecordingOpener opener;
    QString newdealer;
    PdfPrinting printing;
    ui::Services services{temp.path(), box, clock, opener, newdealer, &printing};
};

TEST_F(TitleList, ThaiDictionaryOrderAndEachScope) {
    QStringList expected;
    for (const char* name : kThaiOrder)
        expected << QString::fromUtf8(name);
    EXPECT_EQ(names(*open({Scope::All, {}})), expected);

    const struct {
        titlelist::TitleListFilter filter;
        int count;
    } cases[] = {{{Scope::Faculty, "02"}, 6},
                 {{Scope::Kind, QString::fromUtf16(titlelist::kNewspapers)}, 4},
                 {{Scope::Kind, QString::fromUtf16(titlelist::kJournals)}, 8},
                 {{Scope::Subject, "02"}, 3}};
    for (const auto& c : cases) {
        const auto w = open(c.filter);
        const QStringList shown = names(*w);
        EXPECT_EQ(shown.size(), c.count) << c.filter.code.toStdString();
        EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end(), [&](const auto& a, const auto& b) {
            return expected.indexOf(a) < expected.indexOf(b);
        }));
    }
    // The faculty picked in the window is the one listed.
    const auto w = open({Scope::All, {}});
    w->scopeList.userChoose(int(Scope::Faculty));
    w->codeList.userChoose(1);
    w->showButton_Click();
    EXPECT_EQ(w->filter().code, w->codeList.rows().at(1).code);
    for (const QStringList& r : listed(*w))
        EXPECT_EQ(r[titlelist::col::faculty], w->codeList.rows().at(1).description);
}

// Keys brought in from the old program may carry spaces in one table and not
// in another: the title still lists with its subscription and its subjects.
TEST_F(TitleList, AKeyStoredWithSpacesKeepsItsSubscriptionAndSubjects) {
    data::Database& db = temp.db();
    db.exec("INSERT INTO vorlen1 (pointer, vorlen_name) VALUES ('J000900', 'ฎีกาตัวอย่าง')");
    db.exec("INSERT INTO vorlen (pointer, department_code) VALUES (' J000900  ', '01')");
    db.exec("INSERT INTO typeclass VALUES ('J000900 ', '02')");
    for (const titlelist::TitleListFilter& f :
         {titlelist::TitleListFilter{Scope::All, {}}, {Scope::Subject, "02"}})
        EXPECT_TRUE(names(*open(f)).contains(QStringLiteral("ฎีกาตัวอย่าง"))) << int(f.scope);
}

// A list longer than a page: one page is read when it shows, the count is of
// every row, a heading sorts it (again: the other way), and the CSV holds
// every row in the order shown.
TEST_F(TitleList, PagedListCountsSortsAndSavesEveryRow) {
    data::Database& db = temp.db();
    const int extra = ui::PagedRows::kPageRows + 30;
    for (int i = 0; i < extra; ++i) {
        const QString pointer = QStringLiteral("I%1").arg(i + 1, 6, 10, QChar(u'0'));
        db.exec("INSERT INTO vorlen1 (pointer, vorlen_name, issn) VALUES (?, ?, ?)",
                {pointer, QStringLiteral("ฐานข้อมูล %1").arg(i, 3, 10, QChar(u'0')),
                 QStringLiteral("%1").arg(99999999 - i)});
        db.exec("INSERT INTO vorlen (pointer, department_code) VALUES (?, '01')", {pointer});
    }
    const int total = extra + int(std::size(kNames));
    const auto w = open({Scope::All, {}});
    ui::Grid& g = w->titleGrid;
    EXPECT_EQ(g.rows(), ui::PagedRows::kPageRows + 1);
    EXPECT_EQ(w->countLabel.caption(), QStringLiteral("%1 รายการ").arg(total));

    using titlelist::col::issn, titlelist::col::name, titlelist::col::pointer;
    const struct {
        int column, clicks, shown;
        QString first;
    } sorts[] = {{pointer, 1, pointer, "I000001"},
                 {pointer, 2, pointer, "K000010"},
                 {issn, 1, issn, "0317-8471"},
                 {issn, 2, issn, "9999-9999"},
                 {name, 2, name, "Science"},
                 {titlelist::col::holdings, 1, name, "กข"}};  // no order by holdings
    for (const auto& c : sorts) {
        const auto sorted = open({Scope::All, {}});
        for (int i = 0; i < c.clicks; ++i)
            sorted->titleGrid.clickHeading(c.column);
        EXPECT_EQ(sorted->titleGrid.textMatrix(1, c.shown), c.first)
            << c.column << " x" << c.clicks;
    }

    w->titleGrid.clickHeading(titlelist::col::pointer);
    w->askCsvPath = [&](const QString&) { return temp.folder() + "/all.csv"; };
    w->csvButton_Click();
    QFile csv(temp.folder() + "/all.csv");
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = csv.readAll().split('\n');
    ASSERT_EQ(lines.size(), total + 2) << "the headings, every row, the last line's end";
    EXPECT_TRUE(lines[1].startsWith("I000001,"));
    EXPECT_TRUE(lines[total].startsWith("K000010,"));
    EXPECT_EQ(g.rows(), ui::PagedRows::kPageRows + 1) << "saving read no page into the grid";
}

// A long list on paper: every page has its heading and "หน้า n จาก m", every
// title and holdings statement is there whole.
TEST_F(TitleList, LongListPagesWithHeadings) {
    data::Database& db = temp.db();
    for (int i = 0; i < 80; ++i) {
        const QString pointer = QStringLiteral("J%1").arg(100 + i, 6, 10, QChar(u'0'));
        db.exec("INSERT INTO vorlen1 (pointer, vorlen_name) VALUES (?, ?)",
                {pointer, QStringLiteral("วารสารวิทยาศาสตร์และเทคโนโลยีเพื่อการพัฒนาท้องถิ่น %1").arg(i)});
        db.exec("INSERT INTO vorlen (pointer, department_code) VALUES (?, '01')", {pointer});
    }
    printing.path = temp.folder() + "/list.pdf";
    const auto w = open({Scope::All, {}});
    w->pdfButton_Click();
    ASSERT_EQ(box.last().style, ui::msg::kInformation) << box.last().text.toStdString();
    const QString text = pdfText(printing.path);
    const QStringList pages = text.split(u'\f', Qt::SkipEmptyParts);
    ASSERT_GE(pages.size(), 3);
    for (int p = 0; p < pages.size(); ++p) {
        EXPECT_TRUE(
            withoutMarks(pages[p]).contains(withoutMarks(QStringLiteral("รายชื่อวารสารและสิ่งพิมพ์"))));
        EXPECT_TRUE(withoutMarks(pages[p]).contains(
            withoutMarks(QStringLiteral("หน้า %1 จาก %2").arg(p + 1).arg(pages.size()))));
    }
    const QString all = withoutMarks(text);
    for (const QStringList& r : listed(*w)) {
        const QString& name = r[titlelist::col::name];
        const QString& holdings = r[titlelist::col::holdings];
        EXPECT_TRUE(all.contains(withoutMarks(name.left(12)))) << name.toStdString();
        for (const QString& word : holdings.split(u' '))
            EXPECT_TRUE(all.contains(withoutMarks(word))) << holdings.toStdString();
    }
}

// The command line writes what the windows write, from the same store.
TEST_F(TitleList, ReportsFromTheCommandLineMatchTheWindows) {
    // The program reads the configured server, or this user's own file.
    testing_support::Program program;
    if (testing_support::onPostgres()) {
        program.setEnvironment("PERIODICALS_DATABASE", temp.path());
    } else {
        QDir().mkpath(program.dataFolder());
        temp.db().exec("VACUUM INTO ?", {program.database()});
        services.databasePath = program.database();
    }
    const QString dir = temp.folder();
    const auto report = [&](const QStringList& args) {
        EXPECT_EQ(program.run(QStringList{"--report"} + args), 0) << program.output.toStdString();
    };

    const auto titles = open({Scope::Faculty, "01"});
    titles->askCsvPath = [&](const QString&) { return dir + "/titles-window.csv"; };
    titles->csvButton_Click();
    report({"titles", "--faculty", "01", "--output", dir + "/titles.csv"});
    EXPECT_EQ(fileBytes(dir + "/titles.csv"), fileBytes(dir + "/titles-window.csv"));

    late::LateIssues lateWindow(services);
    ASSERT_TRUE(lateWindow.Form_Load());
    ASSERT_FALSE(lateWindow.listed().empty());
    lateWindow.askCsvPath = [&](const QString&) { return dir + "/late-window.csv"; };
    lateWindow.csvButton_Click();
    report({"late", "--output", dir + "/late.csv"});
    EXPECT_EQ(fileBytes(dir + "/late.csv"), fileBytes(dir + "/late-window.csv"));

    lateWindow.agentFilter.chooseRow(1);
    printing.path = dir + "/claim-window.pdf";
    lateWindow.claimPdfButton_Click();
    // The same day's letter twice: the window's text, and the claims counted once.
    const auto claimsKept = [&] {
        const data::Database store(testing_support::onPostgres() ? temp.path()
                                                                 : program.database());
        return store.first("SELECT coalesce(sum(claim_count), 0) FROM issue_claim")
            ->value(0)
            .toInt();
    };
    report({"claims", "--agent", "1", "--output", dir + "/claim.pdf"});
    const int kept = claimsKept();
    EXPECT_GT(kept, 0);
    report({"claims", "--agent", "1", "--output", dir + "/claim.pdf"});
    EXPECT_EQ(claimsKept(), kept);
    EXPECT_EQ(pdfText(dir + "/claim.pdf"), pdfText(dir + "/claim-window.pdf"));

    renewal::expdate expiry(services);
    ASSERT_TRUE(expiry.Form_Load());
    expiry.Text1.setText(data::writeDate(today));
    expiry.Text2.setText(data::writeDate(today.addDays(30)));
    expiry.Command1_Click();
    printing.path = dir + "/expiry-window.pdf";
    expiry.Cmdprint_Click();
    report({"expiry", "--from", data::writeDate(today), "--to", data::writeDate(today.addDays(30)),
            "--output", dir + "/expiry.pdf"});
    EXPECT_FALSE(pdfText(dir + "/expiry.pdf").isEmpty());
    EXPECT_EQ(pdfText(dir + "/expiry.pdf"), pdfText(dir + "/expiry-window.pdf"));

    report({"titles", "--output", dir + "/titles.pdf"});
    printing.path = dir + "/titles-window.pdf";
    open({Scope::All, {}})->pdfButton_Click();
    EXPECT_EQ(pdfText(dir + "/titles.pdf"), pdfText(dir + "/titles-window.pdf"));

    late::ReceivingStatsWindow stats(services);
    ASSERT_TRUE(stats.Form_Load());
    const QString year = QString::number(today.addMonths(-3).year());
    stats.yearText.setText(year);
    stats.showButton_Click();
    ASSERT_FALSE(stats.shown().empty());
    report({"stats", "--year", year, "--output", dir + "/stats.csv"});
    const QByteArray csv = fileBytes(dir + "/stats.csv");
    for (const late::MonthCounts& c : stats.shown()) {
        QStringList row{c.group};
        for (int n : c.months)
            row << QString::number(n);
        EXPECT_TRUE(csv.contains(late::csvLine(row << QString::number(c.total()))));
    }

    // Wrong arguments: a Thai message and exit code 2, no file.
    for (const QStringList& bad :
         {QStringList{"--report", "weekly", "--output", dir + "/x.csv"},
          {"--report", "late", "--output", dir + "/x.txt"},
          {"--report", "late"},
          {"--report", "expiry", "--from", "31/02/2025", "--to", "01/03/2025", "--output",
           dir + "/x.csv"},
          {"--report", "claims", "--from", "today", "--output", dir + "/x.csv"},
          {"--report", "stats", "--year", "abc", "--output", dir + "/x.csv"}}) {
        EXPECT_EQ(program.run(bad), 2) << bad.join(u' ').toStdString();
        EXPECT_TRUE(program.output.contains(QStringLiteral("ต้อง")) ||
                    program.output.contains(QStringLiteral("ไม่")))
            << program.output.toStdString();
        EXPECT_FALSE(QFile::exists(dir + "/x.csv"));
    }
}

}  // namespace
