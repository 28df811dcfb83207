#pragma once
#include "Stop.h"

#include "link/LinkHost.h"

namespace zemtar::cli {

// Whether standard error is a terminal (progress drawn in place) or a file or pipe (lines).
bool stderrIsTerminal();

// Runs radio exchanges from a terminal: messages and progress on stderr, questions
// answered by the command's options. While it lives, Ctrl+C and a stop request end the
// exchange at its next safe point (see Stop.h).
class TerminalHost : public LinkHost {
public:
    TerminalHost(int retries, bool acceptBand);
    ~TerminalHost() override;

    bool poll() override;
    bool stopping() const override;
    void sleepMs(int ms) override;
    Answer ask(const QString& text, Caption caption, Buttons buttons, Icon icon) override;
    void progress(int value, int maximum) override;
    void status(const QString& text) override;
    void blockProgress(int block, int blocks, int secondsLeft, const QString& text) override;

    void finishProgress();
    long sleptMs() const { return sleptMs_; }

private:
    StopScope stop_;
    int retries_;
    bool acceptBand_;
    bool tty_;
    int lastShown_ = -1;
    int value_ = 0, maximum_ = 0; // the bar, drawn with the block count
    QString lastStatus_;
    bool barOpen_ = false;
    long sleptMs_ = 0;
};

} // namespace zemtar::cli
