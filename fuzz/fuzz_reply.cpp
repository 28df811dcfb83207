// Feeds arbitrary bytes to the checks of the radio's answers: the first two bytes are the
// address asked for, the rest its reply, which the block check must accept exactly when it
// is 'W', that address, the length 8 and 8 data bytes. The same bytes then answer a whole
// read, one read call after another: nothing may crash, and a read that does not complete
// leaves the document as it was.
#include "link/Protocol.h"
#include "link/TransferEngine.h"
#include "shell/Messages.h"

#include <cstdlib>

namespace {

using namespace zemtar;

class InputPort : public Port {
public:
    explicit InputPort(QByteArray input) : input_(std::move(input)) {}
    bool isOpen() const override { return open_; }
    bool write(const QByteArray&) override { return open_; }
    std::optional<QByteArray> read(int count) override
    {
        if (!open_)
            return std::nullopt;
        const QByteArray got = input_.mid(pos_, count);
        pos_ += got.size();
        return got;
    }
    void purgeAll() override {}
    void clearQueues() override {}
    void close() override { open_ = false; }
    using Port::write;

private:
    QByteArray input_;
    qsizetype pos_ = 0;
    bool open_ = true;
};

class QuietHost : public LinkHost {
public:
    bool poll() override { return false; }
    void sleepMs(int) override {}
    Answer ask(const QString&, Caption, Buttons buttons, Icon) override
    {
        return buttons == Buttons::RetryCancel ? Answer::Cancel : Answer::Ok;
    }
    void progress(int, int) override {}
    void status(const QString&) override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const std::uint16_t address = std::uint16_t((data[0] << 8) | data[1]);
    const QByteArray reply(reinterpret_cast<const char*>(data + 2), qsizetype(size - 2));
    const auto fault = proto::checkReadReply(reply, address);
    const bool wellFormed =
        reply.size() == proto::kReadReplyLength && reply.startsWith(proto::header(proto::kWrite, address));
    if (fault.has_value() == wellFormed)
        std::abort();
    for (Language lang : {Language::English, Language::Chinese}) {
        if (fault && (msg::replyFault(*fault, reply, proto::kReadReplyLength, lang).isEmpty() ||
                      msg::blockFailed(address, false, msg::hexBytes(reply, lang), 4, lang).isEmpty()))
            std::abort();
        if (msg::noIdentification(QString(), reply.left(proto::kIdentLength - 1), lang).isEmpty())
            std::abort();
    }

    InputPort port(reply);
    QuietHost host;
    RadioImage image = RadioImage::newDocument();
    const RadioImage before = image;
    TransferEngine engine(port, host, Language::English);
    if (engine.read(image) != LinkOutcome::Success && !(image == before))
        std::abort();
    return 0;
}
