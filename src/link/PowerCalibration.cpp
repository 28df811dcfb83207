#include "PowerCalibration.h"

#include "Protocol.h"
#include "WakeUp.h"
#include "shell/Messages.h"

namespace zemtar {

using Answer = LinkHost::Answer;
using Buttons = LinkHost::Buttons;
using Caption = LinkHost::Caption;
using Icon = LinkHost::Icon;

namespace {
// The power adjustment's messages exist in one language only.
constexpr Language kLang = Language::English;
} // namespace

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

bool PowerCalibration::portClosed()
{
    if (port_.isOpen())
        return false;
    host_.ask(msg::text(msg::PortOpenFailed, kLang), Caption::Application, Buttons::Ok, Icon::Stop);
    return true;
}

bool PowerCalibration::askRetry(const QString& detail)
{
    const QString text = msg::text(msg::ErrorTryAgain, kLang);
    if (host_.ask(detail.isEmpty() ? text : text + u'\n' + detail, Caption::Application, Buttons::RetryCancel,
                  Icon::Warning) == Answer::Retry)
        return true;
    port_.close();
    return false;
}

LinkOutcome PowerCalibration::enter(RadioImage& image)
{
    if (portClosed())
        return LinkOutcome::PortFailed;
    // A reply cut short is asked for again from the wake-up, after the line fell quiet.
    for (int attempt = 1;; ++attempt) {
        int counter = 0;
        for (;;) {
            for (int i = 0; i < 7; ++i)
                host_.poll();
            if (host_.stopping()) {
                port_.close();
                return LinkOutcome::Cancelled;
            }
            const Wake w = wakeRadio(port_, host_, 1, true);
            if (w == Wake::Acked)
                break;
            host_.sleepMs(w == Wake::ReadFailed ? 1 : p_.retryWaitMs);
            if (++counter <= 5)
                continue;
            if (host_.ask(msg::text(msg::CommError, kLang), Caption::Application, Buttons::RetryCancel,
                          Icon::Warning) != Answer::Retry) {
                port_.close();
                return LinkOutcome::CommFailure;
            }
            counter = 0;
        }
        switchMode(port_, host_, p_.mode);
        const auto r = port_.read(proto::kPowerReplyLength);
        const QByteArray reply = r.value_or(QByteArray());
        if (reply.size() >= proto::kPowerReplyLength) {
            image.set(p_.imageOffset, std::uint8_t(reply[4]));
            break;
        }
        const QString fault = msg::replyFault(reply.isEmpty() ? msg::ReplyFault::Nothing : msg::ReplyFault::Short,
                                              reply, proto::kPowerReplyLength, kLang);
        const QString step =
            msg::powerStep(kind_ == Kind::High ? msg::PowerStep::HighMode : msg::PowerStep::LowMode, 0, kLang);
        if (!r || attempt > TransferEngine::kBlockRetries) {
            host_.ask(msg::text(msg::NotEnoughBytes, kLang) + u'\n' +
                          msg::powerReplyFailed(step, fault, attempt, kLang),
                      Caption::Application, Buttons::Ok, Icon::Stop);
            port_.close();
            return LinkOutcome::CommFailure;
        }
        host_.status(msg::powerAskingAgain(step, fault, attempt, TransferEngine::kBlockRetries, kLang));
        ++repeated_;
        drainLine(port_);
    }
    host_.sleepMs(1);
    port_.clearQueues();
    port_.write(proto::kAck);
    if (kind_ == Kind::High)
        port_.clearQueues();
    return LinkOutcome::Success;
}

PowerCalibration::Update PowerCalibration::update(int value)
{
    host_.sleepMs(kUpdateDelayMs);
    if (host_.stopping())
        return Update::Stopped; // a value not sent yet stays unsent
    return send(value);
}

PowerCalibration::Update PowerCalibration::send(int value)
{
    value = std::clamp(value, 1, p_.maximum);
    if (portClosed())
        return Update::NoPort;
    port_.clearQueues();
    int counter = 0;
    // A failed step waits, counts, and wakes the radio again; past five failures it asks.
    for (;;) {
        sendWakeUp(port_, host_, proto::kUpdateWakeUp, 0);
        const auto woke = port_.read(1);
        if (!acked(woke)) {
            host_.sleepMs(2);
            if (++counter <= 5)
                continue;
            if (!askRetry(msg::powerReplyFailed(msg::powerStep(msg::PowerStep::UpdateWakeUp, 0, kLang),
                                                acknowledgementFault(woke, kLang), counter, kLang)))
                return Update::Stopped;
            // Retry carries on as if the radio had answered.
        }
        pumpAndWait();
        switchMode(port_, host_, proto::kModeUpdate);
        auto r = port_.read(1);
        QString step = msg::powerStep(msg::PowerStep::UpdateMode, 0, kLang);
        if (acked(r)) {
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
            r = port_.read(1);
            step = msg::powerStep(msg::PowerStep::Value, value, kLang);
        }
        if (acked(r)) {
            pumpAndWait();
            return Update::Sent;
        }
        host_.sleepMs(2);
        if (++counter > 5 && !askRetry(msg::powerReplyFailed(step, acknowledgementFault(r, kLang), counter, kLang)))
            return Update::Stopped;
    }
}

PowerCalibration::Close PowerCalibration::close()
{
    if (portClosed())
        return Close::NoPort;
    port_.clearQueues();
    int attempts = 0;
    for (;;) {
        host_.sleepMs(700);
        port_.purgeAll();
        port_.write(proto::kExitWakeUp);
        const auto r = port_.read(1);
        if (acked(r))
            break;
        host_.sleepMs(2);
        if (++attempts >= 6) {
            if (!askRetry(msg::powerReplyFailed(msg::powerStep(msg::PowerStep::ExitWakeUp, 0, kLang),
                                                acknowledgementFault(r, kLang), attempts, kLang)))
                return Close::StayOpen;
            attempts = 0;
        }
    }
    switchMode(port_, host_, proto::kModeLeave);
    port_.close();
    return Close::Closed;
}

} // namespace zemtar
