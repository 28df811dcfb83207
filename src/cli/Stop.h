#pragma once
#include <QString>

namespace zemtar::cli {

// Ctrl+C, a closed terminal and a stop request: SIGINT, SIGHUP and SIGTERM where POSIX signals
// exist, the console's Ctrl+C, Ctrl+Break and close events on Windows. Outside a StopScope they
// end the program as they always do; inside one they are recorded, blocking reads of standard
// input return, and the command stops at its next safe point (a radio is taken out of the mode
// it was put in, the port is restored) with exit status 5.
void installStopHandlers(); // once, first thing in main

class StopScope {
public:
    // `onStop` runs in the signal handler: it may only set flags.
    explicit StopScope(void (*onStop)() = nullptr);
    ~StopScope();
    StopScope(const StopScope&) = delete;
    StopScope& operator=(const StopScope&) = delete;

private:
    void (*previous_)();
};

bool stopRequested();
// What stopped the program: "SIGINT", "SIGTERM", "SIGHUP", "Ctrl+C", ...; empty when nothing did.
const char* stopName();
// The line that says so, for the end of a stopped command.
void reportStop(const QString& what);

} // namespace zemtar::cli
