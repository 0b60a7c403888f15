#pragma once

#include <memory>

#include "articles/ArticleWindow.h"
#include "ui/qt/Binder.h"
#include "ui/qt/FormView.h"

class QPlainTextEdit;

namespace articles {

// The widgets of the article window; the abstract has its own tab.
class ArticleWindowView : public ui::qt::FormView {
    Q_OBJECT
  public:
    ArticleWindowView(ui::Services& services, int firstTab, QWidget* parent = nullptr);
    ~ArticleWindowView() override;

    bool load() override;
    // The registration window hands over the registration number of an issue.
    void showTitle(const QString& magno) override { logic_->showIssue(magno); }
    ArticleWindow& logic() { return *logic_; }

  private:
    std::unique_ptr<ArticleWindow> logic_;
    ui::qt::Binder binder_;
    QPlainTextEdit* abstract_ = nullptr;
};

}  // namespace articles
