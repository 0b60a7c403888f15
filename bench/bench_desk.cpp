// Times the desk's everyday operations on a large generated database, through
// the real windows, and the same SQL run straight through the sqlite3
// library with no program layers:
//   bench_desk <database made by generate_sample>
// The database is changed (a title gets 500 issues, registrations are saved).

#include <sqlite3.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <algorithm>
#include <functional>
#include <vector>

#include "bench/ArticleBench.h"
#include "bench/MedianTime.h"
#include "bench/PaintedTime.h"
#include "catalogue/NewJournalView.h"
#include "data/Database.h"
#include "data/DateText.h"
#include "data/Issn.h"
#include "data/NameIndex.h"
#include "data/SortableDate.h"
#include "issues/reg_journalView.h"
#include "late/LateIssuesView.h"
#include "late/ReceivingStatsWindow.h"
#include "publishers/AdddealerView.h"
#include "renewal/expdateView.h"
#include "search/SearchJournalView.h"
#include "search/SearchRecords.h"
#include "shell/MainWindow.h"
#include "shell/Startup.h"
#include "ui/Fakes.h"
#include "ui/qt/Fonts.h"
#include "ui/qt/QtPrinting.h"

namespace {

const QString kBenchTitle = QStringLiteral("วารสารทดสอบความเร็วของโปรแกรม");

// The same statements straight through sqlite3: prepare, bind, read every
// column of every row as text.
class Raw {
  public:
    explicit Raw(const QString& path) {
        sqlite3_open_v2(path.toUtf8().constData(), &db_, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_busy_timeout(db_, 3000);
        run("PRAGMA synchronous = FULL");
    }
    ~Raw() { sqlite3_close(db_); }

    void run(const char* sql, const QStringList& params = {}) {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db_, sql, -1, &st, nullptr);
        for (int i = 0; i < params.size(); ++i) {
            const QByteArray v = params[i].toUtf8();
            sqlite3_bind_text(st, i + 1, v.constData(), int(v.size()), SQLITE_TRANSIENT);
        }
        while (sqlite3_step(st) == SQLITE_ROW)
            for (int c = 0; c < sqlite3_column_count(st); ++c)
                sink_ += sqlite3_column_bytes(st, c) + (sqlite3_column_text(st, c) ? 1 : 0);
        sqlite3_finalize(st);
    }
    int count(const char* sql, const QStringList& params) {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db_, sql, -1, &st, nullptr);
        for (int i = 0; i < params.size(); ++i) {
            const QByteArray v = params[i].toUtf8();
            sqlite3_bind_text(st, i + 1, v.constData(), int(v.size()), SQLITE_TRANSIENT);
        }
        const int n = sqlite3_step(st) == SQLITE_ROW ? sqlite3_column_int(st, 0) : 0;
        sqlite3_finalize(st);
        return n;
    }

  private:
    sqlite3* db_ = nullptr;
    qint64 sink_ = 0;
};

// Gives one title 500 registered issues under a name no other title has.
QString prepareBenchTitle(data::Database& db) {
    if (const auto row =
            db.first("SELECT pointer FROM vorlen1 WHERE vorlen_name = ?", {kBenchTitle}))
        return row->text(0);
    const auto row = db.first(
        "SELECT vorlen1.pointer, vorlen.department_code FROM vorlen1 JOIN vorlen"
        " ON vorlen1.pointer = vorlen.pointer WHERE vorlen1.pointer LIKE 'J%' LIMIT 1");
    const QString key = row->text(0), department = row->text(1);
    data::Transaction tx(db);
    db.exec("UPDATE vorlen1 SET vorlen_name = ? WHERE pointer = ?", {kBenchTitle, key});
    const int first = db.first("SELECT nextmagno FROM jourctrl")->value(0).toInt();
    for (int i = 0; i < 500; ++i) {
        const QString day = data::writeDate(QDate(2000, 1, 1).addDays(i * 9));
        db.exec("INSERT INTO tranfile VALUES (?,?,?,?,?,?,?,?)",
                {QString::number(first + i), department, key, day, day, QStringLiteral("1"),
                 QString::number(i), QStringLiteral("ฉบับทดสอบ %1").arg(i)});
    }
    db.exec("UPDATE jourctrl SET nextmagno = ?", {QString::number(first + 500)});
    tx.commit();
    return key;
}

