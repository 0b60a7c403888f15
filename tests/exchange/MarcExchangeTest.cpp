#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTextStream>

#include "articles/ArticleRecords.h"
#include "catalogue/TitleRecords.h"
#include "data/Database.h"
#include "exchange/ExchangeError.h"
#include "exchange/ExchangeRecords.h"
#include "exchange/ImportReport.h"
#include "exchange/MarcCommands.h"
#include "exchange/MarcExchangeWindow.h"
#include "exchange/MarcImport.h"
#include "exchange/MarcReader.h"
#include "exchange/MarcWriter.h"
#include "tests/support/TempDatabase.h"
#include "ui/Fakes.h"

using namespace exchange;

namespace {

catalogue::TitleValues title(const QString& name, const QString& issn, const QString& language,
                             const QString& frequency) {
    catalogue::TitleValues v;
    v.name = name;
    v.issn = issn;
    v.languageCode = language;
    v.magtypeCode = frequency;
    v.publisherCode = QStringLiteral("2");
    v.firstYearPrinted = QStringLiteral("01/01/2540");
    v.departmentCode = QStringLiteral("01");
    return v;
}

// Three titles of the first-run desk: a Thai journal with other names, a Thai
// newspaper and an English journal.
void fillDesk(data::Database& db) {
    catalogue::TitleRecords records(db);
    auto journal = title(QStringLiteral("วารสารสังคมศาสตร์"), "0125-7777", "01", "04");
    journal.compareName = QStringLiteral("สังคมศาสตร์ปริทัศน์");
    journal.shortName = QStringLiteral("วสศ.");
    records.addTitle(1, journal);
    records.addTitle(3, title(QStringLiteral("เดลินิวส์"), "", "01", "01"));
    records.addTitle(2, title(QStringLiteral("Library Journal"), "0363-0277", "02", "06"));
}

// Runs YAZ's own dump over the file; its output, or a failure when YAZ
// finds fault with the file.
QString dumped(const QString& path, bool xml) {
    QProcess dump;
    QStringList args;
    if (xml)
        args << QStringLiteral("-i") << QStringLiteral("marcxml");
    dump.start(QStringLiteral("yaz-marcdump"), args << path);
    EXPECT_TRUE(dump.waitForFinished());
    EXPECT_EQ(dump.exitCode(), 0) << path.toStdString();
    EXPECT_EQ(dump.readAllStandardError(), QByteArray()) << path.toStdString();
    return QString::fromUtf8(dump.readAllStandardOutput());
}

std::vector<MarcRecord> readFile(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return readMarc(f.readAll());
}

QString generatedRecords(const QString& folder) {
    const QString path = folder + QStringLiteral("/catalogue.mrc");
    EXPECT_EQ(QProcess::execute(QStringLiteral("python3"), {QStringLiteral(MARC_GENERATOR), path}),
              0);
    return path;
}

void registerIssue(data::Database& db, const char* magno, const char* pointer, const char* faculty,
                   const char* yearno, const char* issueno) {
    db.exec(
        "INSERT INTO tranfile (magno, department_code, pointer, receivedate, daily, yearno,"
        " issueno) VALUES (?, ?, ?, '15/03/2567', '15/03/2567', ?, ?)",
        {magno, faculty, pointer, yearno, issueno});
}

int titleCount(data::Database& db) {
    return db.first("SELECT count(*) FROM vorlen1")->value(0).toInt();
}

}  // namespace

