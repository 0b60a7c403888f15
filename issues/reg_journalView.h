#pragma once

#include <memory>

#include "issues/reg_journal.h"
#include "ui/qt/Binder.h"
#include "ui/qt/FormView.h"

namespace issues {

// The widgets of the issue registration window.
class reg_journalView : public ui::qt::FormView {
    Q_OBJECT
  public:
    explicit reg_journalView(ui::Services& services, QWidget* parent = nullptr);
    ~reg_journalView() override;

    bool load() override;
    void showTitle(const QString& pointer) override { logic_->showTitle(pointer); }
    QString openEntry() const override { return logic_->openEntry(); }
    reg_journal& logic() { return *logic_; }

  private:
    std::unique_ptr<reg_journal> logic_;
    ui::qt::Binder binder_;
};

}  // namespace issues
