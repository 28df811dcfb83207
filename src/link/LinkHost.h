#pragma once
#include <QString>

namespace zemtar {

// What a radio exchange needs from whoever runs it: the window (pumping events, message
// boxes, the progress dialog), the command-line tool (printing, answering by options) or a
// test (recording, answering by script). Sleeping goes through the host too, so tests can
// run the protocol's waits instantly.
class LinkHost {
public:
    enum class Buttons { Ok, OkCancel, RetryCancel };
    enum class Answer { Ok, Cancel, Retry };
    enum class Caption { Application, Caution };
    enum class Icon { None, Information, Warning, Stop };

    virtual ~LinkHost() = default;
    // Lets the user interface breathe (at most one waiting event); true when the user has
    // asked to cancel.
    virtual bool poll() = 0;
    // The program is being stopped (a signal, the console closing): the exchange ends at its next
    // safe point without asking, and a radio put into a mode is taken out of it.
    virtual bool stopping() const { return false; }
    virtual void sleepMs(int ms) = 0;
    virtual Answer ask(const QString& text, Caption caption, Buttons buttons, Icon icon = Icon::None) = 0;
    virtual void progress(int value, int maximum) = 0;
    virtual void status(const QString& text) = 0;
    // How far a transfer is: blocks done of all, the seconds still to go (-1 while not known),
    // and the same as a line in the transfer's language. Shown as the status unless a host
    // draws it otherwise.
    virtual void blockProgress(int block, int blocks, int secondsLeft, const QString& text)
    {
        (void)block;
        (void)blocks;
        (void)secondsLeft;
        status(text);
    }
};

} // namespace zemtar