// Both formats are MARC that YAZ's own dump reads, in UTF-8 with the fields
// the catalogue needs.
TEST(MarcExport, BothFormatsAreReadBackWithTheirFields) {
    testing_support::TempDatabase temp;
    fillDesk(temp.db());
    for (const auto& [format, name] : {std::pair{MarcFormat::Iso2709, "titles.mrc"},
                                       std::pair{MarcFormat::MarcXml, "titles.xml"}}) {
        const QString path = temp.folder() + u'/' + QLatin1String(name);
        EXPECT_EQ(
            exportMarc(ExchangeRecords(temp.db()).titles(), {}, path, format, QDate(2026, 12, 10)),
            3);
        EXPECT_TRUE(dumped(path, format == MarcFormat::MarcXml)
                        .contains(QStringLiteral("245 00 $a วารสารสังคมศาสตร์")))
            << name;

        const auto records = readFile(path);
        ASSERT_EQ(records.size(), 3u) << name;
        const MarcRecord& journal = records[1];  // keys in order: I, J, K
        EXPECT_EQ(journal.leader.mid(6, 4), "as a") << name;
        EXPECT_EQ(journal.control("001"), "J000001");
        EXPECT_EQ(journal.field("022")->subfield(u'a'), "0125-7777");
        EXPECT_EQ(journal.field("041")->subfield(u'a'), "tha");
        EXPECT_EQ(journal.field("264")->subfield(u'b'), QStringLiteral("บริษัท มติชน จำกัด (มหาชน)"));
        EXPECT_EQ(journal.field("310")->subfield(u'a'), QStringLiteral("รายเดือน"));
        EXPECT_EQ(journal.all("246").size(), 2u);
        const QString fixed = journal.control("008");
        EXPECT_EQ(fixed.size(), 40);
        EXPECT_EQ(fixed.mid(7, 4), "1997");  // the Buddhist year 2540
        EXPECT_EQ(fixed[18], u'm');
        EXPECT_EQ(fixed.mid(35, 3), "tha");
        EXPECT_EQ(records[0].control("008").mid(35, 3), "eng");
        EXPECT_EQ(records[2].control("008")[21], u'n');  // the newspaper
        EXPECT_EQ(records[2].field("022"), nullptr);
    }
}

// With --articles every indexed article follows the titles as an analytic
// record tied to its host title and issue; an import takes none of them.
TEST(MarcExport, ArticlesLinkToTheirHostIssue) {
    testing_support::TempDatabase temp;
    auto& db = temp.db();
    fillDesk(db);
    registerIssue(db, "M1", "J000001", "01", "12", "3");
    // A second faculty takes the Thai journal too; the newspaper has one.
    db.exec("INSERT INTO vorlen (pointer, department_code) VALUES ('J000001', '02')");
    registerIssue(db, "M2", "J000001", "02", "12", "1");
    registerIssue(db, "M3", "J000001", "02", "12", "3");
    registerIssue(db, "M4", "K000001", "01", "", "");
    articles::Article a;
    a.magno = "M1";
    a.title = QStringLiteral("การอ่านของเยาวชนไทย");
    a.otherTitle = QStringLiteral("Reading of Thai youth");
    a.pages = "15-30";
    a.abstract = QStringLiteral("ศึกษาพฤติกรรมการอ่าน");
    a.keywords = QStringLiteral("การอ่าน; เยาวชน");
    a.authors = {{QStringLiteral("สมศรี ใจงาม"), false}, {QStringLiteral("สำนักหอสมุด"), true}};
    a.headings = {QStringLiteral("การอ่าน -- ไทย")};
    articles::ArticleRecords(db).save(a, QDate(2026, 12, 1));

    for (const auto& [format, name] :
         {std::pair{"iso2709", "desk.mrc"}, std::pair{"marcxml", "desk.xml"}}) {
        const QString path = temp.folder() + u'/' + QLatin1String(name);
        QString said;
        QTextStream out(&said);
        ASSERT_EQ(exportMarcCommand(temp.path(), path, QLatin1String(format), true,
                                    QDate(2026, 12, 10), out),
                  0)
            << said.toStdString();
        EXPECT_TRUE(said.contains(QStringLiteral("และบทความ 1 รายการ"))) << said.toStdString();
        const QString dump = dumped(path, format == std::string_view("marcxml"));
        EXPECT_TRUE(dump.contains(QStringLiteral("773 0  $t วารสารสังคมศาสตร์")));
        // One 866 a subscription holding something, the faculty named only
        // beside another; the English journal has received nothing.
        const QStringList holdings =
            dump.split(u'\n').filter(QRegularExpression(QStringLiteral("^866 ")));
        EXPECT_EQ(holdings,
                  QStringList({QStringLiteral("866 30 $a ปีที่ 12 $z ศูนย์วิทยบริการ"),
                               QStringLiteral("866 30 $a ปีที่ 12; ขาด ปีที่ 12 ฉบับที่ 2 $z คณะครุศาสตร์"),
                               QStringLiteral("866 30 $a 1 ฉบับ")}))
            << holdings.join(u'\n').toStdString();
        const auto records = readFile(path);
        ASSERT_EQ(records.size(), 4u) << name;
        EXPECT_EQ(records[1].all("866").size(), 2u);
        const MarcRecord& r = records[3];
        EXPECT_EQ(r.leader.mid(6, 2), "ab");
        EXPECT_EQ(r.control("008").mid(7, 4), "2024");
        EXPECT_EQ(r.field("100")->subfield(u'a'), QStringLiteral("สมศรี ใจงาม"));
        EXPECT_EQ(r.field("710")->subfield(u'a'), QStringLiteral("สำนักหอสมุด"));
        EXPECT_EQ(r.field("245")->subfield(u'a'), a.title);
        EXPECT_EQ(r.field("246")->subfield(u'a'), a.otherTitle);
        EXPECT_EQ(r.field("520")->subfield(u'a'), a.abstract);
        EXPECT_EQ(r.field("650")->subfield(u'a'), a.headings[0]);
        ASSERT_EQ(r.all("653").size(), 2u);
        EXPECT_EQ(r.all("653")[1]->subfield(u'a'), QStringLiteral("เยาวชน"));
        const MarcField* host = r.field("773");
        ASSERT_NE(host, nullptr);
        EXPECT_EQ(host->subfield(u'g'), QStringLiteral("ปีที่ 12 ฉบับที่ 3 (15 มีนาคม 2567) หน้า 15-30"));
        EXPECT_EQ(host->subfield(u'x'), "0125-7777");
        EXPECT_EQ(host->subfield(u'w'), "J000001");
        EXPECT_EQ(planImport(records, db).otherRecords, 1);
    }
}

