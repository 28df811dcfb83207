#include "Stop.h"

#include "CliCommon.h"

#include <atomic>
#include <csignal>

#if defined(_WIN32)
#include <windows.h>
#else
#include <signal.h>
#endif

namespace zemtar::cli {

namespace {

std::atomic<int> g_depth{0};
std::atomic<void (*)()> g_onStop{nullptr};
std::atomic<const char*> g_stopName{nullptr};

// Records a stop when a scope is open; false when the program should end as usual.
bool record(const char* name)
{
    if (g_depth.load() == 0)
        return false;
    const char* none = nullptr;
    g_stopName.compare_exchange_strong(none, name);
    if (void (*f)() = g_onStop.load())
        f();
    return true;
}

#if defined(_WIN32)

BOOL WINAPI onConsoleEvent(DWORD event)
{
    const char* name = event == CTRL_C_EVENT       ? "Ctrl+C"
                       : event == CTRL_BREAK_EVENT ? "Ctrl+Break"
                       : event == CTRL_CLOSE_EVENT ? "the console closing"
                                                   : "the session ending";
    if (!record(name))
        return FALSE; // the default handler ends the program
    // After a close event the system ends the program once this returns: give the command the
    // few seconds it has to leave the radio's mode and release the port.
    if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT)
        for (int i = 0; i < 40 && g_depth.load() > 0; ++i)
            Sleep(100);
    return TRUE;
}

#else

constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};

void onSignal(int sig)
{
    const char* name = sig == SIGINT ? "SIGINT" : sig == SIGTERM ? "SIGTERM" : "SIGHUP";
    if (record(name))
        return;
    // No command to stop cleanly: end as the signal's default would.
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

#endif

} // namespace

void installStopHandlers()
{
#if defined(_WIN32)
    SetConsoleCtrlHandler(onConsoleEvent, TRUE);
#else
    for (int sig : kStopSignals) {
        struct sigaction previous {};
        if (sigaction(sig, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN)
            continue; // started ignoring it (nohup, a background job): it stays ignored
        struct sigaction action {};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = 0; // no restart: a blocking read returns, and the command sees the stop
        sigaction(sig, &action, nullptr);
    }
#endif
}

StopScope::StopScope(void (*onStop)()) : previous_(g_onStop.load())
{
    if (onStop)
        g_onStop = onStop;
    ++g_depth;
}

StopScope::~StopScope()
{
    --g_depth;
    g_onStop = previous_;
}

bool stopRequested() { return g_stopName.load() != nullptr; }

const char* stopName()
{
    const char* name = g_stopName.load();
    return name ? name : "";
}

void reportStop(const QString& what)
{
    err(QStringLiteral("Stopped by %1: %2").arg(QString::fromLatin1(stopName()), what));
}

} // namespace zemtar::cli
