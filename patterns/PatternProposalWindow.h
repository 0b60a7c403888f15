#pragma once

#include <memory>
#include <vector>

#include "patterns/PatternProposals.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Grid.h"

namespace data {
class Database;
}

namespace patterns {

// The patterns proposed for the titles of an imported collection that have
// none, for the clerk to accept one by one or all at once.
class PatternProposalWindow : public ui::Form {
  public:
    explicit PatternProposalWindow(ui::Services& services);
    ~PatternProposalWindow() override;

    enum Column { keyColumn, nameColumn, frequencyColumn, knownColumn, basisColumn, columns };

    ui::Grid proposalGrid{"proposalGrid", 1, columns};
    ui::Label countLabel{"countLabel"};
    ui::CommandButton acceptButton{"acceptButton", QStringLiteral("ใช้รูปแบบนี้")};
    ui::CommandButton acceptAllButton{"acceptAllButton", QStringLiteral("ใช้ทั้งหมด")};
    ui::CommandButton closeButton{"closeButton", QStringLiteral("ปิด")};

    bool Form_Load();
    void acceptButton_Click();
    void acceptAllButton_Click();
    void closeButton_Click();

    const std::vector<ProposedPattern>& proposals() const { return proposals_; }

  private:
    void list();
    void accept(const std::vector<ProposedPattern>& chosen);

    ui::Services& services_;
    std::unique_ptr<data::Database> db_;
    std::vector<ProposedPattern> proposals_;
};

}  // namespace patterns
