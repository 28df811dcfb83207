#include "SerialLink.h"

#include "PortLock.h"
#include "PortNames.h"
#include "QtSerialPort.h"
#include "TermiosPort.h"

namespace zemtar {

SerialLink::SerialLink() = default;
SerialLink::~SerialLink() { close(); }

SerialLink::Backend SerialLink::defaultBackend()
{
#if defined(ZEMTAR_HAVE_TERMIOS_PORT)
    const QByteArray chosen = qgetenv("ZEMTAR_SERIAL_BACKEND");
    if (chosen == "qt")
        return Backend::Qt;
    if (chosen == "termios")
        return Backend::Termios;
#if defined(ZEMTAR_SERIAL_QT)
    return Backend::Qt;
#else
    return Backend::Termios;
#endif
#else
    return Backend::Qt; // the only one built
#endif
}

QString SerialLink::defaultDevice(int comNumber) { return ports::defaultDevice(comNumber); }

QString SerialLink::devicePath(const QString& portName, const CIniFile* setup)
{
    return ports::devicePath(portName, setup);
}

QString SerialLink::lockFile(const QString& device) { return PortLock::lockFile(device); }

bool SerialLink::OpenPort(const CIniFile* setup) { return openDevice(ports::resolve(m_strPort, setup)); }

bool SerialLink::openDevice(const QString& device)
{
    close();
    error_.clear();
    failure_ = {};
    device_ = device;
    written_ = readCount_ = 0;
    if (device.isEmpty()) {
        failure_ = OpenFailure::of(OpenFailure::Kind::Absent, QStringLiteral("no device"));
        error_ = QStringLiteral(": no device");
        return false;
    }
#if defined(ZEMTAR_HAVE_TERMIOS_PORT)
    if (defaultBackend() == Backend::Termios)
        port_ = std::make_unique<TermiosPort>();
    else
#endif
        port_ = std::make_unique<QtSerialPort>();
    if (port_->open(device, &failure_)) {
        failure_ = {};
        return true;
    }
    port_.reset();
    if (failure_.kind == OpenFailure::Kind::None)
        failure_.kind = OpenFailure::Kind::Other;
    error_ = QStringLiteral("%1: %2").arg(device, failure_.text);
    return false;
}

void SerialLink::close()
{
    if (port_)
        port_->close();
    port_.reset();
}

bool SerialLink::write(const QByteArray& bytes)
{
    if (!isOpen() || !port_->write(bytes))
        return false;
    written_ += bytes.size();
    return true;
}

std::optional<QByteArray> SerialLink::read(int count)
{
    if (!isOpen())
        return std::nullopt;
    auto got = port_->read(count);
    if (got)
        readCount_ += got->size();
    return got;
}

void SerialLink::purgeAll()
{
    if (isOpen())
        port_->purgeAll();
}

void SerialLink::clearQueues()
{
    if (isOpen())
        port_->clearQueues();
}

bool SerialLink::probe(const QString& device)
{
    SerialLink link;
    const bool ok = link.openDevice(device);
    link.close();
    return ok;
}

} // namespace zemtar