// The catalogue's serials become titles in their series; books, titles the
// desk has and repeats within the file are left out, and the plan says so.
TEST(MarcImport, SerialsBecomeTitlesOfTheirSeries) {
    testing_support::TempDatabase temp;
    auto& db = temp.db();
    catalogue::TitleRecords(db).addTitle(1,
                                         title(QStringLiteral("คณิตศาสตร์"), "0125-0002", "01", ""));
    const ImportPlan plan = planImport(readFile(generatedRecords(temp.folder())), db);
    EXPECT_EQ(plan.otherRecords, 7);
    ASSERT_EQ(plan.skipped.size(), 2u);
    EXPECT_EQ(plan.skipped[0].existingKey, "J000001");
    EXPECT_EQ(plan.skipped[1].existingKey, "");  // the second Library Trends
    ASSERT_EQ(plan.titles.size(), 9u);

    const auto keys = applyImport(plan, db);
    ASSERT_EQ(keys.size(), 9u);
    struct Case {
        const char* key;
        QString name, issn, language, frequency;
    };
    const Case cases[] = {
        {"J000002", QStringLiteral("วารสารวิทยาศาสตร์เกษตร"), "0125-0001", "01", "04"},
        {"K000001", QStringLiteral("ไทยรัฐ"), "0125-0003", "01", "01"},
        {"J000004", QStringLiteral("วารสารประวัติศาสตร์ล้านนา"), "", "01", "08"},
        {"I000001", "Journal of Tropical Ecology", "0266-4674", "02", "05"},
        {"L000001", "Bangkok Post", "0125-0005", "02", "01"},
        {"I000004", "Japan Quarterly", "0021-4590", "04", "06"},
    };
    for (const Case& c : cases) {
        const auto row = db.first(
            "SELECT vorlen_name, issn, language_code, magtype_code FROM vorlen1 WHERE pointer = ?",
            {c.key});
        ASSERT_TRUE(row) << c.key;
        EXPECT_EQ(row->text(0), c.name) << c.key;
        EXPECT_EQ(row->text(1), c.issn) << c.key;
        EXPECT_EQ(row->text(2), c.language) << c.key;
        EXPECT_EQ(row->text(3), c.frequency) << c.key;
    }
    EXPECT_EQ(db.first("SELECT count(*) FROM vorlen WHERE pointer = 'K000001'")->value(0).toInt(),
              1);
    // A second run of the same file adds nothing.
    EXPECT_TRUE(planImport(readFile(temp.folder() + "/catalogue.mrc"), db).titles.empty());
}

