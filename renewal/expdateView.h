#pragma once

#include <memory>

#include "renewal/expdate.h"
#include "ui/qt/Binder.h"
#include "ui/qt/FormView.h"

namespace renewal {

// The widgets of the expiry and renewal window.
class expdateView : public ui::qt::FormView {
    Q_OBJECT
  public:
    explicit expdateView(ui::Services& services, QWidget* parent = nullptr);
    ~expdateView() override;

    bool load() override;
    expdate& logic() { return *logic_; }

  private:
    std::unique_ptr<expdate> logic_;
    ui::qt::Binder binder_;
};

}  // namespace renewal
