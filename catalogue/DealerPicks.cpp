#include "catalogue/DealerPicks.h"

#include "catalogue/NewJournal.h"
#include "ui/TextBox.h"
#include "ui/ThaiOrder.h"

namespace catalogue {

namespace {

// Two publishers may bear one name: each row shows its code beside it.
std::vector<ui::PickRow> labelled(std::vector<ui::PickRow> rows) {
    for (ui::PickRow& row : rows)
        row.description += ui::codeSuffix(row.code);
    return rows;
}

}  // namespace

QString DealerPicks::nameOf(const ui::PickRow& row) {
    const QString suffix = ui::codeSuffix(row.code);
    return row.description.endsWith(suffix) ? row.description.chopped(suffix.size())
                                            : row.description;
}

void DealerPicks::showPublishers(ui::PickList& list, std::vector<ui::PickRow> rows) {
    list.setVisible(true);
    list.setRows(labelled(ui::thaiSorted(std::move(rows))));
}

void DealerPicks::takeAgentRows(ui::PickList& holder, std::vector<ui::PickRow> rows) {
    if (agentHolder_ && agentHolder_ != &holder)
        agentHolder_->setRows({});
    holder.setRows(labelled(ui::thaiSorted(std::move(rows))));
    agentHolder_ = &holder;
}

bool DealerPicks::pick(ui::PickList& list, ui::TextBox& name, ui::TextBox& code) {
    const int row = list.chosenRow();
    if (row < 0)
        return false;
    const ui::PickRow& chosen = list.rows()[std::size_t(row)];
    name.setText(nameOf(chosen));
    code.setText(chosen.code);
    list.setVisible(false);
    return true;
}

bool DealerPicks::closeOpenList(NewJournal& w) {
    for (auto [list, name] :
         {std::pair{&w.dlbdeler, &w.Text10}, std::pair{&w.dlbdeler1, &w.Text14}})
        if (list->visible()) {
            list->setVisible(false);
            w.setFocus(*name);
            return true;
        }
    return false;
}

std::optional<QString> DealerPicks::codeFor(const QString& shown, const QString& hiddenCode,
                                            const std::optional<QString>& hiddenCodeName,
                                            const std::vector<QString>& codesNamed) {
    const QString name = shown.trimmed();
    if (name.isEmpty())
        return std::nullopt;
    if (hiddenCodeName && hiddenCodeName->trimmed() == name)
        return hiddenCode;
    if (codesNamed.size() == 1)
        return codesNamed.front();
    return std::nullopt;
}

}  // namespace catalogue
