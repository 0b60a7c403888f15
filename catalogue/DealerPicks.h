#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "ui/PickList.h"

namespace ui {
class TextBox;
}

namespace catalogue {

class NewJournal;

// The publisher and agent pick lists of the title window: which control holds
// the shared agent result, what a pick writes, and which code a shown name
// stands for when the title is saved.
class DealerPicks {
  public:
    // The name of a listed publisher, without the code shown beside it.
    static QString nameOf(const ui::PickRow& row);
    // Publishers found for the title's publisher name: its list opens on them.
    static void showPublishers(ui::PickList& list, std::vector<ui::PickRow> rows);
    // dlbdeler1 and dcbdeler1 share one agent result: the control that runs a
    // new search takes it from the other.
    void takeAgentRows(ui::PickList& holder, std::vector<ui::PickRow> rows);
    // A double-click on a row: the name and hidden code fields take it and the
    // list closes. False when no row is chosen.
    static bool pick(ui::PickList& list, ui::TextBox& name, ui::TextBox& code);
    // Escape on an open publisher or agent list closes it without a pick and
    // hands the keys back to its name field. False when none was open.
    static bool closeOpenList(NewJournal& w);

    // The code to store for the name shown. The hidden code stands when its
    // stored name (hiddenCodeName, none when the code is unknown) matches the
    // shown one; else the one publisher of that name (codesNamed) is taken.
    // Names are compared trimmed. None when neither holds.
    static std::optional<QString> codeFor(const QString& shown, const QString& hiddenCode,
                                          const std::optional<QString>& hiddenCodeName,
                                          const std::vector<QString>& codesNamed);

  private:
    ui::PickList* agentHolder_ = nullptr;
};

}  // namespace catalogue
