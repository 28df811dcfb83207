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

bool stderrIsTerminal()
{
#if defined(_WIN32)
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(STDERR_FILENO) != 0;
#endif
}

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
    value_ = value;
    maximum_ = maximum;
}

void TerminalHost::blockProgress(int block, int blocks, int, const QString& text)
{
    if (blocks <= 0)
        return;
    const int percent = block * 100 / blocks;
    if (tty_) {
        // One line, drawn again in place (\r, then the rest of the old line cleared).
        const int width = 30, filled = maximum_ > 0 ? value_ * width / maximum_ : 0;
        std::fprintf(stderr, "\r[%s%s] %s\x1b[K", QByteArray(filled, '#').constData(),
                     QByteArray(width - filled, '.').constData(), text.toLocal8Bit().constData());
        std::fflush(stderr);
        barOpen_ = true;
    } else if (block > 0 && (percent / 10 != lastShown_ / 10 || block == blocks)) {
        err(text);
    }
    lastShown_ = percent;
}

void TerminalHost::status(const QString& text)
{
    if (text == lastStatus_)
        return;
    lastStatus_ = text;
    finishProgress();
    err(text);
}

} // namespace zemtar::cli
