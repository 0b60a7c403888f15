#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

#include "bench/StatementLog.h"

class PlainSqlite;

// One row of the bench: the program's median and the median of the same
// statements on plain sqlite3, and the peak resident memory while it ran.
struct SideBySide {
    double programMs = 0;
    double plainMs = -1;  // < 0: nothing to compare with
    qsizetype statements = 0;
    qint64 peakKb = 0;
    std::vector<RecordedStatement> lastStatements;  // the last recorded, when kept
};

// Waits until the X server has drawn what was sent to it; nothing to wait
// for on other platforms.
void waitForScreen();

// Waits until a shown window's first paint is on the screen. Qt paints a new
// window as the server's expose reaches it; a repaint after that would be a
// second paint the user does not wait for, and a repaint before it paints
// nothing. False when the window is not exposed within seconds.
bool waitUntilPainted(QWidget& window);
inline bool showPainted(QWidget& window) {
    window.show();
    return waitUntilPainted(window);
}

// The process's peak resident memory since the last reset, in kB.
qint64 peakResidentKb();
void resetPeakResident();

// One repeat of an operation: `prepare` (not timed) sets the window up,
// `event` is what the user does, `undo` (not timed) takes back its writes
// before their replay makes them again.
struct Repeat {
    std::function<void(int)> prepare;
    std::function<void(int)> event;
    std::function<void()> undo;
};

// What the user waits for, `repeats` times: from the event given to the
// widget, through the handler and the redraw of what it changed, to the
// screen showing it. The statements the program ran for it are recorded and,
// after each repeat but the last, run again on `plain`, so that both are
// measured in turns under the same load.
class SideBySideTimer {
  public:
    SideBySideTimer(StatementLog& log, PlainSqlite& plain, bool keepStatements)
        : log_(log), plain_(plain), keepStatements_(keepStatements) {}

    SideBySide timePainted(int repeats, const Repeat& repeat);
    SideBySide timePainted(int repeats, const std::function<void(int)>& event) {
        return timePainted(repeats, Repeat{{}, event, {}});
    }
    // The same, for work that ends with its own window painted or closed.
    SideBySide time(int repeats, const Repeat& repeat);

  private:
    StatementLog& log_;
    PlainSqlite& plain_;
    const bool keepStatements_;  // the last recorded repeat's, to print
};
