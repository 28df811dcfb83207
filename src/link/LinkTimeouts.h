#pragma once
#include <QtGlobal>

// The port's time-outs, in milliseconds, as both serial ports apply them: a read returns after
// its count, after the interval between two bytes, or after the total; a write gives up after
// its total.
namespace zemtar::timeouts {

inline constexpr int kIntervalMs = 30;
inline constexpr int kTotalConstantMs = 90;
inline constexpr int kTotalPerByteMs = 500;
inline constexpr int kWriteConstantMs = 50;
inline constexpr int kWritePerByteMs = 50;

inline qint64 readLimitMs(qsizetype count) { return kTotalConstantMs + qint64(kTotalPerByteMs) * count; }
inline qint64 writeLimitMs(qsizetype count) { return kWriteConstantMs + qint64(kWritePerByteMs) * count; }

} // namespace zemtar::timeouts
