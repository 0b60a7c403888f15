#include "bench/SideBySide.h"

#include <xcb/xcb.h>

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "bench/PlainSqlite.h"
#include "bench/StatementLog.h"

namespace {

double median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double elapsedMs(const QElapsedTimer& t) {
    return double(t.nsecsElapsed()) / 1e6;
}

}  // namespace

void waitForScreen() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return;
    // A round trip: the server answers only after the drawing sent before.
    xcb_connection_t* c = x11->connection();
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}

bool waitUntilPainted(QWidget& window) {
    // Each wait ends with the next event; Qt Test's own wait sleeps up to
    // 10 ms between its passes, which would count an expose late. The timer
    // ends a wait for an expose that never comes.
    QTimer backstop;
    backstop.setSingleShot(true);
    backstop.start(5000);
    const auto exposed = [&] {
        return window.windowHandle() && window.windowHandle()->isExposed();
    };
    while (!exposed() && backstop.isActive())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    waitForScreen();
    return exposed();
}

qint64 peakResidentKb() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    return 0;
}

void resetPeakResident() {
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

SideBySide SideBySideTimer::timePainted(int repeats, const Repeat& repeat) {
    // Qt paints what the handler changed as it processes the events that
    // follow; a repaint of the whole window on top would be a second paint
    // the user does not wait for.
    return time(repeats, Repeat{repeat.prepare,
                                [&](int i) {
                                    repeat.event(i);
                                    QCoreApplication::processEvents();
                                    waitForScreen();
                                },
                                repeat.undo});
}

SideBySide SideBySideTimer::time(int repeats, const Repeat& repeat) {
    std::vector<double> program, plain;
    SideBySide row;
    for (int i = 0; i < repeats; ++i) {
        // The record of what a repeat ran can take more memory than the
        // program itself: the last repeat, and an operation done once, run
        // unrecorded, and the peak memory is theirs.
        const bool recorded = i + 1 < repeats;
        if (repeat.prepare)
            repeat.prepare(i);
        QCoreApplication::processEvents();
        if (recorded)
            log_.start();
        else
            resetPeakResident();
        QElapsedTimer t;
        t.start();
        repeat.event(i);
        program.push_back(elapsedMs(t));
        if (!recorded) {
            // What the window does once it is painted (a count, its
            // filters) counts towards its memory, not its time.
            QCoreApplication::processEvents();
            row.peakKb = peakResidentKb();
            if (repeat.undo)
                repeat.undo();
            continue;
        }
        std::vector<RecordedStatement> statements = log_.stop();
        row.statements = qsizetype(statements.size());
        if (statements.empty())
            continue;
        if (repeat.undo)
            repeat.undo();
        t.restart();
        plain_.replay(statements);
        plain.push_back(elapsedMs(t));
        if (keepStatements_)
            row.lastStatements = std::move(statements);
    }
    row.programMs = median(program);
    if (!plain.empty())
        row.plainMs = median(plain);
    return row;
}
