#pragma once

#include <memory>

#include "articles/ArticleSearchWindow.h"
#include "ui/qt/Binder.h"
#include "ui/qt/FormView.h"

namespace articles {

// The widgets of the article search window.
class ArticleSearchWindowView : public ui::qt::FormView {
    Q_OBJECT
  public:
    explicit ArticleSearchWindowView(ui::Services& services, QWidget* parent = nullptr);
    ~ArticleSearchWindowView() override;

    bool load() override;
    ArticleSearchWindow& logic() { return *logic_; }

  private:
    std::unique_ptr<ArticleSearchWindow> logic_;
    ui::qt::Binder binder_;
};

}  // namespace articles
