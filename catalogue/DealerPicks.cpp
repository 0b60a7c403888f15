#include "catalogue/DealerPicks.h"

#include "ui/TextBox.h"
#include "ui/ThaiOrder.h"

namespace catalogue {

void DealerPicks::showPublishers(ui::PickList& list, std::vector<ui::PickRow> rows) {
    list.setVisible(true);
    list.setRows(ui::thaiSorted(std::move(rows)));
}

void DealerPicks::takeAgentRows(ui::PickList& holder, std::vector<ui::PickRow> rows) {
    if (agentHolder_ && agentHolder_ != &holder)
        agentHolder_->setRows({});
    holder.setRows(ui::thaiSorted(std::move(rows)));
    agentHolder_ = &holder;
}

bool DealerPicks::pick(ui::PickList& list, ui::TextBox& name, ui::TextBox& code) {
    const int row = list.chosenRow();
    if (row < 0)
        return false;
    name.setText(list.rows()[row].description);
    code.setText(list.rows()[row].code);
    list.setVisible(false);
    return true;
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
