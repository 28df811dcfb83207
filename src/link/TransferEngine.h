#pragma once
// Read and write of the radio's memory over the programming cable.
#include "LinkHost.h"
#include "Port.h"
#include "image/Encodings.h"
#include "image/Language.h"
#include "image/RadioImage.h"
#include "shell/Messages.h"

#include <QByteArray>

#include <functional>
#include <optional>

namespace zemtar {

enum class LinkOutcome {
    Success,
    Cancelled,     // the user pressed Cancel while it ran
    PortFailed,    // the port could not be opened
    CommFailure,   // no answer, a broken frame, or the user gave up retrying
    TypeMismatch,  // the radio is not a model this program programs
    BandRefused,   // the user declined to write a band wider than the radio's
    PasswordError, // the radio's password differs from the document's
};

struct RadioIdentity {
    QByteArray bytes;
    bool matches() const; // family 'U', 'K' or 'R', model "530"
    Band band() const;    // bytes 5-7, laid out like the image's band bytes
    bool bandValid() const;
};

class TransferEngine {
public:
    static constexpr int kProgressMax = 191;

    TransferEngine(Port& port, LinkHost& host, Language lang) : port_(port), host_(host), lang_(lang) {}
    // The port's name as the user knows it ("com1", a device path), for the messages.
    void setPortName(const QString& name) { portName_ = name; }
    // Milliseconds from any fixed point, for the time a transfer has left; a steady clock
    // unless set (tests set their own).
    void setClock(std::function<qint64()> msNow) { clock_ = std::move(msNow); }
    // Blocks a transfer moves, as its progress counts them: a read 512, a write 510 and the
    // final block.
    static constexpr int kReadBlocks = 512;
    static constexpr int kWriteBlocks = 511;

    // A block whose reply or acknowledgement came disturbed is asked for (or sent) again this
    // many times, after the line has fallen quiet.
    static constexpr int kBlockRetries = 3;
    // How many blocks were asked for or sent again in the last transfer.
    int blocksRepeated() const { return repeated_; }

    // Reads the radio. The whole memory goes into a scratch copy of `image`; only a read
    // that completes replaces `image`, any other ending leaves it exactly as it was.
    LinkOutcome read(RadioImage& image);
    // Writes the image to the radio. `documentBand` is the band the document's radio type
    // covers, checked against the band the radio reports.
    LinkOutcome write(const RadioImage& image, BandLimits documentBand);

    // After a write: whether any block reached the radio, and how many rows went out whole.
    // A write that ended otherwise than in success after its first block left the radio
    // holding part of the new image.
    bool wroteAnything() const { return blocksSent_ > 0; }
    int rowsWritten() const { return progress_; }
    static constexpr int kWriteRows = 190;
    // The identification of the radio the last link set-up reached (empty before one).
    const RadioIdentity& identity() const { return identity_; }

private:
    LinkOutcome run(bool writing, RadioImage& scratch, BandLimits documentBand);
    std::optional<LinkOutcome> setUpLink(bool writing, BandLimits documentBand);
    std::optional<LinkOutcome> pollFive();
    // One read request and its acknowledgement, asked again while the answer is disturbed;
    // `take` sees each well-formed reply before it is acknowledged and may end the transfer.
    std::optional<LinkOutcome> readBlock(std::uint16_t address, bool clearFirst, int pauseMs,
                                         const std::function<std::optional<LinkOutcome>(const QByteArray&)>& take);
    // One write request, sent again while it is not acknowledged.
    std::optional<LinkOutcome> writeBlock(std::uint16_t address, const QByteArray& data);
    // Before a request is repeated: says so, lets the line fall quiet. Ends the transfer
    // when the retries are used up (naming `fault`) or the user cancels.
    std::optional<LinkOutcome> again(std::uint16_t address, bool writing, const QString& fault, int attempt);
    LinkOutcome fail(msg::Id id, const QString& detail = {});
    LinkOutcome end(LinkOutcome outcome);
    void stepProgress();
    void showBlocks();

    Port& port_;
    LinkHost& host_;
    Language lang_;
    int tries_ = 1;
    int progress_ = 0;
    int blocksSent_ = 0;
    int repeated_ = 0;
    RadioIdentity identity_;
    QString portName_;
    std::function<qint64()> clock_;
    qint64 startedMs_ = 0;
    int block_ = 0;
    int blocks_ = 0;
};

} // namespace zemtar
