// Times the everyday operations of the windows on one collection kept two
// ways: in the SQLite file and on a PostgreSQL server it is copied to.
//   bench_server <database made by generate_sample> <postgresql:// maintenance database>
// A database periodicals_bench is made afresh on the server from the file;
// both are changed (registrations are saved).

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTextStream>
#include <algorithm>
#include <functional>
#include <vector>

#include "bench/MedianTime.h"
#include "catalogue/NewJournal.h"
#include "data/Database.h"
#include "data/DatabaseCopy.h"
#include "data/DatabaseFile.h"
#include "issues/reg_journal.h"
#include "late/LateIssues.h"
#include "late/ReceivingStatsWindow.h"
#include "renewal/expdate.h"
#include "search/SearchJournal.h"
#include "ui/Fakes.h"

namespace {

struct Timed {
    QString operation;
    double ms;
};

// The names of some titles without their trailing numbers, as a clerk types
// a part of a name; the same titles in both stores.
QStringList typedNames(const data::Database& db) {
    QStringList words;
    static const QRegularExpression number(QStringLiteral("\\s*\\d+$"));
    for (const data::Row& row : db.query("SELECT vorlen_name FROM vorlen1 WHERE rowid % 2500 = 7"
                                         " ORDER BY rowid LIMIT 11"))
        words << row.text(0).remove(number);
    return words;
}

std::vector<Timed> timeStore(const QString& location, const QStringList& words) {
    ui::FakeMessageBox messages;
    ui::FixedClock clock(QDate(2026, 12, 8));
    ui::RecordingOpener opener;
    QString newdealer;
    ui::Services services{location, messages, clock, opener, newdealer};
    std::vector<Timed> out;
    int next = 0;
    auto word = [&] { return words.at(next++ % words.size()); };

    out.push_back({"title window load (nine code lists)", medianMs(21, [&] {
                       catalogue::NewJournal window(services);
                       window.Form_Load();
                   })});
    catalogue::NewJournal title(services);
    title.Form_Load();
    out.push_back({"title name search", medianMs(21, [&] {
                       title.Text2.setText(word());
                       title.Text2_DblClick();
                   })});
    out.push_back({"title load (three queries)", medianMs(21, [&] {
                       title.dlbnamemag.userChoose(int(title.dlbnamemag.rows().size() / 2));
                   })});

    issues::reg_journal reg(services);
    reg.Form_Load();
    out.push_back({"registration name search and a title's issues listed", medianMs(21, [&] {
                       reg.Text1.setText(word());
                       reg.Command1_Click();
                       reg.show_journal.click(1, 0);
                   })});
    out.push_back({"save of a new registration (row + counter, durable)", medianMs(21, [&] {
                       reg.Command2_Click();
                       reg.Text4.setText(QStringLiteral("5"));
                       reg.MonthView1_DateClick(QDate(2026, 12, 1));
                       reg.Command7_Click();
                   })});

    search::SearchJournal finder(services);
    finder.Form_Load();
    out.push_back({"search window, part of a name", medianMs(21, [&] {
                       finder.findText.setText(word());
                       finder.findButton_Click();
                   })});

    renewal::expdate expiry(services);
    expiry.Form_Load();
    expiry.Option1.click();
    out.push_back({"expiry search over one month", medianMs(11, [&] {
                       expiry.Text1.setText(QStringLiteral("01/01/2027"));
                       expiry.Text2.setText(QStringLiteral("31/01/2027"));
                       expiry.Command1_Click();
                   })});

    late::LateIssues late(services);
    late.Form_Load();
    out.push_back({QStringLiteral("late issues list (%1 late)").arg(late.listed().size()),
                   medianMs(5, [&] { late.showButton_Click(); })});
    late::ReceivingStatsWindow stats(services);
    stats.Form_Load();
    stats.yearText.setText(QStringLiteral("2020"));
    out.push_back({"receiving statistics of 2020 by faculty",
                   medianMs(5, [&] { stats.showButton_Click(); })});
    if (!messages.shown().empty())
        QTextStream(stderr) << location << ": " << messages.shown().back().text << '\n';
    return out;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    if (argc < 3) {
        out << "usage: bench_server <database made by generate_sample> <postgresql:// server>\n";
        return 2;
    }
    const QString file = QString::fromLocal8Bit(argv[1]);
    const QString server = QString::fromLocal8Bit(argv[2]);
    const QString copy = data::otherPostgresDatabase(server, QStringLiteral("periodicals_bench"));
    data::prepareDatabase(file);
    QElapsedTimer copying;
    copying.start();
    {
        data::Database maintenance(server);
        maintenance.exec("DROP DATABASE IF EXISTS periodicals_bench WITH (FORCE)");
        maintenance.exec("CREATE DATABASE periodicals_bench TEMPLATE template0");
        const data::Database from(file);
        data::Database to(copy);
        data::copyIntoServer(from, to);
    }
    const double copyS = double(copying.elapsed()) / 1000;

    QStringList words;
    {
        const data::Database db(file);
        words = typedNames(db);
        out << "titles: " << db.first("SELECT count(*) FROM vorlen1")->text(0)
            << ", issues: " << db.first("SELECT count(*) FROM tranfile")->text(0) << "\n\n";
    }
    const std::vector<Timed> sqlite = timeStore(file, words);
    const std::vector<Timed> postgres = timeStore(copy, words);
    out << "| operation | SQLite (ms) | PostgreSQL (ms) | ratio |\n|---|---:|---:|---:|\n";
    for (size_t i = 0; i < sqlite.size(); ++i)
        out << "| " << sqlite[i].operation << " | " << QString::number(sqlite[i].ms, 'f', 2)
            << " | " << QString::number(postgres[i].ms, 'f', 2) << " | "
            << QString::number(postgres[i].ms / sqlite[i].ms, 'f', 2) << " |\n";
    out << "\ncopy of the file to the server (periodicals --copy-to): "
        << QString::number(copyS, 'f', 1) << " s\n";
    return 0;
}
