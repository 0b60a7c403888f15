#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <vector>

// What the user waits for: from the event sent to the widget, through the
// handler and the deferred redraw of the lists, to the window painted.
inline double paintedMs(QWidget& window, const QStringList& inputs,
                        const std::function<void(const QString&)>& userEvent) {
    std::vector<double> times;
    for (const QString& input : inputs) {
        QElapsedTimer t;
        t.start();
        userEvent(input);
        QCoreApplication::processEvents();
        window.repaint();
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
