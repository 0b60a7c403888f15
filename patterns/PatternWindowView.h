#pragma once

#include <memory>

#include "patterns/PatternWindow.h"
#include "ui/qt/Binder.h"
#include "ui/qt/FormView.h"

namespace patterns {

// The widgets of the pattern window.
class PatternWindowView : public ui::qt::FormView {
    Q_OBJECT
  public:
    explicit PatternWindowView(ui::Services& services, QWidget* parent = nullptr);
    ~PatternWindowView() override;

    bool load() override;
    void showTitle(const QString& pointer) override { logic_->showTitle(pointer); }
    QString openEntry() const override { return logic_->openEntry(); }
    PatternWindow& logic() { return *logic_; }

  private:
    std::unique_ptr<PatternWindow> logic_;
    ui::qt::Binder binder_;
};

}  // namespace patterns
