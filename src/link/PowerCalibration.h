#pragma once
// Live adjustment of the radio's high or low transmit power.
#include "LinkHost.h"
#include "Port.h"
#include "TransferEngine.h"
#include "image/RadioImage.h"

namespace zemtar {

class PowerCalibration {
public:
    enum class Kind { High, Low };
    struct Params {
        char mode;               // sent after 'M' to enter the adjust mode
        std::size_t imageOffset; // where the radio's reported value is kept
        int maximum;             // scroll range 1..maximum
        int provisional;         // the bar's position before the stored value is applied
        int retryWaitMs;         // wait after a wrong answer to the entry wake-up
    };
    static Params params(Kind kind);

    PowerCalibration(Port& port, LinkHost& host, Kind kind) : port_(port), host_(host), p_(params(kind)), kind_(kind) {}
    Kind kind() const { return kind_; }

    // Puts the radio into the adjust mode and stores the value it reports into the image.
    // On Success the port stays open for updates and the close sequence.
    LinkOutcome enter(RadioImage& image);

    enum class Update { Sent, Stopped, NoPort };
    // Sends a new power value (clamped to 1..maximum), one second after the user let go.
    Update update(int value);
    // The exchange of an update without the wait before it (for a caller that waits itself).
    Update send(int value);
    static constexpr int kUpdateDelayMs = 1000;

    enum class Close { Closed, StayOpen, NoPort };
    // Takes the radio out of the adjust mode and closes the port.
    Close close();

    const Params& parameters() const { return p_; }
    // How often the answer to the mode byte was asked for again on entering.
    int repliesRepeated() const { return repeated_; }

private:
    void pumpAndWait();
    bool portClosed(); // says so (61451) when the port is not open
    bool acked(const std::optional<QByteArray>& r) const;
    bool askRetry(const QString& detail); // 61455 with the detail under it; Cancel closes the port

    Port& port_;
    LinkHost& host_;
    Params p_;
    Kind kind_;
    int repeated_ = 0;
};

} // namespace zemtar
