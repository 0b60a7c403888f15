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
    NewJournal& logic() { return *logic_; }

  protected:
    // A click anywhere on the dealer combo runs its search.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildHeader();
    void buildTitlePage(QWidget* page);
    void buildSubscriptionPage(QWidget* page);
    void buildButtons();

    QLineEdit* line(ui::TextBox& model, QWidget* parent, const QRect& at);
    QComboBox* combo(ui::PickList& model, QWidget* parent, const QRect& at, bool editable = false);
    QListWidget* list(ui::PickList& model, QWidget* parent, const QRect& at);

    std::unique_ptr<NewJournal> logic_;
    ui::qt::Binder binder_;
    QComboBox* dealers_ = nullptr;
};

}  // namespace catalogue
