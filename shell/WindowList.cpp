#include "shell/WindowList.h"

#include "articles/ArticleRecords.h"
#include "articles/ArticleSearchWindowView.h"
#include "articles/ArticleWindowView.h"
#include "articles/AuthorWindowView.h"
#include "articles/BulletinWindowView.h"
#include "articles/HeadingWindowView.h"
#include "articles/IndexCardWindowView.h"
#include "articles/IndexingStatsView.h"
#include "catalogue/NewJournalView.h"
#include "data/Database.h"
#include "exchange/CatalogueServerView.h"
#include "exchange/CatalogueServers.h"
#include "exchange/CombinedSearchView.h"
#include "exchange/MarcExchangeView.h"
#include "format/ExportWindowView.h"
#include "format/ImportWindowView.h"
#include "issues/reg_journalView.h"
#include "late/LateIssuesView.h"
#include "late/ReceivingStatsView.h"
#include "patterns/PatternProposalWindowView.h"
#include "patterns/PatternWindowView.h"
#include "publishers/AdddealerView.h"
#include "publishers/PublisherMaintenanceView.h"
#include "renewal/expdateView.h"
#include "search/SearchJournalView.h"
#include "settings/CodeTableWindowView.h"
#include "shell/DatabaseSetting.h"
#include "shell/MainWindow.h"
#include "titlelist/TitleListWindowView.h"

