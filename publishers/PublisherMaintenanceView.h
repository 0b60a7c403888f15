#pragma once

#include <memory>

#include "publishers/PublisherMaintenance.h"
#include "ui/qt/Binder.h"
#include "ui/qt/FormView.h"

namespace publishers {

// The widgets of publisher maintenance.
class PublisherMaintenanceView : public ui::qt::FormView {
    Q_OBJECT
  public:
    explicit PublisherMaintenanceView(ui::Services& services, QWidget* parent = nullptr);
    ~PublisherMaintenanceView() override;

    bool load() override;
    PublisherMaintenance& logic() { return *logic_; }

  private:
    std::unique_ptr<PublisherMaintenance> logic_;
    ui::qt::Binder binder_;
};

}  // namespace publishers
