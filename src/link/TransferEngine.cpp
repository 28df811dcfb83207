#include "TransferEngine.h"

#include "Protocol.h"
#include "WakeUp.h"
#include "shell/Messages.h"

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

LinkOutcome TransferEngine::fail(msg::Id id)
{
    host_.ask(msg::text(id, lang_), Caption::Application, Buttons::Ok, Icon::Stop);
    return end(LinkOutcome::CommFailure);
}

void TransferEngine::stepProgress()
{
    if (progress_ < kProgressMax)
        ++progress_;
    host_.progress(progress_, kProgressMax);
    host_.status(QString::number(progress_));
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
        port_.purgeAll();
        sendWakeUp(port_, host_, proto::kWakeUp, 2);
        bool woke = false;
        auto r = port_.read(1);
        if (r && !isAck(r))
            r = port_.read(1); // one stray byte may precede the answer
        woke = isAck(r);
        if (!woke) {
            host_.sleepMs(2);
            if (++tries_ > 15) {
                if (host_.ask(msg::text(msg::CommError, lang_), Caption::Application, Buttons::RetryCancel,
                              Icon::Warning) != Answer::Retry)
                    return end(LinkOutcome::CommFailure);
                tries_ = 1;
            }
            continue;
        }

        host_.sleepMs(1);
        port_.clearQueues();
        port_.write(proto::kModePrefix);
        host_.sleepMs(1);
        port_.clearQueues();
        port_.write(proto::kModeProgram);
        const RadioIdentity id{port_.read(proto::kIdentLength).value_or(QByteArray())};
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
    host_.progress(0, kProgressMax);
    if (!port_.isOpen()) {
        host_.ask(msg::text(msg::PortOpenFailed, lang_), Caption::Application, Buttons::Ok, Icon::Stop);
        return LinkOutcome::PortFailed;
    }
    if (auto ended = setUpLink(writing, documentBand))
        return *ended;

    if (writing) {
        const auto sequence = proto::blocks(254);
        auto sendBlock = [&](std::uint16_t address, std::size_t offset) {
            port_.clearQueues();
            port_.write(proto::header(proto::kWrite, address));
            host_.sleepMs(1);
            QByteArray data(proto::kBlockLength, 0);
            for (int i = 0; i < proto::kBlockLength; ++i)
                data[i] = char(image.at(offset + std::size_t(i)));
            port_.write(data);
            ++blocksSent_;
            return isAck(port_.read(1));
        };
        for (const proto::Block& b : sequence) {
            if (!sendBlock(b.address, b.imageOffset))
                return fail(msg::ProgramInterrupt);
            if (b.lastOfRow) {
                stepProgress();
                if (auto ended = pollFive())
                    return *ended;
            }
        }
        const std::uint16_t finalAddress = std::uint16_t(sequence.back().address + proto::kBlockLength);
        if (!sendBlock(finalAddress, map::kBand.offset))
            return fail(msg::ProgramInterrupt);
        return end(LinkOutcome::Success);
    }

    // The radio's password must match the document's before anything is read.
    port_.write(proto::header(proto::kRead, proto::kPasswordBlockAddress));
    const auto pw = port_.read(proto::kReadReplyLength);
    if (!pw || pw->size() < proto::kReadReplyLength)
        return fail(msg::ProgramInterrupt);
    for (int i = 0; i < 6; ++i) {
        if (std::uint8_t(pw->at(6 + i)) != image.at(map::kPassword.offset + std::size_t(i))) {
            host_.ask(msg::passwordError(), Caption::Application, Buttons::Ok, Icon::Stop);
            return end(LinkOutcome::PasswordError);
        }
    }
    port_.write(proto::kAck);
    if (!isAck(port_.read(1)))
        return fail(msg::ProgramInterrupt);

    for (const proto::Block& b : proto::blocks(255)) {
        const bool fullRow = b.row < int(map::kFullRowsEnd);
        port_.clearQueues();
        port_.write(proto::header(proto::kRead, b.address));
        const auto reply = port_.read(proto::kReadReplyLength);
        if (!reply || reply->size() < proto::kReadReplyLength)
            return fail(msg::ProgramInterrupt);
        for (int i = 0; i < proto::kBlockLength; ++i)
            image.set(b.imageOffset + std::size_t(i), std::uint8_t(reply->at(4 + i)));
        if (fullRow)
            host_.sleepMs(1);
        port_.clearQueues();
        port_.write(proto::kAck);
        if (!isAck(port_.read(1)))
            return fail(msg::ProgramInterrupt);
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
