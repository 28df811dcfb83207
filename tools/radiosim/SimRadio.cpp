#include "SimRadio.h"

#include "link/Protocol.h"

#include <algorithm>

namespace zemtar::sim {

QString hex(const QByteArray& bytes) { return QString::fromLatin1(bytes.toHex(' ').toUpper()); }

SimRadio::SimRadio(Config config) : cfg_(std::move(config)), memory_(kMemorySize, char(0xFF)) { setPowers(125, 100); }

void SimRadio::setPowers(int high, int low)
{
    memory_[0x0FF9] = char(high);
    memory_[0x0FF8] = char(low);
}

void SimRadio::loadImage(const RadioImage& image)
{
    for (int a = 0; a < kMemorySize; ++a) {
        const long off = proto::imageOffsetOf(std::uint16_t(a));
        if (off >= 0)
            memory_[a] = char(image.at(std::size_t(off)));
    }
}

void SimRadio::setPassword(const QByteArray& password)
{
    for (int i = 0; i < 6; ++i)
        memory_[0x0FE2 + i] = i < password.size() ? password[i] : char(0xFF);
}

void SimRadio::heard(const QByteArray& bytes, const QString& what)
{
    if (log_)
        log_(Direction::FromPc, bytes, what);
}

void SimRadio::say(QByteArray& reply, const QByteArray& bytes, const QString& what)
{
    reply += bytes;
    if (log_)
        log_(Direction::FromRadio, bytes, what);
}

QByteArray SimRadio::feed(const QByteArray& bytes)
{
    QByteArray reply;
    if (hungUp_)
        return reply;
    buffer_ += bytes;
    while (!buffer_.isEmpty() && !hungUp_) {
        const int used = parseOne(reply);
        if (used == 0)
            break;
        buffer_.remove(0, used);
    }
    return reply;
}

void SimRadio::idle()
{
    if (buffer_.isEmpty())
        return;
    heard(buffer_.left(1), QStringLiteral("ignored (incomplete frame)"));
    buffer_.remove(0, 1);
    QByteArray none;
    while (!buffer_.isEmpty()) {
        const int used = parseOne(none);
        if (used == 0)
            break;
        buffer_.remove(0, used);
    }
}

bool SimRadio::faultAt(std::uint16_t address, Config::BlockFault kind)
{
    if (cfg_.blockFault != kind || cfg_.faultBlock < 0 || address / 8 != cfg_.faultBlock)
        return false;
    if (cfg_.faultTimes > 0 && faultsDone_ >= cfg_.faultTimes)
        return false;
    ++faultsDone_;
    return true;
}

int SimRadio::parseOne(QByteArray& reply)
{
    const QByteArray& b = buffer_;
    const char c = b[0];
    auto ignore = [&] {
        heard(b.left(1), QStringLiteral("ignored"));
        return 1;
    };

    if (c == 0x02) {
        for (const QByteArray& wake : {proto::kWakeUp, proto::kUpdateWakeUp, proto::kExitWakeUp}) {
            if (b.size() < wake.size() && wake.startsWith(b))
                return 0;
            if (!b.startsWith(wake))
                continue;
            if (wake == proto::kWakeUp) {
                heard(wake, QStringLiteral("wake-up"));
                if (wakeUps_++ < cfg_.ignoreWakeUps)
                    return int(wake.size());
                state_ = State::AwaitMode;
                say(reply, QByteArray(1, proto::kAck), QStringLiteral("ack"));
            } else if (state_ == State::Adjust) {
                const bool update = wake == proto::kUpdateWakeUp;
                heard(wake, update ? QStringLiteral("update wake-up") : QStringLiteral("exit wake-up"));
                if (!(update && cfg_.noPowerAck))
                    say(reply, QByteArray(1, proto::kAck), QStringLiteral("ack"));
            } else {
                heard(wake, QStringLiteral("ignored (not in adjust mode)"));
            }
            return int(wake.size());
        }
        // Not (yet) a wake-up string: only a partial one waits for more bytes.
        return ignore();
    }

    switch (state_) {
    case State::AwaitMode: {
        if (c != proto::kModePrefix)
            return ignore();
        if (b.size() < 2)
            return 0;
        const char mode = b[1];
        if (mode == proto::kModeProgram) {
            heard(b.left(2), QStringLiteral("program mode"));
            QByteArray id(8, 0);
            id[0] = cfg_.family;
            const QByteArray model = cfg_.wrongIdentity ? QByteArrayLiteral("531") : cfg_.model;
            for (int i = 0; i < 3; ++i)
                id[1 + i] = i < model.size() ? model[i] : '0';
            id[4] = 0;
            id[5] = char(toBcd(unsigned(cfg_.band.lowMHz / 10)));
            id[6] = char(toBcd(unsigned(cfg_.band.highMHz / 10)));
            id[7] = char(toBcd(unsigned((cfg_.band.lowMHz % 10) * 10 + cfg_.band.highMHz % 10)));
            id.truncate(std::clamp(cfg_.identBytes, 0, 8));
            if (!id.isEmpty())
                say(reply, id, QStringLiteral("identification"));
            state_ = State::AwaitConfirm;
        } else if (mode == proto::kModeHighPower || mode == proto::kModeLowPower) {
            const bool high = mode == proto::kModeHighPower;
            heard(b.left(2), high ? QStringLiteral("high power mode") : QStringLiteral("low power mode"));
            adjustMode_ = mode;
            QByteArray r(5, 0);
            r[0] = 'P';
            r[1] = mode;
            r[4] = char(high ? highPower() : lowPower());
            if (cfg_.shortPowerReply && (cfg_.shortPowerTimes == 0 || shortPowerDone_++ < cfg_.shortPowerTimes))
                r.truncate(3);
            say(reply, r, QStringLiteral("power value"));
            state_ = State::AwaitAdjustAck;
        } else {
            heard(b.left(2), QStringLiteral("ignored (unknown mode)"));
            state_ = State::Idle;
        }
        return 2;
    }
    case State::AwaitConfirm:
        if (c != proto::kAck)
            return ignore();
        heard(b.left(1), QStringLiteral("confirm"));
        if (!cfg_.noConfirm) {
            say(reply, QByteArray(1, proto::kAck), QStringLiteral("ack"));
            state_ = State::Programming;
        }
        return 1;
    case State::AwaitAdjustAck:
        if (c != proto::kAck)
            return ignore();
        heard(b.left(1), QStringLiteral("ack (adjust mode on)"));
        state_ = State::Adjust;
        return 1;
    case State::Programming: {
        if (c == proto::kAck) {
            heard(b.left(1), QStringLiteral("ack"));
            say(reply, QByteArray(1, nakNextAck_ ? proto::kNak : proto::kAck),
                nakNextAck_ ? QStringLiteral("negative ack") : QStringLiteral("ack"));
            nakNextAck_ = false;
            return 1;
        }
        if (c != proto::kRead && c != proto::kWrite)
            return ignore();
        if (b.size() < 4)
            return 0;
        const std::uint16_t address = std::uint16_t((std::uint8_t(b[1]) << 8) | std::uint8_t(b[2]));
        const int len = std::uint8_t(b[3]);
        const QString where = QStringLiteral("0x%1").arg(address, 4, 16, QChar(u'0')).toUpper().replace(u'X', u'x');
        if (faultAt(address, Config::BlockFault::HangUp)) {
            heard(b.left(4), QStringLiteral("hang-up at ") + where);
            hungUp_ = true;
            return int(b.size());
        }
        if (c == proto::kRead) {
            heard(b.left(4), QStringLiteral("read ") + where);
            if (faultAt(address, Config::BlockFault::Missing))
                return 4;
            // The reply repeats the request's address and length after a 'W'.
            const bool other = faultAt(address, Config::BlockFault::OtherAddress);
            const std::uint16_t from = other ? std::uint16_t((address + 8) % kMemorySize) : address;
            QByteArray r = proto::header(proto::kWrite, from);
            r[3] = char(len);
            for (int i = 0; i < len; ++i)
                r += from + i < kMemorySize ? memory_[from + i] : char(0xFF);
            if (faultAt(address, Config::BlockFault::Short))
                r.truncate(6);
            if (faultAt(address, Config::BlockFault::OtherFirstByte))
                r[0] = proto::kRead;
            if (faultAt(address, Config::BlockFault::Stray))
                say(reply, QByteArray(1, proto::kAck), QStringLiteral("stray byte"));
            nakNextAck_ = faultAt(address, Config::BlockFault::Nak);
            say(reply, r, (other ? QStringLiteral("data (of the next block) ") : QStringLiteral("data ")) + where);
            return 4;
        }
        if (b.size() < 4 + len)
            return 0;
        heard(b.left(4 + len), QStringLiteral("write ") + where);
        for (int i = 0; i < len; ++i)
            if (address + i < kMemorySize)
                memory_[address + i] = b[4 + i];
        if (faultAt(address, Config::BlockFault::Missing) || faultAt(address, Config::BlockFault::Short))
            return 4 + len;
        if (faultAt(address, Config::BlockFault::Nak))
            say(reply, QByteArray(1, proto::kNak), QStringLiteral("negative ack"));
        else
            say(reply, QByteArray(1, proto::kAck), QStringLiteral("ack"));
        if (address == 0x0FF0 && writeDone_)
            writeDone_();
        return 4 + len;
    }
    case State::Adjust: {
        if (c == proto::kModePrefix) {
            if (b.size() < 2)
                return 0;
            if (b[1] == proto::kModeUpdate) {
                heard(b.left(2), QStringLiteral("update mode"));
                if (!cfg_.noPowerAck)
                    say(reply, QByteArray(1, proto::kAck), QStringLiteral("ack"));
            } else if (b[1] == proto::kModeLeave) {
                heard(b.left(2), QStringLiteral("leave adjust mode"));
                state_ = State::Idle;
            } else {
                heard(b.left(2), QStringLiteral("ignored"));
            }
            return 2;
        }
        if (c == proto::kWrite) {
            if (b.size() < 5)
                return 0;
            const int value = std::uint8_t(b[4]);
            heard(b.left(5), QStringLiteral("power value %1").arg(value));
            if (adjustMode_ == proto::kModeHighPower)
                memory_[0x0FF9] = char(value);
            else
                memory_[0x0FF8] = char(value);
            if (!cfg_.noPowerAck)
                say(reply, QByteArray(1, proto::kAck), QStringLiteral("ack"));
            return 5;
        }
        if (c == proto::kAck) {
            heard(b.left(1), QStringLiteral("ack"));
            return 1;
        }
        return ignore();
    }
    case State::Idle:
        return ignore();
    }
    return ignore();
}

} // namespace zemtar::sim
