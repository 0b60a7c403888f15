#include "shell/WindowList.h"

#include "catalogue/NewJournalView.h"
#include "format/ExportWindowView.h"
#include "format/ImportWindowView.h"
#include "issues/reg_journalView.h"
#include "late/LateIssuesView.h"
#include "late/ReceivingStatsView.h"
#include "publishers/AdddealerView.h"
#include "publishers/PublisherMaintenanceView.h"
#include "renewal/expdateView.h"
#include "search/SearchJournalView.h"
#include "settings/CodeTableWindowView.h"
#include "shell/MainWindow.h"

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
        "reg_journal", [](ui::Services& s) { return new issues::reg_journalView(s); },
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
    main.registerWindow(
        "AccessImport", [](ui::Services& s) { return new format::ImportWindowView(s); },
        MainWindow::Placement::Child);
    main.registerWindow(
        "CsvExport", [](ui::Services& s) { return new format::ExportWindowView(s); },
        MainWindow::Placement::Child);
    main.registerWindow(
        "Adddealer", [](ui::Services& s) { return new publishers::AdddealerView(s); },
        MainWindow::Placement::TopLevel);
}

}  // namespace shell
