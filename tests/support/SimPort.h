#pragma once
// A port wired straight to the simulated radio, and a host that records what the user
// would see and answers questions from a script. The radio's answers are "on the wire"
// until the next wait or read, as they would be on a real cable.
#include "SimRadio.h"
#include "link/LinkHost.h"
#include "link/Port.h"

#include <deque>
#include <vector>

namespace zemtar::test {

class SimPort : public Port {
public:
    explicit SimPort(sim::SimRadio& radio) : radio_(radio) {}

    bool open() { return open_ = true; }
    bool isOpen() const override { return open_; }
    bool write(const QByteArray& bytes) override
    {
        if (!open_)
            return false;
        writes.push_back(bytes);
        if (radio_.hungUp())
            return false;
        inFlight_ += radio_.feed(bytes);
        if (instant)
            land();
        return true;
    }
    std::optional<QByteArray> read(int count) override
    {
        if (!open_ || radio_.hungUp())
            return std::nullopt;
        land();
        QByteArray got = received_.left(count);
        received_.remove(0, got.size());
        ++reads;
        return got;
    }
    void purgeAll() override { received_.clear(); }
    void clearQueues() override { received_.clear(); }
    void close() override
    {
        open_ = false;
        ++closes;
    }
    void land()
    {
        received_ += inFlight_;
        inFlight_.clear();
    }
    using Port::write;

    // A radio (or adapter) that answers at once: its reply is received as the request is written.
    bool instant = false;
    std::vector<QByteArray> writes;
    int reads = 0;
    int closes = 0;

private:
    sim::SimRadio& radio_;
    bool open_ = false;
    QByteArray inFlight_;
    QByteArray received_;
};

class ScriptedHost : public LinkHost {
public:
    explicit ScriptedHost(SimPort* port = nullptr) : port_(port) {}

    struct Question {
        QString text;
        Buttons buttons;
    };
    std::vector<Question> questions;
    std::deque<Answer> answers; // taken in order; when empty: Ok, or Cancel for Retry/Cancel
    int cancelAfterPolls = -1;  // poll() reports Cancel from this poll on
    int polls = 0;
    long sleptMs = 0;
    int progressValue = -1;
    QStringList statuses;

    bool poll() override
    {
        ++polls;
        return cancelAfterPolls >= 0 && polls > cancelAfterPolls;
    }
    void sleepMs(int ms) override
    {
        sleptMs += ms;
        if (port_)
            port_->land();
    }
    Answer ask(const QString& text, Caption, Buttons buttons, Icon) override
    {
        questions.push_back({text, buttons});
        if (!answers.empty()) {
            const Answer a = answers.front();
            answers.pop_front();
            return a;
        }
        return buttons == Buttons::RetryCancel ? Answer::Cancel : Answer::Ok;
    }
    void progress(int value, int) override { progressValue = value; }
    void status(const QString& text) override { statuses << text; }

private:
    SimPort* port_;
};

} // namespace zemtar::test
