#pragma once
#include "Port.h"
#include "SerialPort.h"

#include <QString>

#include <memory>

namespace zemtar {

class CIniFile;

// The port to the radio as the program names it: a port name ("com1".."com4", mapped to
// devices through the [Ports] section of Setup.ini, or a device path) and the serial port
// that drives it, the terminal interface's or Qt's (TermiosPort, QtSerialPort).
class SerialLink : public Port {
public:
    // How the port is driven. Chosen at build time; $ZEMTAR_SERIAL_BACKEND ("termios" or "qt")
    // overrides it where both are built.
    enum class Backend { Termios, Qt };
    static Backend defaultBackend();

    SerialLink();
    ~SerialLink() override;
    SerialLink(const SerialLink&) = delete;
    SerialLink& operator=(const SerialLink&) = delete;

    static QString devicePath(const QString& portName, const CIniFile* setup); // see PortNames.h
    static QString defaultDevice(int comNumber);

    QString m_strPort = QStringLiteral("com1");

    // Opens and configures m_strPort's device (com1..com4, a listed port name or a path; see
    // ports::resolve). On failure the link stays closed and
    // errorText() says why (the caller shows the port message).
    bool OpenPort(const CIniFile* setup = nullptr);
    void ClosePort() { close(); }

    // Opens a device path directly (used by OpenPort and by tools that name a device).
    bool openDevice(const QString& device);

    bool isOpen() const override { return port_ && port_->isOpen(); }
    bool write(const QByteArray& bytes) override;
    std::optional<QByteArray> read(int count) override;
    void purgeAll() override;
    void clearQueues() override;
    void close() override;
    using Port::write;

    QString errorText() const { return error_; }
    // Why the last open failed (Kind::None after a successful one).
    const OpenFailure& failure() const { return failure_; }
    // Bytes moved since the link was opened.
    qint64 bytesWritten() const { return written_; }
    qint64 bytesRead() const { return readCount_; }
    QString device() const { return device_; }
    bool lowLatency() const { return port_ && port_->lowLatency(); }

    // Whether a device can be opened right now (the Com Setup probe); opens and closes it.
    static bool probe(const QString& device);

    static QString lockFile(const QString& device); // see PortLock.h

private:
    std::unique_ptr<SerialPort> port_;
    QString device_;
    QString error_;
    OpenFailure failure_;
    qint64 written_ = 0;
    qint64 readCount_ = 0;
};

} // namespace zemtar
