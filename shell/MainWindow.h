#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <functional>

#include "ui/Services.h"
#include "ui/qt/FormView.h"
#include "ui/qt/QtMessageBox.h"
#include "ui/qt/QtPrinting.h"

class QMdiArea;
class QMdiSubWindow;

namespace shell {

class menumain;

// The main window: a frame for the working windows, with the menu as the only
// way into them. It is also the one place that opens windows, each at most
// once.
class MainWindow : public QMainWindow, public ui::WindowOpener {
    Q_OBJECT
  public:
    using Factory = std::function<ui::qt::FormView*(ui::Services&)>;
    enum class Placement { Child, TopLevel };

    // The windows' questions and reports go to `messages` when given (it
    // must outlive the window), else to message boxes on the screen.
    explicit MainWindow(const QString& databasePath, ui::MessageBox* messages = nullptr);
    ~MainWindow() override;

    void registerWindow(const QString& name, Factory factory, Placement placement);
    // After a failed start-up check no working window opens: each command
    // shows this message instead.
    void refuseWindows(const QString& text, const QString& caption);
    void open(const QString& window) override;
    void openTitle(const QString& window, const QString& pointer) override;
    void quit() override;

    // The open instance of a window, or null.
    ui::qt::FormView* instance(const QString& window) const;
    ui::Services& services() { return services_; }
    // The caption names the unit that runs the program.
    void showUnitName(const QString& name);

  protected:
    // Ending the program drops no open entry the clerk has not let go.
    void closeEvent(QCloseEvent* event) override;
    // Neither does closing one window by its frame or its own Exit.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Entry {
        Factory factory;
        Placement placement;
        QPointer<ui::qt::FormView> view;
    };

    void buildMenu();
    // Makes the frame large enough to show the window whole, at its top left.
    void showWhole(QMdiSubWindow* frame);
    static void focusInside(QWidget* window);
    static void focusFirstField(QWidget* view);
    // Asks before the open entries of these windows are dropped; true when
    // there is none or the clerk lets them go. On No the first of them comes
    // to the front.
    bool entriesMayGo(const QList<ui::qt::FormView*>& views, const QString& caption);
    void bringForward(ui::qt::FormView* view);

    ui::qt::QtMessageBox messages_;
    ui::qt::QtPrinting printing_;
    ui::SystemClock clock_;
    QString newdealer_;
    ui::Services services_;
    std::unique_ptr<menumain> menu_;
    QMdiArea* area_;
    QHash<QString, Entry> windows_;
    QString refusal_, refusalCaption_;
    // Set once the clerk agreed to end the program: the windows then close
    // without asking again.
    bool closing_ = false;
};

}  // namespace shell
