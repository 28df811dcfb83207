#pragma once
// The wake-up both the transfer and the power adjustment send: one byte at a time, each after
// a pause and a cleared receive queue, so that only the radio's answer to the last byte is
// left to read.
#include "LinkHost.h"
#include "Port.h"

namespace zemtar {

inline void sendWakeUp(Port& port, LinkHost& host, const QByteArray& bytes, int pauseMs)
{
    for (char b : bytes) {
        if (pauseMs > 0)
            host.sleepMs(pauseMs);
        port.clearQueues();
        port.write(b);
    }
}

} // namespace zemtar
