#pragma once

#include <memory>

#include "publishers/Adddealer.h"
#include "ui/qt/Binder.h"
#include "ui/qt/FormView.h"

namespace publishers {

// The widgets of the publisher register.
class AdddealerView : public ui::qt::FormView {
    Q_OBJECT
  public:
    explicit AdddealerView(ui::Services& services, QWidget* parent = nullptr);
    ~AdddealerView() override;

    bool load() override;
    Adddealer& logic() { return *logic_; }

  private:
    std::unique_ptr<Adddealer> logic_;
    ui::qt::Binder binder_;
};

}  // namespace publishers
