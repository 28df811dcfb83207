#include "TerminalHost.h"

#include "CliCommon.h"

#include <QThread>

#include <cstdio>
#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace zemtar::cli {

namespace {
bool stderrIsTerminal()
{
#if defined(_WIN32)
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(STDERR_FILENO) != 0;
#endif
}
} // namespace

TerminalHost::TerminalHost(int retries, bool acceptBand)
    : retries_(retries), acceptBand_(acceptBand), tty_(stderrIsTerminal())
{
}

TerminalHost::~TerminalHost() { finishProgress(); }

bool TerminalHost::poll() { return stopRequested(); }

bool TerminalHost::stopping() const { return stopRequested(); }

void TerminalHost::sleepMs(int ms)
{
    sleptMs_ += ms;
    QThread::usleep(unsigned(ms) * 1000);
}

void TerminalHost::finishProgress()
{
    if (barOpen_) {
        std::fputc('\n', stderr);
        barOpen_ = false;
    }
}

LinkHost::Answer TerminalHost::ask(const QString& text, Caption, Buttons buttons, Icon)
{
    finishProgress();
    err(text.trimmed());
    switch (buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::OkCancel:
        err(acceptBand_ ? QStringLiteral("(continuing: --accept-band)")
                        : QStringLiteral("(cancelled; --accept-band continues)"));
        return acceptBand_ ? Answer::Ok : Answer::Cancel;
    case Buttons::RetryCancel:
        if (retries_ > 0 && !stopRequested()) {
            --retries_;
            err(QStringLiteral("(retrying)"));
            return Answer::Retry;
        }
        return Answer::Cancel;
    }
    return Answer::Cancel;
}

void TerminalHost::progress(int value, int maximum)
{
    if (maximum <= 0)
        return;
    const int percent = value * 100 / maximum;
    if (tty_) {
        const int width = 40, filled = value * width / maximum;
        std::fprintf(stderr, "\r[%s%s] %3d%% %d/%d", QByteArray(filled, '#').constData(),
                     QByteArray(width - filled, '.').constData(), percent, value, maximum);
        std::fflush(stderr);
        barOpen_ = true;
    } else if (value > 0 && (percent / 10 != lastShown_ / 10 || value == maximum)) {
        err(QStringLiteral("progress %1/%2").arg(value).arg(maximum));
    }
    lastShown_ = percent;
}

void TerminalHost::status(const QString& text)
{
    bool isNumber = false;
    text.toInt(&isNumber);
    if (isNumber || text == lastStatus_)
        return; // the row counter is already in the progress
    lastStatus_ = text;
    finishProgress();
    err(text);
}

} // namespace zemtar::cli