// A range of end dates holding about a thousand journal subscriptions.
QString rangeEndForThousand(Raw& raw, const QString& from) {
    QDate end = data::readDate(from)->addDays(1);
    const QByteArray sql =
        "SELECT count(*) FROM vorlen WHERE Receive_Code = '1' AND (substr(pointer,1,1)"
        " IN ('I','J')) AND " +
        data::sortableDate("end_period") + " BETWEEN ? AND ?";
    while (raw.count(sql.constData(), {data::readDate(from)->toString(Qt::ISODate),
                                       end.toString(Qt::ISODate)}) < 1250)
        end = end.addDays(1);
    return data::writeDate(end);
}

class PdfPrinting : public ui::qt::QtPrinting {
  public:
    explicit PdfPrinting(QString path) : path_(std::move(path)) {}
    bool hasDefaultPrinter() override { return false; }
    std::optional<QString> askPdfPath(const QString&) override { return path_; }

  private:
    QString path_;
};

// The same work on plain sqlite3, one input after the other.
double rawMs(const QStringList& inputs, const std::function<void(const QString&)>& run) {
    std::vector<double> times;
    for (const QString& input : inputs) {
        QElapsedTimer t;
        t.start();
        run(input);
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Parts of title names as a clerk types them (the name without its number),
// a different one for every repeat, and the ISSNs of other titles.
struct Inputs {
    QStringList words, issns, barcodes;
};

Inputs benchInputs(data::Database& db, int count) {
    QRandomGenerator random(8122026);
    const qint64 titles = db.first("SELECT max(rowid) FROM vorlen1")->value(0).toLongLong();
    Inputs in;
    while (in.words.size() < count) {
        const auto row = db.first("SELECT vorlen_name, issn FROM vorlen1 WHERE rowid = ?",
                                  {random.bounded(qint64(1), titles + 1)});
        if (!row)
            continue;
        const QString name = row->text(0);
        const QString word = name.left(name.lastIndexOf(u' ')).trimmed();
        const auto issn = data::issnDigits(row->text(1));
        if (word.isEmpty() || in.words.contains(word) || !issn)
            continue;
        in.words << word;
        in.issns << issn->left(4) + u'-' + issn->mid(4);
        QString code = QStringLiteral("977") + issn->left(7) + QStringLiteral("00");
        int sum = 0;
        for (int i = 0; i < 12; ++i)
            sum += code.at(i).digitValue() * (i % 2 ? 3 : 1);
        in.barcodes << code + QString::number((10 - sum % 10) % 10);
    }
    return in;
}

qint64 residentKb() {
    QFile f(QStringLiteral("/proc/self/status"));
    f.open(QIODevice::ReadOnly);
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    return 0;
}

struct Result {
    QString operation;
    double target, ms, rawMs;  // rawMs < 0: no single query to compare with
};

// Start of the program, as a process of its own: from exec to the main window
// shown on the screen, then out.
int startProbe(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ui::qt::setUpFonts();
    ui::FakeMessageBox messages;
    const auto window =
        shell::startProgram(QString::fromLocal8Bit(argv[2]), QDate::currentDate(), messages);
    QCoreApplication::processEvents();
    return window->isVisible() ? 0 : 1;
}

double startMs(const QString& path) {
    return medianMs(11, [&] {
        QProcess probe;
        probe.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--start-probe"), path});
        probe.waitForFinished();
    });
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 2 && QByteArray(argv[1]) == "--start-probe")
        return startProbe(argc, argv);
    QApplication app(argc, argv);
    ui::qt::setUpFonts();
    QTextStream out(stdout);
    if (argc < 2) {
        out << "usage: bench_desk <database made by generate_sample>\n";
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    QTemporaryDir scratch;
    ui::FakeMessageBox messages;
    ui::FixedClock clock(QDate(2026, 12, 8));
    ui::RecordingOpener opener;
    QString newdealer;
    PdfPrinting printing(scratch.path() + QStringLiteral("/list.pdf"));
    ui::Services services{path, messages, clock, opener, newdealer, &printing};
    Raw raw(path);
    std::vector<Result> results;

    QString benchKey;
    {
        data::Database db(path);
        benchKey = prepareBenchTitle(db);
    }

    // The first start of a day also writes the daily backup, after the window.
    QElapsedTimer firstStart;
    firstStart.start();
    {
        auto window = shell::startProgram(path, QDate::currentDate(), messages);
        QCoreApplication::processEvents();
    }
    const double firstStartMs = double(firstStart.nsecsElapsed()) / 1e6;
    results.push_back({"start of the program to the main window shown", 300, startMs(path), -1});

    const char* codeLists[] = {
        "select * from typemag",    "select * from magtype",   "select * from maglang",
        "select * from department", "select * from receives",  "select * from currmony",
        "select * from statustype", "select * from bindcolor", "select * from bindtype"};
    results.push_back({"title window load (nine code lists)", 30,
                       medianMs(21,
                                [&] {
                                    catalogue::NewJournalView view(services);
                                    view.load();
                                }),
                       medianMs(21, [&] {
                           for (const char* sql : codeLists)
                               raw.run(sql);
                       })});

    Inputs inputs;
    {
        data::Database db(path);
        inputs = benchInputs(db, 21);
    }
    const char* nameSearchSql =
        "SELECT pointer, vorlen_name FROM vorlen1 WHERE rowid IN (SELECT rowid FROM vorlen1_names"
        " WHERE vorlen1_names MATCH ?) AND vorlen_name LIKE ? ESCAPE '\\' ORDER BY rowid";
    catalogue::NewJournalView titleView(services);
    titleView.load();
    titleView.show();
    catalogue::NewJournal& title = titleView.logic();
    auto* text2 = titleView.findChild<QLineEdit*>(QStringLiteral("Text2"));
    results.push_back({"title name search, double-click to list painted", 20,
                       paintedMs(titleView, inputs.words,
                                 [&](const QString& word) {
                                     title.Text2.setText(word);
                                     QTest::mouseDClick(text2, Qt::LeftButton);
                                 }),
                       rawMs(inputs.words, [&](const QString& word) {
                           raw.run(nameSearchSql,
                                   {QStringLiteral("vorlen_name : ") + data::trigramQuery(word),
                                    u'%' + word + u'%'});
                       })});
    results.push_back(
        {"title load (three queries)", 3,
         medianMs(51,
                  [&] { title.dlbnamemag.userChoose(int(title.dlbnamemag.rows().size() / 2)); }),
         medianMs(51, [&] {
             raw.run(
                 "SELECT vorlen1.pointer, vorlen1.vorlen_name, vorlen1.compare_name,"
                 " vorlen1.old_name, vorlen1.shot_name, vorlen1.First_year_printed,"
                 " vorlen1.issn, vorlen1.number_per_volume, vorlen1.volume_per_year,"
                 " maglang.langdesth, magtype.magtype_thai_des, dealer.Publisher_code,"
                 " dealer.publisher_name FROM vorlen1"
                 " JOIN maglang ON vorlen1.language_code = maglang.language_code"
                 " JOIN magtype ON vorlen1.magtype_code = magtype.magtype_code"
                 " JOIN dealer ON vorlen1.publisher_code = dealer.publisher_code"
                 " WHERE vorlen1.pointer = ? ORDER BY vorlen1.rowid LIMIT 1",
                 {benchKey});
             raw.run(
                 "SELECT vorlen.copy_per_year, vorlen.price_per_year, vorlen.exchange_rate,"
                 " vorlen.begin_period, vorlen.end_period, vorlen.order_date,"
                 " department.department_thai_des, receives.receivestatusdes,"
                 " currmony.Currency_Thai_Des, dealer.Publisher_code, dealer.Publisher_Name,"
                 " statustype.status_thai_descrition, bindtype.bindtype_des,"
                 " bindcolor.bindcolor_desth FROM vorlen"
                 " JOIN department ON vorlen.department_code = department.department_code"
                 " JOIN receives ON vorlen.Receive_Code = receives.receivestatus"
                 " JOIN currmony ON vorlen.currency_code = currmony.currency_code"
                 " JOIN dealer ON vorlen.publisher_code = dealer.publisher_code"
                 " JOIN statustype ON vorlen.status_code = statustype.status_code"
                 " JOIN bindtype ON vorlen.bind_type_code = bindtype.bindtype_code"
                 " JOIN bindcolor ON vorlen.bind_color_code = bindcolor.bindtype_code"
                 " WHERE vorlen.pointer = ? ORDER BY vorlen.rowid LIMIT 1",
                 {benchKey});
             raw.run(
                 "SELECT typeclass.type_code, typemag.type_thai_descrition FROM typeclass"
                 " JOIN typemag ON typeclass.type_code = typemag.type_code"
                 " WHERE typeclass.pointer = ? ORDER BY typeclass.rowid LIMIT 1",
                 {benchKey});
         })});

    issues::reg_journalView issueView(services);
    issueView.load();
    issueView.show();
    issues::reg_journal& reg = issueView.logic();
    auto* regText1 = issueView.findChild<QLineEdit*>(QStringLiteral("Text1"));
    // The registration window's title search, as plain SQLite runs it.
    auto registrationSearch = [&](const QString& word) {
        raw.run(
            "SELECT vorlen1.pointer, vorlen1.vorlen_name, vorlen.department_code,"
            " department.department_thai_des FROM vorlen1 JOIN vorlen"
            " ON vorlen1.pointer = vorlen.pointer JOIN department"
            " ON vorlen.department_code = department.department_code"
            " WHERE vorlen1.rowid IN (SELECT rowid FROM vorlen1_names"
            " WHERE vorlen1_names MATCH ?2) AND vorlen1.vorlen_name LIKE ?1 ESCAPE '\\'"
            " ORDER BY vorlen1.rowid, vorlen.rowid",
            {u'%' + word + u'%', QStringLiteral("vorlen_name : ") + data::trigramQuery(word)});
    };
    results.push_back(
        {"registration name search, Enter to titles list painted", 20,
         paintedMs(issueView, inputs.words,
                   [&](const QString& word) {
                       reg.Text1.setText(word);
                       QTest::keyClick(regText1, Qt::Key_Return);
                   }),
         rawMs(inputs.words, [&](const QString& word) { registrationSearch(word); })});

    search::SearchJournalView searchView(services);
    searchView.load();
    searchView.show();
    search::SearchJournal& finder = searchView.logic();
    auto* searchText1 = searchView.findChild<QLineEdit*>(QStringLiteral("Text1"));
    auto searchEnter = [&](const QString& typed) {
        finder.Text1.setText(typed);
        QTest::keyClick(searchText1, Qt::Key_Return);
    };
    const QByteArray textSql =
        search::SearchRecords::textSql(data::trigramSearchable(inputs.words.first()));
    const QByteArray issnSql = search::SearchRecords::issnSql();
    results.push_back({"search window, part of a name to result painted", 40,
                       paintedMs(searchView, inputs.words, searchEnter),
                       rawMs(inputs.words, [&](const QString& word) {
                           QStringList params;
                           for (const QVariant& v : search::SearchRecords::textParams(
                                    word, data::trigramSearchable(word)))
                               params << v.toString();
                           raw.run(textSql.constData(), params);
                       })});
    auto issnRaw = [&](const QString& issn) {
        raw.run(issnSql.constData(), {data::issnDigits(issn).value_or(QString())});
    };
    results.push_back({"search window, ISSN to result painted", 10,
                       paintedMs(searchView, inputs.issns, searchEnter),
                       rawMs(inputs.issns, issnRaw)});
    results.push_back({"search window, scanned barcode to result painted", 10,
                       paintedMs(searchView, inputs.barcodes, searchEnter),
                       rawMs(inputs.issns, issnRaw)});
    results.push_back(
        {"registration: search, pick a title with 500 issues, list filled", 20,
         medianMs(21,
                  [&] {
                      reg.Text1.setText(kBenchTitle);
                      reg.Command1_Click();
                      reg.show_journal.click(1, 0);
                  }),
         medianMs(21, [&] {
             registrationSearch(kBenchTitle);
             const QByteArray day = data::sortableDate("daily");
             raw.run(("SELECT magno, department_code, pointer, receivedate, daily, yearno,"
                      " issueno, descriptionitem FROM tranfile WHERE trim(pointer) = ?"
                      " ORDER BY " +
                      day + " IS NULL, " + day + " DESC, rowid")
                         .constData(),
                     {benchKey});
         })});
    // New on a title with a pattern: the next expected issue proposed, to
    // the painted window; Cancel between the repeats is not timed.
    std::vector<double> proposals;
    QString proposed;
    for (int i = 0; i < 21; ++i) {
        QElapsedTimer t;
        t.start();
        reg.Command2_Click();
        QCoreApplication::processEvents();
        issueView.repaint();
        proposals.push_back(double(t.nsecsElapsed()) / 1e6);
        proposed = reg.Text6.text();
        reg.Command4_Click();
    }
    std::sort(proposals.begin(), proposals.end());
    results.push_back({QStringLiteral("registration: New proposes the next expected issue (%1),"
                                      " painted")
                           .arg(proposed.isEmpty() ? QStringLiteral("none") : proposed),
                       20, proposals[proposals.size() / 2], -1});
    results.push_back(
        {"save of a new registration (row + counter, durable)", 10,
         medianMs(21,
                  [&] {
                      reg.Command2_Click();
                      reg.Text4.setText(QStringLiteral("5"));
                      reg.MonthView1_DateClick(QDate(2026, 12, 1));
                      reg.Command7_Click();
                  }),
         medianMs(21, [&] {
             raw.run("BEGIN IMMEDIATE");
             raw.run("SELECT nextmagno FROM jourctrl ORDER BY rowid LIMIT 1");
             raw.run(
                 "INSERT INTO tranfile (magno, department_code, pointer, receivedate, daily,"
                 " yearno, issueno, descriptionitem) VALUES (?,?,?,?,?,?,?,?)",
                 {"999999999", "01", benchKey, "01/12/2026", "01/12/2026", "5", "", ""});
             raw.run(
                 "UPDATE jourctrl SET nextmagno = ? WHERE rowid ="
                 " (SELECT rowid FROM jourctrl ORDER BY rowid LIMIT 1)",
                 {QStringLiteral("1000000000")});
             raw.run("COMMIT");
             // The window then lists the title's issues again, latest first.
             const QByteArray day = data::sortableDate("daily");
             raw.run(("SELECT magno, department_code, pointer, receivedate, daily, yearno,"
                      " issueno, descriptionitem FROM tranfile WHERE trim(pointer) = ?"
                      " ORDER BY " +
                      day + " IS NULL, " + day + " DESC, rowid")
                         .constData(),
                     {benchKey});
         })});
    {
        data::Database db(path);
        db.exec("DELETE FROM tranfile WHERE magno = '999999999'");
        db.exec("UPDATE jourctrl SET nextmagno = ?",
                {QString::number(db.first("SELECT max(CAST(magno AS INTEGER)) + 1 FROM tranfile")
                                     ->value(0)
                                     .toLongLong())});
    }

    renewal::expdateView expiryView(services);
    expiryView.load();
    renewal::expdate& exp = expiryView.logic();
    const QString from = QStringLiteral("01/01/2027");
    const QString to = rangeEndForThousand(raw, from);
    exp.Option1.click();
    int listed = 0;
    results.push_back(
        {"expiry search listing 1,000 subscriptions with latest issues", 150,
         medianMs(11,
                  [&] {
                      exp.Text1.setText(from);
                      exp.Text2.setText(to);
                      exp.Command1_Click();
                      listed = 0;
                      while (listed + 1 < exp.showjour.rows() &&
                             !exp.showjour.textMatrix(listed + 1, 0).isEmpty())
                          ++listed;
                  }),
         medianMs(11, [&] {
             const QByteArray issueDay = data::sortableDate("tranfile.daily");
             const QByteArray endDay = data::sortableDate("vorlen.end_period");
             raw.run(
                 ("SELECT vorlen1.pointer, vorlen1.vorlen_name, vorlen.price_per_year,"
                  " vorlen.exchange_rate, vorlen.order_date, vorlen.end_period,"
                  " dealer.Publisher_Name, currmony.Currency_Thai_Des,"
                  " (SELECT tranfile.descriptionitem FROM tranfile"
                  "  WHERE tranfile.pointer = vorlen1.pointer"
                  "  ORDER BY " +
                  issueDay +
                  " DESC, tranfile.rowid LIMIT 1)"
                  " FROM vorlen1, vorlen, dealer, currmony"
                  " WHERE vorlen1.pointer = vorlen.pointer"
                  " AND (substr(vorlen1.pointer, 1, 1) = ? OR substr(vorlen1.pointer, 1, 1) = ?)"
                  " AND vorlen.Receive_Code = '1'"
                  " AND vorlen1.publisher_code = dealer.Publisher_Code"
                  " AND vorlen.publisher_code = dealer.Publisher_Code"
                  " AND vorlen.currency_code = currmony.Currency_Code"
                  " AND " +
                  endDay +
                  " BETWEEN ? AND ?"
                  " ORDER BY " +
                  endDay + ", vorlen.rowid")
                     .constData(),
                 {"J", "I", data::readDate(from)->toString(Qt::ISODate),
                  data::readDate(to)->toString(Qt::ISODate)});
         })});
    results.push_back({QStringLiteral("printing %1 lines to PDF").arg(listed), 2000,
                       medianMs(3, [&] { exp.Cmdprint_Click(); }), -1});

    // The late list, as the plain statements the window runs: the three code
    // lists, the intervals, the patterns, the live subscriptions with their
    // latest issues, the issues of patterned titles from their known volume,
    // and the texts of the first page of rows.
    const auto rawLateList = [&](Raw& raw) {
        raw.run("SELECT department_code, Department_Thai_Des FROM department ORDER BY rowid");
        raw.run("SELECT MagType_Code, MagType_Thai_Des FROM magtype ORDER BY rowid");
        raw.run("SELECT Publisher_Code, Publisher_Name FROM dealer ORDER BY rowid");
        raw.run("SELECT MagType_Code, interval_days, grace_days FROM magtype_interval");
        raw.run("SELECT * FROM publication_pattern");
        raw.run(
            "SELECT vorlen.rowid, vorlen.pointer, vorlen.department_code, vorlen.publisher_code,"
            " vorlen1.magtype_code, vorlen.begin_period, vorlen.end_period, latest.receivedate"
            " FROM vorlen JOIN vorlen1 ON vorlen1.pointer = vorlen.pointer"
            " LEFT JOIN latest_issue AS latest ON latest.pointer = trim(vorlen.pointer)"
            " AND latest.department_code = trim(vorlen.department_code)"
            " WHERE trim(vorlen.Receive_Code) = '1'"
            " AND substr(vorlen.pointer, 1, 1) IN ('I', 'J', 'K', 'L')");
        raw.run(
            "SELECT p.pointer, trim(t.department_code), t.yearno, t.issueno"
            " FROM publication_pattern AS p CROSS JOIN tranfile AS t"
            " WHERE p.ceased = 0 AND trim(t.pointer) = p.pointer || ''"
            " AND CAST(t.yearno AS INTEGER) >= p.known_volume");
        raw.run(
            "SELECT vorlen.rowid, vorlen1.pointer, vorlen1.vorlen_name, vorlen.department_code,"
            " vorlen.publisher_code, vorlen1.magtype_code, vorlen1.issn,"
            " latest.descriptionitem, latest.receivedate"
            " FROM vorlen JOIN vorlen1 ON vorlen1.pointer = vorlen.pointer"
            " LEFT JOIN latest_issue AS latest ON latest.pointer = trim(vorlen.pointer)"
            " AND latest.department_code = trim(vorlen.department_code)"
            " WHERE vorlen.rowid <= 128");
    };
    qsizetype lateCount = 0;
    const double lateOpenMs = medianMs(5, [&] {
        late::LateIssuesView view(services);
        view.load();
        view.show();
        QCoreApplication::processEvents();
        view.repaint();
        lateCount = qsizetype(view.logic().lateList.count());
    });
    results.push_back({QStringLiteral("late issues window opened, %1 late painted").arg(lateCount),
                       300, lateOpenMs, medianMs(5, [&] {
                           Raw fresh(path);
                           rawLateList(fresh);
                       })});
    late::LateIssuesView lateView(services);
    lateView.load();
    lateView.show();
    auto* showLate = lateView.findChild<QPushButton*>(QStringLiteral("showButton"));
    results.push_back(
        {QStringLiteral("late issues list shown again, click to list painted"), 300,
         paintedMs(lateView, QStringList(5, QString()),
                   [&](const QString&) { QTest::mouseClick(showLate, Qt::LeftButton); }),
         medianMs(5, [&] { rawLateList(raw); })});
    // The year of the collection that holds the most issues.
    const int statsYear = raw.count(
        "SELECT CAST(substr(trim(receivedate), -4) AS INTEGER) AS y FROM tranfile"
        " GROUP BY y ORDER BY count(*) DESC LIMIT 1",
        {});
    late::ReceivingStatsWindow stats(services);
    stats.Form_Load();
    stats.yearText.setText(QString::number(statsYear));
    results.push_back({QStringLiteral("receiving statistics of %1 by faculty").arg(statsYear), 300,
                       medianMs(5, [&] { stats.showButton_Click(); }), medianMs(5, [&] {
                           const QByteArray sql =
                               "SELECT trim(department_code) AS g, count(*) FROM tranfile"
                               " WHERE " +
                               data::sortableDate("receivedate") + " BETWEEN ? AND ? GROUP BY g";
                           for (int month = 1; month <= 12; ++month) {
                               const QDate first(statsYear, month, 1);
                               raw.run(
                                   sql.constData(),
                                   {first.toString(Qt::ISODate),
                                    first.addDays(first.daysInMonth() - 1).toString(Qt::ISODate)});
                           }
                       })});

    const ArticleTiming articleSearch = timeArticleSearch(services, 21);
    if (articleSearch.articles > 0)
        results.push_back(
            {QStringLiteral("article search, a title word and an author to list painted (%L1 "
                            "articles)")
                 .arg(articleSearch.articles),
             50, articleSearch.ms, -1});

    publishers::AdddealerView dealerView(services);
    dealerView.load();
    const qint64 rss = residentKb();

    {
        data::Database db(path);
        out << "titles: " << db.first("SELECT count(*) FROM vorlen1")->text(0)
            << ", issues: " << db.first("SELECT count(*) FROM tranfile")->text(0) << "\n\n";
    }
    out << "| operation | target (ms) | median (ms) | plain sqlite3 (ms) | ratio |\n";
    out << "|---|---:|---:|---:|---:|\n";
    for (const Result& r : results) {
        out << "| " << r.operation << " | " << r.target << " | " << QString::number(r.ms, 'f', 2)
            << " | ";
        if (r.rawMs >= 0)
            out << QString::number(r.rawMs, 'f', 2) << " | "
                << QString::number(r.ms / r.rawMs, 'f', 2) << " |\n";
        else
            out << "- | - |\n";
    }
    out << "\nfirst start of the day, window then the daily backup: "
        << QString::number(firstStartMs, 'f', 0) << " ms\n";
    out << "resident memory, large database open and every window loaded: " << rss / 1024
        << " MB (target 150)\n";
    out << "messages shown: " << messages.shown().size() << "\n";
    QStringList texts;
    for (const auto& m : messages.shown())
        if (!texts.contains(m.text))
            texts << m.text;
    for (const QString& text : texts)
        out << "  " << text << "\n";
    return 0;
}
