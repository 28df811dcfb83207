#pragma once
#include "Port.h"

#include <memory>

class QSerialPort;
struct termios;

#include <QString>

namespace zemtar {

class CIniFile;

// The serial port to the radio: 9600 baud, 8 data bits, no parity, one stop bit, raw,
// opened for this program alone. Port names "com1".."com4" map to devices through the
// [Ports] section of Setup.ini; a device path is accepted wherever a port is named.
class SerialLink : public Port {
public:
    // How the port is driven: the terminal interface directly, or Qt's serial port (the
    // portable one). Chosen at build time; $ZEMTAR_SERIAL_BACKEND ("termios" or "qt")
    // overrides it where both are built.
    enum class Backend { Termios, Qt };
    static Backend defaultBackend();

    SerialLink();
    ~SerialLink() override;
    SerialLink(const SerialLink&) = delete;
    SerialLink& operator=(const SerialLink&) = delete;

    // The device behind a port name: the [Ports] entry, else the default for that name,
    // else the name itself (a path).
    static QString devicePath(const QString& portName, const CIniFile* setup);
    static QString defaultDevice(int comNumber);

    QString m_strPort = QStringLiteral("com1");

    // Opens and configures m_strPort's device. On failure the link stays closed and
    // errorText() says why (the caller shows the port message).
    bool OpenPort(const CIniFile* setup = nullptr);
    void ClosePort() { close(); }

    // Opens a device path directly (used by OpenPort and by tools that name a device).
    bool openDevice(const QString& device);

    bool isOpen() const override { return fd_ >= 0 || qt_ != nullptr; }
    bool write(const QByteArray& bytes) override;
    std::optional<QByteArray> read(int count) override;
    void purgeAll() override;
    void clearQueues() override;
    void close() override;
    using Port::write;

    QString errorText() const { return error_; }
    // Bytes moved since the link was opened.
    qint64 bytesWritten() const { return written_; }
    qint64 bytesRead() const { return readCount_; }
    QString device() const { return device_; }
    // Whether the driver took the request to pass received bytes on at once.
    bool lowLatency() const { return lowLatency_; }

    // Whether a device can be opened right now (the Com Setup probe); opens and closes it.
    static bool probe(const QString& device);

    // The lock file terminal programs take for a device ("/run/lock/LCK..ttyUSB0"): a lock
    // of a live process means the port is in use; a stale one is removed. The folder is
    // $ZEMTAR_LOCK_DIR when set, else /run/lock, else /var/lock.
    static QString lockFile(const QString& device);

private:
    bool takeLock(const QString& device);
    void releaseLock();

    Backend backend_ = defaultBackend();
    std::unique_ptr<QSerialPort> qt_; // the Qt backend's port while open
    bool openQt(const QString& device);
    int fd_ = -1;
    std::unique_ptr<termios> saved_; // the line settings before the open
    bool lowLatency_ = false;
    QString lock_; // the lock file this link created, removed on close
    QString device_;
    QString error_;
    qint64 written_ = 0;
    qint64 readCount_ = 0;
};

} // namespace zemtar
