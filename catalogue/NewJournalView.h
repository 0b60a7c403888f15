#pragma once

#include <memory>

#include "catalogue/NewJournal.h"
#include "ui/qt/Binder.h"
#include "ui/qt/FormView.h"

class QComboBox;
class QLineEdit;
class QListWidget;

namespace catalogue {

// The title entry window's widgets, each bound to its control in NewJournal
// and named after it.
class NewJournalView : public ui::qt::FormView {
    Q_OBJECT
  public:
    explicit NewJournalView(ui::Services& services, QWidget* parent = nullptr);
    ~NewJournalView() override;

    bool load() override;
    void showTitle(const QString& pointer) override { logic_->showTitle(pointer); }
    NewJournal& logic() { return *logic_; }

  protected:
    // The name search result reports losing the focus to another place in
    // the window.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildHeader();
    void buildTitlePage(QWidget* page);
    void buildSubscriptionPage(QWidget* page);
    void buildButtons();

    // Places in twips: left, top, width, height.
    QLineEdit* line(ui::TextBox& model, QWidget* parent, int left, int top, int width);
    QComboBox* combo(ui::PickList& model, QWidget* parent, int left, int top, int width,
                     bool editable = false);
    QListWidget* list(ui::PickList& model, QWidget* parent, int left, int top, int width,
                      int height);

    std::unique_ptr<NewJournal> logic_;
    ui::qt::Binder binder_;
    QListWidget* names_ = nullptr;
};

}  // namespace catalogue
