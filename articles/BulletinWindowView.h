#pragma once

#include <memory>

#include "articles/BulletinWindow.h"
#include "ui/qt/Binder.h"
#include "ui/qt/FormView.h"

namespace articles {

// The widgets of the index bulletin window.
class BulletinWindowView : public ui::qt::FormView {
    Q_OBJECT
  public:
    explicit BulletinWindowView(ui::Services& services, QWidget* parent = nullptr);
    ~BulletinWindowView() override;

    bool load() override;

  private:
    std::unique_ptr<BulletinWindow> logic_;
    ui::qt::Binder binder_;
};

}  // namespace articles
