#include "PowerCalibration.h"

#include "Protocol.h"
#include "WakeUp.h"
#include "shell/Messages.h"

namespace zemtar {

using Answer = LinkHost::Answer;
using Buttons = LinkHost::Buttons;
using Caption = LinkHost::Caption;
using Icon = LinkHost::Icon;

PowerCalibration::Params PowerCalibration::params(Kind kind)
{
    if (kind == Kind::High)
        return {proto::kModeHighPower, map::kHighPowerValue.offset, 250, 125, 2};
    return {proto::kModeLowPower, map::kLowPowerValue.offset, 200, 100, 1};
}

bool PowerCalibration::acked(const std::optional<QByteArray>& r) const
{
    return r && !r->isEmpty() && (r->at(0) == proto::kAck || r->at(0) == proto::kAltAck);
}

void PowerCalibration::pumpAndWait()
{
    for (int i = 0; i < 7; ++i) {
        host_.poll();
        host_.sleepMs(1);
    }
}

bool PowerCalibration::askRetry()
{
    // This message exists in one language only.
    if (host_.ask(msg::text(msg::ErrorTryAgain, Language::English), Caption::Application, Buttons::RetryCancel,
                  Icon::Warning) == Answer::Retry)
        return true;
    port_.close();
    return false;
}

LinkOutcome PowerCalibration::enter(RadioImage& image)
{
    if (!port_.isOpen()) {
        host_.ask(msg::text(msg::PortOpenFailed, Language::English), Caption::Application, Buttons::Ok, Icon::Stop);
        return LinkOutcome::PortFailed;
    }
    int counter = 0;
    for (;;) {
        for (int i = 0; i < 7; ++i)
            host_.poll();
        if (host_.stopping()) {
            port_.close();
            return LinkOutcome::Cancelled;
        }
        port_.purgeAll();
        sendWakeUp(port_, host_, proto::kWakeUp, 1);
        auto r = port_.read(1);
        bool woke = acked(r);
        if (!woke && !r) {
            host_.sleepMs(1);
        } else if (!woke) {
            woke = acked(port_.read(1));
            if (!woke)
                host_.sleepMs(p_.retryWaitMs);
        }
        if (woke)
            break;
        if (++counter <= 5)
            continue;
        if (host_.ask(msg::text(msg::CommError, Language::English), Caption::Application, Buttons::RetryCancel,
                      Icon::Warning) != Answer::Retry) {
            port_.close();
            return LinkOutcome::CommFailure;
        }
        counter = 0;
    }
    host_.sleepMs(1);
    port_.clearQueues();
    port_.write(proto::kModePrefix);
    host_.sleepMs(1);
    port_.clearQueues();
    port_.write(p_.mode); // no clearing after a request: it would drop a fast reply
    const QByteArray reply = port_.read(proto::kPowerReplyLength).value_or(QByteArray());
    if (reply.size() < proto::kPowerReplyLength) {
        host_.ask(msg::text(msg::NotEnoughBytes, Language::English), Caption::Application, Buttons::Ok, Icon::Stop);
        port_.close();
        return LinkOutcome::CommFailure;
    }
    image.set(p_.imageOffset, std::uint8_t(reply[4]));
    host_.sleepMs(1);
    port_.clearQueues();
    port_.write(proto::kAck);
    if (kind_ == Kind::High)
        port_.clearQueues();
    return LinkOutcome::Success;
}

PowerCalibration::Update PowerCalibration::update(int value)
{
    value = std::clamp(value, 1, p_.maximum);
    host_.sleepMs(1000);
    if (host_.stopping())
        return Update::Stopped; // a value not sent yet stays unsent
    if (!port_.isOpen()) {
        host_.ask(msg::text(msg::PortOpenFailed, Language::English), Caption::Application, Buttons::Ok, Icon::Stop);
        return Update::NoPort;
    }
    port_.clearQueues();
    int counter = 0;
    // A failed step waits, counts, and wakes the radio again; past five failures it asks.
    for (;;) {
        sendWakeUp(port_, host_, proto::kUpdateWakeUp, 0);
        if (!acked(port_.read(1))) {
            host_.sleepMs(2);
            if (++counter <= 5)
                continue;
            if (!askRetry())
                return Update::Stopped;
            // Retry carries on as if the radio had answered.
        }
        pumpAndWait();
        host_.sleepMs(1);
        port_.clearQueues();
        port_.write(proto::kModePrefix);
        host_.sleepMs(1);
        port_.clearQueues();
        port_.write(proto::kModeUpdate);
        bool ok = acked(port_.read(1));
        if (ok) {
            pumpAndWait();
            host_.sleepMs(1);
            port_.clearQueues();
            for (char b : {proto::kWrite, char(proto::kPowerValueAddress >> 8), char(proto::kPowerValueAddress & 0xFF),
                           char(1)}) {
                host_.sleepMs(1);
                port_.write(b);
            }
            port_.clearQueues();
            port_.write(char(value));
            ok = acked(port_.read(1));
        }
        if (ok) {
            pumpAndWait();
            return Update::Sent;
        }
        host_.sleepMs(2);
        if (++counter > 5 && !askRetry())
            return Update::Stopped;
    }
}

PowerCalibration::Close PowerCalibration::close()
{
    if (!port_.isOpen()) {
        host_.ask(msg::text(msg::PortOpenFailed, Language::English), Caption::Application, Buttons::Ok, Icon::Stop);
        return Close::NoPort;
    }
    port_.clearQueues();
    int attempts = 0;
    for (;;) {
        host_.sleepMs(700);
        port_.purgeAll();
        port_.write(proto::kExitWakeUp);
        if (acked(port_.read(1)))
            break;
        host_.sleepMs(2);
        if (++attempts >= 6) {
            if (!askRetry())
                return Close::StayOpen;
            attempts = 0;
        }
    }
    host_.sleepMs(1);
    port_.clearQueues();
    port_.write(proto::kModePrefix);
    host_.sleepMs(1);
    port_.clearQueues();
    port_.write(proto::kModeLeave);
    port_.close();
    return Close::Closed;
}

} // namespace zemtar
