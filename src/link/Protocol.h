#pragma once
// Bytes and address map of the radio's programming protocol.
#include "image/MemoryMap.h"
#include "shell/Messages.h"

#include <QByteArray>

#include <cstdint>
#include <optional>
#include <vector>

namespace zemtar::proto {

inline constexpr char kAck = 0x06;
inline constexpr char kAltAck = 0x16; // accepted by the power calibration exchanges
inline constexpr char kNak = 0x15;
inline constexpr char kModePrefix = 'M';
inline constexpr char kModeProgram = 0x02;
inline constexpr char kModeHighPower = 'S';
inline constexpr char kModeLowPower = 'R';
inline constexpr char kModeUpdate = 'c';
inline constexpr char kModeLeave = 'U';
inline constexpr char kRead = 'R';
inline constexpr char kWrite = 'W';
inline constexpr int kBlockLength = 8;
inline constexpr int kReadReplyLength = 12;
inline constexpr int kIdentLength = 8;
inline constexpr int kPowerReplyLength = 5;
inline constexpr std::uint16_t kPasswordBlockAddress = 0x0FE0;
inline constexpr std::uint16_t kPowerValueAddress = 0x03F9;

inline const QByteArray kWakeUp = QByteArrayLiteral("\x02PROGRA");
inline const QByteArray kUpdateWakeUp = QByteArrayLiteral("\x02PRGGPA");
inline const QByteArray kExitWakeUp = QByteArrayLiteral("\x02PROGPA");

// One 8-byte block of the transfer: where it lies in the image and at which radio address.
struct Block {
    std::size_t imageOffset;
    std::uint16_t address;
    int row; // image row
    bool lastOfRow;
};

// The blocks in transfer order: rows 0-129 in three blocks, then rows 195..lastRow in two.
// A read goes to row 255 (512 blocks); a write stops at row 254 (510 blocks) and then sends
// the final block of row 255, bytes 0-7.
inline std::vector<Block> blocks(int lastRow)
{
    std::vector<Block> out;
    std::uint16_t address = 0;
    auto add = [&](int row, int count) {
        for (int t = 0; t < count; ++t) {
            out.push_back(
                Block{std::size_t(row) * map::kRowSize + std::size_t(t) * kBlockLength, address, row, t == count - 1});
            address = std::uint16_t(address + kBlockLength);
        }
    };
    for (int r = 0; r < int(map::kFullRowsEnd); ++r)
        add(r, 3);
    for (int r = int(map::kHalfRowsBegin); r <= lastRow; ++r)
        add(r, 2);
    return out;
}

// Image offset of a radio address, or -1 for none.
inline long imageOffsetOf(std::uint16_t address)
{
    const std::size_t fullBytes = map::kFullRowsEnd * map::kRowSize;
    if (address < fullBytes)
        return long(address);
    const std::size_t rest = address - fullBytes;
    const std::size_t row = map::kHalfRowsBegin + rest / 16;
    if (row >= map::kRowCount)
        return -1;
    return long(row * map::kRowSize + rest % 16);
}

inline QByteArray header(char op, std::uint16_t address)
{
    QByteArray h(4, 0);
    h[0] = op;
    h[1] = char(address >> 8);
    h[2] = char(address & 0xFF);
    h[3] = char(kBlockLength);
    return h;
}

// What is wrong with the radio's reply to the read request for `address`, or nothing when
// it is the block asked for: 'W', the address (high, low), the length 8, then 8 data bytes.
inline std::optional<msg::ReplyFault> checkReadReply(const QByteArray& reply, std::uint16_t address)
{
    using F = msg::ReplyFault;
    if (reply.isEmpty())
        return F::Nothing;
    const QByteArray expected = header(kWrite, address);
    if (reply[0] != expected[0])
        return F::FirstByte;
    if (reply.size() >= 3 && reply.mid(1, 2) != expected.mid(1, 2))
        return F::Address;
    if (reply.size() >= 4 && reply[3] != expected[3])
        return F::Length;
    if (reply.size() < kReadReplyLength)
        return F::Short;
    if (reply.size() > kReadReplyLength)
        return F::Long;
    return std::nullopt;
}

} // namespace zemtar::proto
