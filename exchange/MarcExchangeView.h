#pragma once

#include <memory>

#include "exchange/MarcExchangeWindow.h"
#include "ui/qt/FormView.h"

class QCheckBox;
class QListWidget;
class QPushButton;

namespace exchange {

// The widgets of the MARC exchange: two export buttons, the import's file,
// what it will do, and the button that writes it.
class MarcExchangeView : public ui::qt::FormView {
    Q_OBJECT
  public:
    explicit MarcExchangeView(ui::Services& services, QWidget* parent = nullptr);
    ~MarcExchangeView() override;

    bool load() override { return true; }
    MarcExchangeWindow& logic() { return *logic_; }

  private:
    void exportAs(MarcFormat format);
    void chooseImport();
    void refresh();

    std::unique_ptr<MarcExchangeWindow> logic_;
    QCheckBox* articlesBox_ = nullptr;
    QListWidget* planList_ = nullptr;
    QPushButton* importButton_ = nullptr;
};

}  // namespace exchange
