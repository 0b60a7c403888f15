#pragma once

#include <memory>

#include "patterns/PatternProposalWindow.h"
#include "ui/qt/Binder.h"
#include "ui/qt/FormView.h"

namespace patterns {

// The widgets of the proposed-patterns window.
class PatternProposalWindowView : public ui::qt::FormView {
    Q_OBJECT
  public:
    explicit PatternProposalWindowView(ui::Services& services, QWidget* parent = nullptr);
    ~PatternProposalWindowView() override;

    bool load() override;
    PatternProposalWindow& logic() { return *logic_; }

  private:
    std::unique_ptr<PatternProposalWindow> logic_;
    ui::qt::Binder binder_;
};

}  // namespace patterns
