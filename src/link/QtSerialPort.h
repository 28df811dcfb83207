#pragma once
#include "PortLock.h"
#include "SerialPort.h"

#include <memory>

class QSerialPort;

namespace zemtar {

// The serial port through Qt's QSerialPort (the portable one, Windows' only one), with the
// terminal interface's read semantics and, where POSIX exists, the same exclusive use.
class QtSerialPort : public SerialPort {
public:
    QtSerialPort();
    ~QtSerialPort() override;

    bool open(const QString& device, OpenFailure* why) override;
    bool isOpen() const override { return port_ != nullptr; }
    bool write(const QByteArray& bytes) override;
    std::optional<QByteArray> read(int count) override;
    void purgeAll() override;
    void clearQueues() override;
    void close() override;
    using Port::write;

private:
    // A hang-up Qt does not report: true when the other end is gone; a byte still to be had
    // is appended to `got`.
    bool hungUp(QByteArray& got);

    std::unique_ptr<QSerialPort> port_;
    PortLock lock_;
};

} // namespace zemtar
