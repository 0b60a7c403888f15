#pragma once

#include <QDate>
#include <QString>
#include <memory>
#include <vector>

namespace ui {

// Message box styles and answers, as the windows use them.
namespace msg {
constexpr int kStop = 16;            // OK, stop icon
constexpr int kQuestion = 33;        // OK and Cancel, question icon
constexpr int kWarning = 48;         // OK, exclamation icon: a doubt that does not stop
constexpr int kInformation = 64;     // OK, information icon
constexpr int kConfirm = 65;         // OK and Cancel, information icon
constexpr int kOk = 1, kCancel = 2;  // answers
// Added to a style with Cancel: Cancel is the default, where OK would drop work.
constexpr int kCancelDefault = 256;
}  // namespace msg

class MessageBox {
  public:
    virtual ~MessageBox() = default;
    // Modal: returns msg::kOk or msg::kCancel.
    virtual int show(const QString& text, const QString& caption, int style) = 0;
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
};

class SystemClock : public Clock {
  public:
    QDate today() const override { return QDate::currentDate(); }
};

// Opens the program's windows by name ("NewJournal", "Adddealer", ...): the
// window is loaded when it is not open, else brought to the front.
class WindowOpener {
  public:
    virtual ~WindowOpener() = default;
    virtual void open(const QString& window) = 0;
    // Opens a window that shows one title (or brings it to the front) and
    // has it load the title with this key.
    virtual void openTitle(const QString& window, const QString& pointer) = 0;
    // Ends the program: every window closes without saving.
    virtual void quit() = 0;
};

class Printing;

// What every window is given by the program.
struct Services {
    QString databasePath;
    MessageBox& messages;
    const Clock& clock;
    WindowOpener& opener;
    // The publisher name the title window hands to the publisher register.
    QString& newdealer;
    // The default printer and PDF files; null where nothing can print.
    Printing* printing = nullptr;
};

}  // namespace ui
