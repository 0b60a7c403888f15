#pragma once

#include <memory>

#include "articles/AuthorWindow.h"
#include "ui/qt/Binder.h"
#include "ui/qt/FormView.h"

namespace articles {

// The widgets of the author names window.
class AuthorWindowView : public ui::qt::FormView {
    Q_OBJECT
  public:
    explicit AuthorWindowView(ui::Services& services, QWidget* parent = nullptr);
    ~AuthorWindowView() override;

    bool load() override;
    AuthorWindow& logic() { return *logic_; }

  private:
    std::unique_ptr<AuthorWindow> logic_;
    ui::qt::Binder binder_;
};

}  // namespace articles
