#pragma once

#include <memory>

#include "late/LateIssues.h"
#include "ui/qt/Binder.h"
#include "ui/qt/FormView.h"

namespace late {

// The widgets of the late issues window.
class LateIssuesView : public ui::qt::FormView {
    Q_OBJECT
  public:
    explicit LateIssuesView(ui::Services& services, QWidget* parent = nullptr);
    ~LateIssuesView() override;

    bool load() override;
    LateIssues& logic() { return *logic_; }

  private:
    std::unique_ptr<LateIssues> logic_;
    ui::qt::Binder binder_;
};

}  // namespace late
