#pragma once

#include <memory>

#include "format/ImportWindow.h"
#include "ui/qt/FormView.h"

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace format {

// The widgets of the import window.
class ImportWindowView : public ui::qt::FormView {
    Q_OBJECT
  public:
    explicit ImportWindowView(ui::Services& services, QWidget* parent = nullptr);
    ~ImportWindowView() override;

    bool load() override { return true; }
    ImportWindow& logic() { return *logic_; }
    // Picks the file without the file dialog, as the dialog would.
    void chooseFile(const QString& path);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void askFile();
    void importFile();
    void cancel();
    bool showProgress(qint64 done, qint64 total);
    void showState();

    std::unique_ptr<ImportWindow> logic_;
    QPushButton* chooseButton_;
    QLabel* fileLabel_;
    QPlainTextEdit* summaryText_;
    QTableWidget* doubtfulList_;
    QProgressBar* progressBar_;
    QPushButton* importButton_;
    QPushButton* cancelButton_;
    bool working_ = false;
    bool stopAsked_ = false;
};

}  // namespace format
