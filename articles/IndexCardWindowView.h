#pragma once

#include <memory>

#include "articles/IndexCardWindow.h"
#include "ui/qt/Binder.h"
#include "ui/qt/FormView.h"

namespace articles {

// The widgets of the index card window.
class IndexCardWindowView : public ui::qt::FormView {
    Q_OBJECT
  public:
    explicit IndexCardWindowView(ui::Services& services, QWidget* parent = nullptr);
    ~IndexCardWindowView() override;

    bool load() override;

  private:
    std::unique_ptr<IndexCardWindow> logic_;
    ui::qt::Binder binder_;
};

}  // namespace articles
