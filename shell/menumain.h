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

    static QString caption();
    static constexpr int kClientWidth = 11880, kClientHeight = 8310;  // twips
    static const std::vector<MenuItem>& menu();

    // Runs the command of the item with this name; items without one do nothing.
    void choose(const QString& item);

    void aaa_Click() { opener_.open(QStringLiteral("NewJournal")); }
    void ccc_Click() { opener_.open(QStringLiteral("reg_journal")); }
    void jjjj_Click() { opener_.open(QStringLiteral("expdate")); }
    void bbbbb_Click() { opener_.open(QStringLiteral("SearchJournal")); }
    void menuexit_Click() { opener_.quit(); }

  private:
    ui::WindowOpener& opener_;
};

}  // namespace shell
