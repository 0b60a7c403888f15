#pragma once

#include <QString>

// The program's start as a process of its own, from exec to the main window
// drawn on the screen, with today's backup already made and, apart, with the
// backup due (removed before each start; the window comes first and the copy
// is made on its thread, which the figure "backup done" waits for).
struct StartupTimes {
    double presentMs = 0;  // today's backup present
    double dueMs = 0;      // backup due: to the window shown
    double dueDoneMs = 0;  // backup due: to the copy made and the program out
};

StartupTimes timeStartup(const QString& path, int repeats);

// The probe run in the child process: `bench_desk --start-probe DATABASE`.
int startProbe(int argc, char* argv[]);
