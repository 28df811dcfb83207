#pragma once
// The radio's side of the programming protocol, without any I/O: bytes from the PC go in,
// the radio's answers come out. The simulator drives it over a pseudo-terminal; the
// tests drive it directly.
#include "image/Encodings.h"
#include "image/RadioImage.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace zemtar::sim {

struct Config {
    char family = 'U';
    QByteArray model = QByteArrayLiteral("530");
    Band band{136, 174};
    int ignoreWakeUps = 0;      // no answer to the first N wake-ups
    bool wrongIdentity = false; // answer with model "531"
    bool noConfirm = false;     // no answer to the PC's confirmation
    int identBytes = 8;         // how much of the identification is sent (0 = none)
    // Missing: no reply; Short: 6 bytes of it; Nak: 0x15 for an acknowledgement; HangUp: the
    // radio goes away. Only for read requests: Stray: a byte (0x06) before the reply;
    // OtherAddress: the next block's reply instead; OtherFirstByte: 'R' in place of 'W'.
    enum class BlockFault { None, Missing, Short, Nak, HangUp, Stray, OtherAddress, OtherFirstByte };
    BlockFault blockFault = BlockFault::None;
    int faultBlock = -1;          // radio address / 8 of the block that fails
    int faultTimes = 1;           // how many requests for that block fail; 0 = all of them
    bool shortPowerReply = false; // 3 bytes instead of 5 to the power mode
    int shortPowerTimes = 0;      // how many such replies; 0 = every one
    bool noPowerAck = false;      // no answer to value updates
};

class SimRadio {
public:
    static constexpr int kMemorySize = 4096;
    enum class Direction { FromPc, FromRadio };
    using FrameLog = std::function<void(Direction, const QByteArray&, const QString& what)>;

    explicit SimRadio(Config config = {});

    // Bytes from the PC; returns what the radio answers (possibly nothing).
    QByteArray feed(const QByteArray& bytes);
    // Called when nothing arrived for a while: a frame left half-sent is dropped.
    void idle();
    bool hungUp() const { return hungUp_; }

    QByteArray& memory() { return memory_; }
    const QByteArray& memory() const { return memory_; }
    // The radio's memory from a data file's image, through the transfer's address map.
    void loadImage(const RadioImage& image);
    void setPassword(const QByteArray& password); // 6 characters, 0xFF padded
    int highPower() const { return std::uint8_t(memory_[0x0FF9]); }
    int lowPower() const { return std::uint8_t(memory_[0x0FF8]); }
    void setPowers(int high, int low);

    void setFrameLog(FrameLog log) { log_ = std::move(log); }
    // Called after the final block of a write.
    void setWriteDone(std::function<void()> f) { writeDone_ = std::move(f); }
    bool inAdjustMode() const { return state_ == State::Adjust; }

private:
    enum class State { Idle, AwaitMode, AwaitConfirm, Programming, AwaitAdjustAck, Adjust };
    // Tries to take one frame off the front of the buffer: >0 bytes consumed, 0 = wait for more.
    int parseOne(QByteArray& reply);
    void say(QByteArray& reply, const QByteArray& bytes, const QString& what);
    void heard(const QByteArray& bytes, const QString& what);
    bool faultAt(std::uint16_t address, Config::BlockFault kind);

    Config cfg_;
    QByteArray memory_;
    QByteArray buffer_;
    State state_ = State::Idle;
    char adjustMode_ = 0;
    int wakeUps_ = 0;
    int faultsDone_ = 0;
    int shortPowerDone_ = 0;
    bool nakNextAck_ = false;
    bool hungUp_ = false;
    FrameLog log_;
    std::function<void()> writeDone_;
};

QString hex(const QByteArray& bytes);

} // namespace zemtar::sim
