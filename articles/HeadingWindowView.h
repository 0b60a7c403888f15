#pragma once

#include <memory>

#include "articles/HeadingWindow.h"
#include "ui/qt/Binder.h"
#include "ui/qt/FormView.h"

namespace articles {

// The widgets of the subject heading table.
class HeadingWindowView : public ui::qt::FormView {
    Q_OBJECT
  public:
    explicit HeadingWindowView(ui::Services& services, QWidget* parent = nullptr);
    ~HeadingWindowView() override;

    bool load() override;
    HeadingWindow& logic() { return *logic_; }

  private:
    std::unique_ptr<HeadingWindow> logic_;
    ui::qt::Binder binder_;
};

}  // namespace articles