// A desk's export read by another desk gives the same titles back.
TEST(MarcImport, AnExportReadsBackAsTheSameTitles) {
    testing_support::TempDatabase from;
    fillDesk(from.db());
    registerIssue(from.db(), "M1", "J000001", "01", "12", "3");
    const QString path = from.folder() + QStringLiteral("/desk.xml");
    const auto titles = ExchangeRecords(from.db()).titlesWithHoldings(QDate(2026, 1, 1));
    ASSERT_EQ(titles[1].holdings.size(), 1u);
    exportMarc(titles, {}, path, MarcFormat::MarcXml, QDate(2026, 1, 1));
    testing_support::TempDatabase to;
    applyImport(planImport(readFile(path), to.db()), to.db());
    const char* sql =
        "SELECT pointer, vorlen_name, compare_name, shot_name, issn, language_code, magtype_code"
        " FROM vorlen1 ORDER BY pointer";
    const auto original = from.db().query(sql);
    const auto copy = to.db().query(sql);
    ASSERT_EQ(copy.size(), original.size());
    for (std::size_t i = 0; i < copy.size(); ++i)
        for (int col = 0; col < 7; ++col)
            EXPECT_EQ(copy[i].text(col), original[i].text(col)) << i << ' ' << col;
    // 866 tells what the other desk holds; this desk has registered nothing.
    EXPECT_EQ(to.db().first("SELECT count(*) FROM tranfile")->value(0).toInt(), 0);
    EXPECT_EQ(to.db()
                  .first("SELECT count(*) FROM vorlen WHERE trim(department_code) <> ''")
                  ->value(0)
                  .toInt(),
              0);
}

// A series that runs out part way leaves the desk as it was: no title of the
// file is written.
TEST(MarcImport, ASeriesRunningOutWritesNothing) {
    testing_support::TempDatabase temp;
    auto& db = temp.db();
    db.exec("UPDATE recsetup SET next_key3 = 'K032767'");
    const ImportPlan plan = planImport(readFile(generatedRecords(temp.folder())), db);
    EXPECT_THROW(applyImport(plan, db), catalogue::KeySeriesError);
    EXPECT_EQ(titleCount(db), 0);
    EXPECT_EQ(db.first("SELECT next_key1 FROM recsetup")->text(0), "J000001");
}

// A file that is not MARC, or is cut short, is refused with the record named.
TEST(MarcImport, ACutFileIsRefused) {
    testing_support::TempDatabase temp;
    QFile f(generatedRecords(temp.folder()));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray whole = f.readAll();
    for (const QByteArray& broken : {whole.left(whole.size() - 40), QByteArray("not marc at all")})
        EXPECT_THROW(readMarc(broken), ExchangeError);
}

// The window shows what an import will do and writes only on the second
// step; a file it cannot read is said in Thai and leaves nothing to write.
TEST(MarcExchangeWindow, ShowsTheImportBeforeWritingIt) {
    testing_support::TempDatabase temp;
    ui::FakeMessageBox messages;
    ui::FixedClock clock(QDate(2026, 12, 10));
    ui::RecordingOpener opener;
    QString newdealer;
    ui::Services services{temp.path(), messages, clock, opener, newdealer};
    MarcExchangeWindow window(services);

    window.readImport(temp.folder() + QStringLiteral("/missing.mrc"));
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(messages.shown()[0].text.startsWith(QStringLiteral("เปิดแฟ้ม")));
    EXPECT_FALSE(window.canImport());

    window.readImport(generatedRecords(temp.folder()));
    EXPECT_TRUE(window.canImport());
    EXPECT_TRUE(
        window.planLines().contains(QStringLiteral("เพิ่ม: ไทยรัฐ ISSN 0125-0003 (หนังสือพิมพ์)")));
    EXPECT_TRUE(window.planLines().contains(QStringLiteral(
        "วารสารที่จะเพิ่ม 10 รายการ ข้ามเพราะซ้ำ 1 รายการ ข้ามระเบียนที่ไม่ใช่วารสาร (หนังสือ ฯลฯ) 7 รายการ")));
    EXPECT_EQ(window.planLines().last(), subscriptionNeeded());
    EXPECT_EQ(titleCount(temp.db()), 0);

    window.importPlanned();
    EXPECT_EQ(titleCount(temp.db()), 10);
    EXPECT_TRUE(messages.shown().back().text.startsWith(QStringLiteral("เพิ่มวารสารแล้ว 10 รายการ")));
    EXPECT_TRUE(messages.shown().back().text.endsWith(subscriptionNeeded()));
    EXPECT_FALSE(window.canImport());
    EXPECT_TRUE(window.planLines().isEmpty());
}
