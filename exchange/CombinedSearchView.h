#pragma once

#include <memory>

#include "exchange/CombinedSearchWindow.h"
#include "ui/qt/FormView.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace exchange {

// The widgets of the combined search: the query, the desk's titles on the
// left, the library catalogue's records on the right, and what the servers
// said below them.
class CombinedSearchView : public ui::qt::FormView {
    Q_OBJECT
  public:
    CombinedSearchView(ui::Services& services, const QStringList& servers,
                       QWidget* parent = nullptr);
    ~CombinedSearchView() override;

    bool load() override { return true; }
    CombinedSearchWindow& logic() { return *logic_; }

  private:
    void refresh();
    void openChosen(bool registration);

    std::unique_ptr<CombinedSearchWindow> logic_;
    QLineEdit *wordsEdit_ = nullptr, *authorEdit_ = nullptr, *subjectEdit_ = nullptr,
              *numberEdit_ = nullptr;
    QPushButton* searchButton_ = nullptr;
    QTreeWidget* deskList_ = nullptr;
    QTreeWidget* catalogueList_ = nullptr;
    QLabel* statusLabel_ = nullptr;
};

}  // namespace exchange
