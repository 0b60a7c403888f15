#pragma once

#include <memory>

#include "titlelist/TitleListWindow.h"
#include "ui/qt/Binder.h"
#include "ui/qt/FormView.h"

namespace titlelist {

// The widgets of the title list window.
class TitleListWindowView : public ui::qt::FormView {
    Q_OBJECT
  public:
    TitleListWindowView(ui::Services& services, TitleListFilter start, QWidget* parent = nullptr);
    ~TitleListWindowView() override;

    bool load() override;
    TitleListWindow& logic() { return *logic_; }

  private:
    std::unique_ptr<TitleListWindow> logic_;
    ui::qt::Binder binder_;
};

}  // namespace titlelist
