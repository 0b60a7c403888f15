#pragma once

#include <memory>

#include "settings/CodeTableWindow.h"
#include "ui/qt/Binder.h"
#include "ui/qt/FormView.h"

namespace settings {

// The widgets of the code-table window.
class CodeTableWindowView : public ui::qt::FormView {
    Q_OBJECT
  public:
    CodeTableWindowView(std::unique_ptr<CodeTableWindow> logic, QWidget* parent = nullptr);
    ~CodeTableWindowView() override;

    bool load() override;
    CodeTableWindow& logic() { return *logic_; }

  private:
    std::unique_ptr<CodeTableWindow> logic_;
    ui::qt::Binder binder_;
};

}  // namespace settings
