#pragma once

#include <QString>
#include <vector>

#include "ui/Services.h"

namespace shell {

struct MenuItem {
    QString name;
    QString caption;
    bool enabled = false;
    std::vector<MenuItem> items;
};

// The main window: its caption, its client size and the menu tree. Its
// commands only open the working windows or end the program.
class menumain {
  public:
    explicit menumain(ui::WindowOpener& opener) : opener_(opener) {}

    // The program's name and the unit that runs it.
    static QString caption(const QString& unitName);
    static constexpr int kClientWidth = 11880, kClientHeight = 8310;  // twips
    static const std::vector<MenuItem>& menu();

    // Runs the command of the item with this name; items without one do nothing.
    void choose(const QString& item);

    void aaa_Click() { opener_.open(QStringLiteral("NewJournal")); }
    void ccc_Click() { opener_.open(QStringLiteral("reg_journal")); }
    void marcexchange_Click() { opener_.open(QStringLiteral("MarcExchange")); }
    void jjjj_Click() { opener_.open(QStringLiteral("expdate")); }
    void aaaaaa_Click() { opener_.open(QStringLiteral("CombinedSearch")); }
    void bbbbb_Click() { opener_.open(QStringLiteral("SearchJournal")); }
    void bbbb_Click() { opener_.open(QStringLiteral("LateIssues")); }
    // The journals alone, or every title; both lists are one window.
    void cccc_Click() { opener_.open(QStringLiteral("JournalList")); }
    void dddd_Click() { opener_.open(QStringLiteral("TitleList")); }
    void eeee_Click() { opener_.open(QStringLiteral("ReceivingStats")); }
    void fff_Click() { opener_.open(QStringLiteral("ArticleWindow")); }
    void eee_Click() { opener_.open(QStringLiteral("ArticleAbstract")); }
    void ggg_Click() { opener_.open(QStringLiteral("AuthorWindow")); }
    // Making and printing index cards are one window.
    void iii_Click() { opener_.open(QStringLiteral("IndexCardWindow")); }
    void bulletin_Click() { opener_.open(QStringLiteral("BulletinWindow")); }
    void ffff_Click() { opener_.open(QStringLiteral("IndexingStats")); }
    void articleSearch_Click() { opener_.open(QStringLiteral("ArticleSearchWindow")); }
    void menuexit_Click() { opener_.quit(); }
    // Settings: the tables without an item of their own and the unit name.
    void tr_Click() { opener_.open(QStringLiteral("defaults")); }
    void ty_Click() { opener_.open(QStringLiteral("maglang")); }
    void a_Click() { opener_.open(QStringLiteral("magtype")); }
    void b_Click() { opener_.open(QStringLiteral("currmony")); }
    void c_Click() { opener_.open(QStringLiteral("bindtype")); }
    void d_Click() { opener_.open(QStringLiteral("bindcolor")); }
    void i_Click() { opener_.open(QStringLiteral("PublisherMaintenance")); }
    void headings_Click() { opener_.open(QStringLiteral("HeadingWindow")); }
    // Moving a desk in from the old program, and everything out as CSV.
    void importAccess_Click() { opener_.open(QStringLiteral("AccessImport")); }
    void exportCsv_Click() { opener_.open(QStringLiteral("CsvExport")); }
    void catalogueServers_Click() { opener_.open(QStringLiteral("CatalogueServers")); }

  private:
    ui::WindowOpener& opener_;
};

}  // namespace shell
