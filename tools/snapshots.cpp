// Renders every window of the program, in each of its main states, to PNG
// files under the offscreen platform:
//   snapshots <output folder> [sample database]
// The sample database (see generate_sample) is copied first, so it is never
// changed; without one a fresh database is used.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTemporaryDir>

#include "catalogue/NewJournalView.h"
#include "data/DatabaseFile.h"
#include "issues/reg_journalView.h"
#include "late/ClaimPrint.h"
#include "late/LateIssuesView.h"
#include "late/ReceivingStatsView.h"
#include "patterns/PatternWindowView.h"
#include "publishers/AdddealerView.h"
#include "publishers/PublisherMaintenanceView.h"
#include "renewal/expdateView.h"
#include "search/SearchJournalView.h"
#include "settings/CodeTableWindowView.h"
#include "settings/UnitName.h"
#include "shell/MainWindow.h"
#include "shell/WindowList.h"
#include "ui/Fakes.h"
#include "ui/qt/Fonts.h"
#include "ui/qt/QtPrinting.h"

namespace {

QString out;

void save(QWidget& w, const char* name) {
    QCoreApplication::processEvents();
    w.grab().save(out + u'/' + QLatin1String(name) + QStringLiteral(".png"));
}

// The main window with one of its menus dropped down beneath its caption.
void mainWindow(shell::MainWindow& main, const char* menuName, const char* name) {
    QImage shot = main.grab().toImage();
    if (auto* menu = main.menuBar()->findChild<QMenu*>(menuName)) {
        menu->popup(main.mapToGlobal(QPoint(0, 0)));
        const QPixmap menuShot = menu->grab();
        menu->hide();
        const QRect at = main.menuBar()->actionGeometry(menu->menuAction());
        QPainter p(&shot);
        p.drawPixmap(at.left(), main.menuBar()->geometry().bottom(), menuShot);
    }
    shot.save(out + u'/' + QLatin1String(name) + QStringLiteral(".png"));
}

void titleWindow(ui::Services& services) {
    catalogue::NewJournalView view(services);
    view.load();
    view.show();
    catalogue::NewJournal& w = view.logic();
    save(view, "newjournal-browse");
    w.Cmdadd.click();
    save(view, "newjournal-adding-page1");
    w.SSTab1.click(1);
    save(view, "newjournal-adding-page2");
    w.Cmdcancle.click();
    w.SSTab1.click(0);
    w.Text2.setText(QStringLiteral("วารสาร"));
    w.Text2.doubleClick();
    save(view, "newjournal-name-search");
    w.dlbnamemag.userChoose(0);
    save(view, "newjournal-title-shown");
}

void registerWindow(ui::Services& services) {
    services.newdealer = QStringLiteral("สำนักพิมพ์มหาวิทยาลัย");
    publishers::AdddealerView view(services);
    view.load();
    view.show();
    save(view, "adddealer");
}

void settingsWindows(ui::Services& services) {
    using settings::CodeKind;
    settings::CodeTableWindowView currencies(std::make_unique<settings::CodeTableWindow>(
        services, QStringLiteral("กำหนดค่า สกุลเงิน"), std::vector<CodeKind>{CodeKind::currmony}));
    currencies.load();
    currencies.show();
    currencies.logic().codeList.click(2, 0);
    save(currencies, "settings-codetable");

    settings::CodeTableWindowView frequencies(std::make_unique<settings::CodeTableWindow>(
        services, QStringLiteral("กำหนดค่า กำหนดออก"), std::vector<CodeKind>{CodeKind::magtype}));
    frequencies.load();
    frequencies.show();
    frequencies.logic().codeList.click(4, 0);
    save(frequencies, "settings-frequencies");

    settings::CodeTableWindowView defaults(std::make_unique<settings::CodeTableWindow>(
        services, QStringLiteral("ค่าเริ่มต้น"),
        std::vector<CodeKind>{CodeKind::department, CodeKind::receives, CodeKind::statustype,
                              CodeKind::typemag},
        true));
    defaults.load();
    defaults.show();
    save(defaults, "settings-defaults");

    publishers::PublisherMaintenanceView dealers(services);
    dealers.load();
    dealers.show();
    dealers.logic().Text1.setText(QStringLiteral("บริษัท"));
    dealers.logic().Cmdfind.click();
    dealers.logic().showdealer.click(2, 0);
    save(dealers, "publisher-maintenance");
}

void issueWindow(ui::Services& services) {
    issues::reg_journalView view(services);
    view.load();
    view.show();
    issues::reg_journal& w = view.logic();
    save(view, "reg_journal-empty");
    w.Text1.setText(QStringLiteral("วารสาร"));
    w.Command1.click();
    w.show_journal.click(1, 0);
    save(view, "reg_journal-title-picked");
    w.Command2.click();
    w.Command9.click();
    save(view, "reg_journal-entry");
}

// A monthly pattern for the first title found, its preview, and the issue
// the registration window then proposes.
void patternWindows(ui::Services& services) {
    issues::reg_journalView registration(services);
    registration.load();
    issues::reg_journal& r = registration.logic();
    r.Text1.setText(QStringLiteral("วารสาร"));
    r.Command1.click();
    const QString key = r.show_journal.textMatrix(1, 2);
    patterns::PatternWindowView view(services);
    view.load();
    view.show();
    patterns::PatternWindow& w = view.logic();
    w.showTitle(key);
    w.frequencyList.chooseRow(int(patterns::Frequency::Monthly));
    w.knownDateText.setText(QStringLiteral("01/01/2026"));
    w.knownVolumeText.setText(QStringLiteral("34"));
    w.leadDaysText.setText(QStringLiteral("10"));
    w.combinedIssuesText.setText(QStringLiteral("7"));
    save(view, "pattern-window");
    w.saveButton.click();
    registration.show();
    r.show_journal.click(1, 0);
    r.Command2.click();
    save(registration, "reg_journal-proposal");
}

void expiryWindow(ui::Services& services) {
    renewal::expdateView view(services);
    view.load();
    view.show();
    renewal::expdate& w = view.logic();
    save(view, "expdate-empty");
    w.Option1.click();
    w.Text1.setText(QStringLiteral("01/01/2027"));
    w.Text2.setText(QStringLiteral("31/01/2027"));
    w.Command1.click();
    w.showjour.click(2, 0);
    save(view, "expdate-list");
    w.cmdedit.click();
    save(view, "expdate-renewing");
}

void searchWindow(ui::Services& services) {
    search::SearchJournalView view(services);
    view.load();
    view.show();
    search::SearchJournal& w = view.logic();
    w.findText.setText(QStringLiteral("วารสาร"));
    w.findButton.click();
    w.resultList.click(2, 0);
    save(view, "search-results");
}

// The late list, and the claim to the agent of its first row as a PDF.
void lateWindow(ui::Services& services) {
    late::LateIssuesView view(services);
    view.load();
    view.show();
    late::LateIssues& w = view.logic();
    w.lateList.click(1, 0);
    save(view, "late-issues");
    if (w.listed().empty())
        return;
    // The letter as it would go today, without keeping the claims.
    const QString agent = w.listed().title(0).agentCode;
    data::Database db(services.databasePath);
    late::ClaimLetter letter{
        agent, w.listed().title(0).agentName, late::LateRecords(db).agentAddress(agent), {}};
    w.listed().forEach([&](const late::LateTitle& t) {
        if (t.agentCode == agent)
            letter.lines.push_back(
                {t, std::max(1, patterns::nextClaim(t.claim, services.clock.today(), 30).number)});
    });
    const auto surface = ui::qt::QtPrinting().openPdf(out + QStringLiteral("/claim.pdf"));
    late::ClaimPrint(*surface).print(late::claimSender(db), {letter}, services.clock.today());
}

// Issues received per month of the sample's busiest recent year, by kind
// in the window and by faculty in the saved picture.
void statsWindow(ui::Services& services) {
    late::ReceivingStatsView view(services);
    view.load();
    view.show();
    view.logic().byKindOption.click();
    view.logic().yearText.setText(QStringLiteral("2025"));
    view.logic().showButton.click();
    save(view, "receiving-stats");
    // The saved picture by faculty: long names wrap in their column.
    view.logic().byFacultyOption.click();
    view.logic().showButton.click();
    view.savePng(out + QStringLiteral("/receiving-stats-chart.png"));
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::qt::setUpFonts();
    out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QDir().mkpath(out);

    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/Vorlen.db");
    // The copy of a sample is brought up to the current schema like any file.
    if (argc > 2)
        QFile::copy(QString::fromLocal8Bit(argv[2]), path);
    data::prepareDatabase(path);

    shell::MainWindow main(path);
    shell::registerWindows(main);
    main.show();
    QCoreApplication::processEvents();
    mainWindow(main, "Inputdata", "main-window");
    mainWindow(main, "reportjounal", "main-window-report-menu");
    mainWindow(main, "maindt", "main-window-settings-menu");

    // Windows are driven through their logic; every question is answered OK.
    ui::FakeMessageBox messages;
    ui::FixedClock clock(QDate(2026, 12, 8));
    ui::RecordingOpener opener;
    QString newdealer;
    ui::Services services{path, messages, clock, opener, newdealer};
    titleWindow(services);
    registerWindow(services);
    settingsWindows(services);
    issueWindow(services);
    patternWindows(services);
    expiryWindow(services);
    searchWindow(services);
    lateWindow(services);
    statsWindow(services);
    return 0;
}
