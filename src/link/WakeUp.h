#pragma once
// The steps of the link set-up that the transfer and the power adjustment share: the wake-up,
// the switch into a mode, and the draining of a line after a disturbed answer.
#include "LinkHost.h"
#include "Port.h"
#include "Protocol.h"

namespace zemtar {

// Sends a wake-up string one byte at a time, each after a pause and a cleared receive queue,
// so that only the radio's answer to the last byte is left to read.
inline void sendWakeUp(Port& port, LinkHost& host, const QByteArray& bytes, int pauseMs)
{
    for (char b : bytes) {
        if (pauseMs > 0)
            host.sleepMs(pauseMs);
        port.clearQueues();
        port.write(b);
    }
}

enum class Wake {
    Acked,
    ReadFailed, // the first read call failed
    Refused,    // a byte came, and no acknowledgement after it
};

// Purges the port, sends the programming wake-up and reads the answer; one stray byte may
// precede the acknowledgement. `alsoAltAck` takes 0x16 as an acknowledgement too.
inline Wake wakeRadio(Port& port, LinkHost& host, int pauseMs, bool alsoAltAck)
{
    auto acked = [&](const std::optional<QByteArray>& r) {
        return r && !r->isEmpty() && (r->at(0) == proto::kAck || (alsoAltAck && r->at(0) == proto::kAltAck));
    };
    port.purgeAll();
    sendWakeUp(port, host, proto::kWakeUp, pauseMs);
    const auto r = port.read(1);
    if (acked(r))
        return Wake::Acked;
    if (!r)
        return Wake::ReadFailed;
    return acked(port.read(1)) ? Wake::Acked : Wake::Refused;
}

// 'M' and the mode byte, each after 1 ms and a cleared receive queue. The queue is not
// cleared after the mode byte: a radio that answers at once would lose its answer.
inline void switchMode(Port& port, LinkHost& host, char mode)
{
    host.sleepMs(1);
    port.clearQueues();
    port.write(proto::kModePrefix);
    host.sleepMs(1);
    port.clearQueues();
    port.write(mode);
}

// What came instead of an acknowledgement (0x06, or 0x16 where that counts too).
inline QString acknowledgementFault(const std::optional<QByteArray>& r, Language lang)
{
    const QByteArray got = r.value_or(QByteArray()).left(1);
    return msg::replyFault(got.isEmpty() ? msg::ReplyFault::Nothing : msg::ReplyFault::NotAcknowledged, got, 1, lang);
}

// After a disturbed answer: reads and drops whatever still arrives until a one-byte read
// finds the line quiet (the port's read time-out), at most kDrainLimit bytes, so that the
// request asked again is answered on a clean line.
inline constexpr int kDrainLimit = 256;
inline void drainLine(Port& port)
{
    for (int n = 0; n < kDrainLimit; ++n) {
        const auto r = port.read(1);
        if (!r || r->isEmpty())
            break;
    }
    port.clearQueues();
}

} // namespace zemtar
