#include "shell/QuitOnSignal.h"

#include <signal.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>

namespace shell {

namespace {

int wakeUp[2] = {-1, -1};

// Only a write is safe in a signal handler: the event loop does the rest.
void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(wakeUp[1], &byte, 1);
}

}  // namespace

void quitOnSignal() {
    if (::pipe(wakeUp) != 0)
        return;
    auto* notifier =
        new QSocketNotifier(wakeUp[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, [] { QCoreApplication::quit(); });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

}  // namespace shell
