#pragma once

#include <memory>

#include "catalogue/NewJournal.h"
#include "ui/qt/Binder.h"
#include "ui/qt/FormView.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QTabWidget;

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
    QString openEntry() const override { return logic_->openEntry(); }
    NewJournal& logic() { return *logic_; }

  protected:
    // The result lists report losing the focus to another place in the
    // window.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Tab from the last field of a page goes on to the first field of the
    // next page (Shift+Tab back), as the clerk reads the form.
    bool focusNextPrevChild(bool next) override;

  private:
    void buildHeader();
    void buildTitlePage(QWidget* page);
    void buildSubscriptionPage(QWidget* page);
    void buildButtons();
    // Shows the page and puts the keys in its first field that takes them.
    void turnTo(int page, bool first = true);

    // Places in twips: left, top, width, height.
    QLineEdit* line(ui::TextBox& model, QWidget* parent, int left, int top, int width);
    QComboBox* combo(ui::PickList& model, QWidget* parent, int left, int top, int width,
                     bool editable = false);
    QListWidget* list(ui::PickList& model, QWidget* parent, int left, int top, int width,
                      int height);

    std::unique_ptr<NewJournal> logic_;
    ui::qt::Binder binder_;
    QListWidget* names_ = nullptr;
    QListWidget* publishers_ = nullptr;
    QListWidget* agents_ = nullptr;
    QTabWidget* tabs_ = nullptr;
};

}  // namespace catalogue
