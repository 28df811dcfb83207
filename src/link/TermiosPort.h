#pragma once
#include "PortLock.h"
#include "SerialPort.h"

#if defined(ZEMTAR_HAVE_TERMIOS_PORT)
#include <memory>

struct termios;

namespace zemtar {

// The serial port through the POSIX terminal interface: the device opened non-blocking and
// exclusive (flock, which our programs and many terminal programs respect, and TIOCEXCL
// against further opens) after the terminal programs' lock file, raw 9600 8N1, the line
// settings it had put back on close.
class TermiosPort : public SerialPort {
public:
    TermiosPort();
    ~TermiosPort() override;

    bool open(const QString& device, OpenFailure* why) override;
    bool lowLatency() const override { return lowLatency_; }
    bool isOpen() const override { return fd_ >= 0; }
    bool write(const QByteArray& bytes) override;
    std::optional<QByteArray> read(int count) override;
    void purgeAll() override;
    void clearQueues() override;
    void close() override;
    using Port::write;

private:
    int fd_ = -1;
    bool lowLatency_ = false;
    std::unique_ptr<termios> saved_; // the line settings before the open
    PortLock lock_;
};

} // namespace zemtar
#endif