namespace shell {

namespace {

// Each settings item that names a code table opens the code-table window on it.
void registerCodeTables(MainWindow& main) {
    using settings::CodeKind;
    for (CodeKind kind : {CodeKind::maglang, CodeKind::magtype, CodeKind::currmony,
                          CodeKind::bindtype, CodeKind::bindcolor}) {
        const QString name = settings::kindName(kind);
        main.registerWindow(
            name,
            [kind](ui::Services& s) {
                return new settings::CodeTableWindowView(
                    std::make_unique<settings::CodeTableWindow>(
                        s, QStringLiteral("กำหนดค่า ") + settings::kindLabel(kind),
                        std::vector<CodeKind>{kind}));
            },
            MainWindow::Placement::Child);
    }
    main.registerWindow(
        "defaults",
        [&main](ui::Services& s) {
            auto logic = std::make_unique<settings::CodeTableWindow>(
                s, QStringLiteral("ค่าเริ่มต้น"),
                std::vector<CodeKind>{CodeKind::department, CodeKind::receives,
                                      CodeKind::statustype, CodeKind::typemag},
                true);
            logic->onUnitName = [&main](const QString& unit) { main.showUnitName(unit); };
            return new settings::CodeTableWindowView(std::move(logic));
        },
        MainWindow::Placement::Child);
}

}  // namespace

void registerWindows(MainWindow& main) {
    registerCodeTables(main);
    main.registerWindow(
        "PublisherMaintenance",
        [](ui::Services& s) { return new publishers::PublisherMaintenanceView(s); },
        MainWindow::Placement::Child);
    main.registerWindow(
        "NewJournal", [](ui::Services& s) { return new catalogue::NewJournalView(s); },
        MainWindow::Placement::Child);
    main.registerWindow(
        "expdate", [](ui::Services& s) { return new renewal::expdateView(s); },
        MainWindow::Placement::Child);
    main.registerWindow(
        "reg_journal",
        [](ui::Services& s) {
            auto* view = new issues::reg_journalView(s);
            // Deleting an issue says first how many indexed articles go with it.
            view->logic().articleCount = [path = s.databasePath](const QString& magno) {
                data::Database db(path);
                return articles::ArticleRecords(db).countOfIssue(magno);
            };
            return view;
        },
        MainWindow::Placement::Child);
    main.registerWindow(
        "ArticleWindow",
        [](ui::Services& s) {
            return new articles::ArticleWindowView(s, articles::ArticleWindow::kArticleTab);
        },
        MainWindow::Placement::Child);
    main.registerWindow(
        "ArticleAbstract",
        [](ui::Services& s) {
            return new articles::ArticleWindowView(s, articles::ArticleWindow::kAbstractTab);
        },
        MainWindow::Placement::Child);
    main.registerWindow(
        "AuthorWindow", [](ui::Services& s) { return new articles::AuthorWindowView(s); },
        MainWindow::Placement::Child);
    main.registerWindow(
        "IndexCardWindow", [](ui::Services& s) { return new articles::IndexCardWindowView(s); },
        MainWindow::Placement::Child);
    main.registerWindow(
        "BulletinWindow", [](ui::Services& s) { return new articles::BulletinWindowView(s); },
        MainWindow::Placement::Child);
    main.registerWindow(
        "ArticleSearchWindow",
        [&main](ui::Services& s) {
            auto* view = new articles::ArticleSearchWindowView(s);
            // A result opens the article window on its issue, the article chosen.
            view->logic().onOpenArticle = [&main](const QString& magno, qint64 id) {
                main.openTitle(QStringLiteral("ArticleWindow"), magno);
                if (auto* w = qobject_cast<articles::ArticleWindowView*>(
                        main.instance(QStringLiteral("ArticleWindow"))))
                    w->logic().chooseArticle(id);
            };
            return view;
        },
        MainWindow::Placement::Child);
    main.registerWindow(
        "HeadingWindow", [](ui::Services& s) { return new articles::HeadingWindowView(s); },
        MainWindow::Placement::Child);
    main.registerWindow(
        "IndexingStats", [](ui::Services& s) { return new articles::IndexingStatsView(s); },
        MainWindow::Placement::Child);
    main.registerWindow(
        "SearchJournal", [](ui::Services& s) { return new search::SearchJournalView(s); },
        MainWindow::Placement::Child);
    main.registerWindow(
        "LateIssues",
        [&main](ui::Services& s) {
            auto* view = new late::LateIssuesView(s);
            // A late title goes to the registration window, chosen there.
            view->logic().onRegister = [&main](const late::LateTitle& t) {
                main.open(QStringLiteral("reg_journal"));
                if (auto* reg = qobject_cast<issues::reg_journalView*>(
                        main.instance(QStringLiteral("reg_journal"))))
                    reg->logic().showTitle(t.pointer, t.name, t.departmentCode, t.departmentName);
            };
            return view;
        },
        MainWindow::Placement::Child);
    main.registerWindow(
        "ReceivingStats", [](ui::Services& s) { return new late::ReceivingStatsView(s); },
        MainWindow::Placement::Child);
    using titlelist::Scope;
    main.registerWindow(
        "JournalList",
        [](ui::Services& s) {
            return new titlelist::TitleListWindowView(
                s, {Scope::Kind, QString::fromUtf16(titlelist::kJournals)});
        },
        MainWindow::Placement::Child);
    main.registerWindow(
        "TitleList",
        [](ui::Services& s) {
            return new titlelist::TitleListWindowView(s, {Scope::All, {}});
        },
        MainWindow::Placement::Child);
    main.registerWindow(
        "PatternWindow", [](ui::Services& s) { return new patterns::PatternWindowView(s); },
        MainWindow::Placement::Child);
    main.registerWindow(
        "PatternProposals",
        [](ui::Services& s) { return new patterns::PatternProposalWindowView(s); },
        MainWindow::Placement::Child);
    main.registerWindow(
        "AccessImport", [](ui::Services& s) { return new format::ImportWindowView(s); },
        MainWindow::Placement::Child);
    main.registerWindow(
        "CsvExport", [](ui::Services& s) { return new format::ExportWindowView(s); },
        MainWindow::Placement::Child);
    main.registerWindow(
        "MarcExchange", [](ui::Services& s) { return new exchange::MarcExchangeView(s); },
        MainWindow::Placement::Child);
    // The catalogue servers are this user's setting, in the configuration file.
    main.registerWindow(
        "CombinedSearch",
        [](ui::Services& s) {
            return new exchange::CombinedSearchView(
                s, exchange::CatalogueServers(configFilePath()).list());
        },
        MainWindow::Placement::Child);
    main.registerWindow(
        "CatalogueServers",
        [](ui::Services& s) { return new exchange::CatalogueServerView(s, configFilePath()); },
        MainWindow::Placement::Child);
    main.registerWindow(
        "Adddealer", [](ui::Services& s) { return new publishers::AdddealerView(s); },
        MainWindow::Placement::TopLevel);
}

}  // namespace shell
