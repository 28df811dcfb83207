#include "TransferEngine.h"

#include "Protocol.h"
#include "WakeUp.h"
#include "shell/Messages.h"

#include <algorithm>
#include <chrono>

namespace zemtar {

using Answer = LinkHost::Answer;
using Buttons = LinkHost::Buttons;
using Caption = LinkHost::Caption;
using Icon = LinkHost::Icon;

bool RadioIdentity::matches() const
{
    if (bytes.size() < proto::kIdentLength)
        return false;
    const char family = bytes[0];
    return (family == 'U' || family == 'K' || family == 'R') && bytes.mid(1, 3) == QByteArrayLiteral("530");
}

Band RadioIdentity::band() const
{
    if (bytes.size() < proto::kIdentLength)
        return {};
    return band::decode(std::uint8_t(bytes[5]), std::uint8_t(bytes[6]), std::uint8_t(bytes[7]));
}

bool RadioIdentity::bandValid() const
{
    return bytes.size() >= proto::kIdentLength &&
           band::valid(std::uint8_t(bytes[5]), std::uint8_t(bytes[6]), std::uint8_t(bytes[7]));
}

namespace {
bool isAck(const std::optional<QByteArray>& r) { return r && r->size() >= 1 && r->at(0) == proto::kAck; }
} // namespace

LinkOutcome TransferEngine::end(LinkOutcome outcome)
{
    port_.close();
    return outcome;
}

LinkOutcome TransferEngine::fail(msg::Id id, const QString& detail)
{
    const QString text = msg::text(id, lang_);
    host_.ask(detail.isEmpty() ? text : text + u'\n' + detail, Caption::Application, Buttons::Ok, Icon::Stop);
    return end(LinkOutcome::CommFailure);
}

std::optional<LinkOutcome> TransferEngine::again(std::uint16_t address, bool writing, const QString& fault, int attempt)
{
    if (attempt > kBlockRetries)
        return fail(msg::ProgramInterrupt, msg::blockFailed(address, writing, fault, attempt, lang_));
    host_.status(msg::askingAgain(address, writing, fault, attempt, kBlockRetries, lang_));
    ++repeated_;
    if (host_.poll()) // the status shows while the line falls quiet; Cancel ends here
        return end(LinkOutcome::Cancelled);
    drainLine(port_);
    return std::nullopt;
}

std::optional<LinkOutcome>
TransferEngine::readBlock(std::uint16_t address, bool clearFirst, int pauseMs,
                          const std::function<std::optional<LinkOutcome>(const QByteArray&)>& take)
{
    for (int attempt = 1;; ++attempt) {
        if (clearFirst)
            port_.clearQueues();
        port_.write(proto::header(proto::kRead, address));
        const auto reply = port_.read(proto::kReadReplyLength);
        if (!reply) // the port went away: nothing to ask again
            return fail(msg::ProgramInterrupt,
                        msg::blockFailed(address, false, msg::replyFault(msg::ReplyFault::Nothing, {}, 0, lang_),
                                         attempt, lang_));
        QString fault;
        if (const auto problem = proto::checkReadReply(*reply, address)) {
            fault = msg::replyFault(*problem, *reply, proto::kReadReplyLength, lang_);
        } else {
            if (auto ended = take(*reply))
                return ended;
            if (pauseMs > 0)
                host_.sleepMs(pauseMs);
            if (clearFirst)
                port_.clearQueues();
            port_.write(proto::kAck);
            const auto ack = port_.read(1);
            if (isAck(ack))
                return std::nullopt;
            fault = acknowledgementFault(ack, lang_);
            if (!ack)
                return fail(msg::ProgramInterrupt, msg::blockFailed(address, false, fault, attempt, lang_));
        }
        if (auto ended = again(address, false, fault, attempt))
            return ended;
    }
}

std::optional<LinkOutcome> TransferEngine::writeBlock(std::uint16_t address, const QByteArray& data)
{
    for (int attempt = 1;; ++attempt) {
        port_.clearQueues();
        port_.write(proto::header(proto::kWrite, address));
        host_.sleepMs(1);
        port_.write(data);
        ++blocksSent_;
        const auto ack = port_.read(1);
        if (isAck(ack))
            return std::nullopt;
        const QString fault = acknowledgementFault(ack, lang_);
        // The radio overwrites the same address with the same bytes: sending again is safe.
        if (!ack)
            return fail(msg::ProgramInterrupt, msg::blockFailed(address, true, fault, attempt, lang_));
        if (auto ended = again(address, true, fault, attempt))
            return ended;
    }
}

void TransferEngine::stepProgress()
{
    if (progress_ < kProgressMax)
        ++progress_;
    host_.progress(progress_, kProgressMax);
    showBlocks();
}

void TransferEngine::showBlocks()
{
    // The time left from the time each block took so far.
    int secondsLeft = -1;
    if (block_ > 0 && clock_) {
        const qint64 elapsed = std::max<qint64>(0, clock_() - startedMs_);
        const qint64 leftMs = elapsed * (blocks_ - block_) / block_;
        secondsLeft = int((leftMs + 999) / 1000);
    }
    host_.blockProgress(block_, blocks_, secondsLeft, msg::transferProgress(block_, blocks_, secondsLeft, lang_));
}

std::optional<LinkOutcome> TransferEngine::pollFive()
{
    for (int i = 0; i < 5; ++i)
        if (host_.poll())
            return end(LinkOutcome::Cancelled);
    return std::nullopt;
}

LinkOutcome TransferEngine::read(RadioImage& image)
{
    RadioImage scratch = image;
    const LinkOutcome outcome = run(false, scratch, {});
    if (outcome == LinkOutcome::Success)
        image = scratch;
    return outcome;
}

LinkOutcome TransferEngine::write(const RadioImage& image, BandLimits documentBand)
{
    RadioImage copy = image;
    return run(true, copy, documentBand);
}

std::optional<LinkOutcome> TransferEngine::setUpLink(bool writing, BandLimits documentBand)
{
    bool firstPass = true;
    for (;;) { // every "again" starts here
        for (int i = 0; i < 6; ++i) {
            if (host_.poll())
                return end(LinkOutcome::Cancelled);
            host_.sleepMs(1);
        }
        host_.status(msg::waitingForRadio(lang_));
        if (wakeRadio(port_, host_, 2, false) != Wake::Acked) {
            host_.sleepMs(2);
            if (++tries_ > 15) {
                const QString text = msg::text(msg::CommError, lang_);
                if (host_.ask(portName_.isEmpty() ? text : text + u'\n' + msg::noAnswer(portName_, lang_),
                              Caption::Application, Buttons::RetryCancel, Icon::Warning) != Answer::Retry)
                    return end(LinkOutcome::CommFailure);
                tries_ = 1;
            }
            continue;
        }

        switchMode(port_, host_, proto::kModeProgram);
        const RadioIdentity id{port_.read(proto::kIdentLength).value_or(QByteArray())};
        if (id.bytes.size() < proto::kIdentLength) {
            // The radio took the wake-up but did not identify itself: a link fault, not a
            // radio of another type.
            if (host_.ask(msg::text(msg::CommError, lang_) + u'\n' + msg::noIdentification(portName_, id.bytes, lang_),
                          Caption::Application, Buttons::RetryCancel, Icon::Warning) != Answer::Retry)
                return end(LinkOutcome::CommFailure);
            tries_ = 1;
            continue;
        }
        if (!id.matches()) {
            host_.ask(msg::typeMismatch(lang_), Caption::Caution, Buttons::Ok, Icon::Stop);
            return end(LinkOutcome::TypeMismatch);
        }
        identity_ = id;

        if (writing && firstPass) {
            firstPass = false;
            const BandLimits radio = BandLimits::of(id.band());
            if (documentBand.low < radio.low || documentBand.high > radio.high) {
                if (host_.ask(msg::text(msg::BandOverRange, lang_), Caption::Caution, Buttons::OkCancel,
                              Icon::Warning) != Answer::Ok)
                    return end(LinkOutcome::BandRefused);
            }
            continue; // a write wakes and identifies the radio a second time
        }

        // The queue is cleared before the request, never after it: a radio that answers at
        // once would otherwise lose its answer.
        port_.clearQueues();
        port_.write(proto::kAck);
        host_.sleepMs(1);
        if (isAck(port_.read(1)))
            return std::nullopt; // linked
        if (tries_ > 5)
            return fail(msg::ProgramInterrupt);
        ++tries_;
        if (host_.ask(msg::text(msg::CommError, lang_), Caption::Application, Buttons::RetryCancel, Icon::Warning) !=
            Answer::Retry)
            return end(LinkOutcome::CommFailure);
        tries_ = 1;
    }
}

LinkOutcome TransferEngine::run(bool writing, RadioImage& image, BandLimits documentBand)
{
    tries_ = 1;
    progress_ = 0;
    blocksSent_ = 0;
    repeated_ = 0;
    host_.progress(0, kProgressMax);
    if (!port_.isOpen()) {
        host_.ask(msg::text(msg::PortOpenFailed, lang_), Caption::Application, Buttons::Ok, Icon::Stop);
        return LinkOutcome::PortFailed;
    }
    if (auto ended = setUpLink(writing, documentBand))
        return *ended;
    if (!clock_) {
        const auto origin = std::chrono::steady_clock::now();
        clock_ = [origin] {
            return qint64(
                std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - origin)
                    .count());
        };
    }
    startedMs_ = clock_();
    block_ = 0;
    blocks_ = writing ? kWriteBlocks : kReadBlocks;

