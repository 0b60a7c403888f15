#pragma once

#include <memory>

#include "search/SearchJournal.h"
#include "ui/qt/Binder.h"
#include "ui/qt/FormView.h"

namespace search {

// The widgets of the search window.
class SearchJournalView : public ui::qt::FormView {
    Q_OBJECT
  public:
    explicit SearchJournalView(ui::Services& services, QWidget* parent = nullptr);
    ~SearchJournalView() override;

    bool load() override;
    SearchJournal& logic() { return *logic_; }

  private:
    std::unique_ptr<SearchJournal> logic_;
    ui::qt::Binder binder_;
};

}  // namespace search
