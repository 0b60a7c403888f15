#pragma once

#include <memory>

#include "exchange/CatalogueServerWindow.h"
#include "ui/qt/FormView.h"

class QLineEdit;
class QListWidget;

namespace exchange {

// The widgets of the catalogue server list: the addresses, one to add, and
// the buttons to remove, save and close.
class CatalogueServerView : public ui::qt::FormView {
    Q_OBJECT
  public:
    CatalogueServerView(ui::Services& services, const QString& configFile,
                        QWidget* parent = nullptr);
    ~CatalogueServerView() override;

    bool load() override { return true; }

  private:
    void refresh();

    std::unique_ptr<CatalogueServerWindow> logic_;
    QListWidget* serverList_ = nullptr;
    QLineEdit* addressEdit_ = nullptr;
};

}  // namespace exchange