    if (writing) {
        const auto sequence = proto::blocks(254);
        auto sendBlock = [&](std::uint16_t address, std::size_t offset) {
            QByteArray data(proto::kBlockLength, 0);
            for (int i = 0; i < proto::kBlockLength; ++i)
                data[i] = char(image.at(offset + std::size_t(i)));
            return writeBlock(address, data);
        };
        for (const proto::Block& b : sequence) {
            if (auto ended = sendBlock(b.address, b.imageOffset))
                return *ended;
            ++block_;
            if (b.lastOfRow) {
                stepProgress();
                if (auto ended = pollFive())
                    return *ended;
            }
        }
        const std::uint16_t finalAddress = std::uint16_t(sequence.back().address + proto::kBlockLength);
        if (auto ended = sendBlock(finalAddress, map::kBand.offset))
            return *ended;
        ++block_;
        showBlocks(); // every block is in; the bar stays where the rows brought it
        return end(LinkOutcome::Success);
    }

    // The radio's password must match the document's before anything is read. This request
    // and its acknowledgement go out without clearing the queue first.
    auto checkPassword = [&](const QByteArray& reply) -> std::optional<LinkOutcome> {
        for (int i = 0; i < 6; ++i) {
            if (std::uint8_t(reply.at(6 + i)) != image.at(map::kPassword.offset + std::size_t(i))) {
                host_.ask(msg::passwordError(), Caption::Application, Buttons::Ok, Icon::Stop);
                return end(LinkOutcome::PasswordError);
            }
        }
        return std::nullopt;
    };
    if (auto ended = readBlock(proto::kPasswordBlockAddress, false, 0, checkPassword))
        return *ended;

    for (const proto::Block& b : proto::blocks(255)) {
        const bool fullRow = b.row < int(map::kFullRowsEnd);
        auto copy = [&](const QByteArray& reply) -> std::optional<LinkOutcome> {
            for (int i = 0; i < proto::kBlockLength; ++i)
                image.set(b.imageOffset + std::size_t(i), std::uint8_t(reply.at(4 + i)));
            return std::nullopt;
        };
        if (auto ended = readBlock(b.address, true, fullRow ? 1 : 0, copy))
            return *ended;
        ++block_;
        if (b.lastOfRow) {
            stepProgress();
            if (auto ended = pollFive())
                return *ended;
        } else if (fullRow) {
            host_.sleepMs(1);
        }
    }
    return end(LinkOutcome::Success);
}

} // namespace zemtar
