#include "QtSerialPort.h"

#include "LinkTimeouts.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QSerialPort>

#if defined(ZEMTAR_HAVE_TERMIOS_PORT)
#include <cerrno>
#include <poll.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace zemtar {

QtSerialPort::QtSerialPort() = default;
QtSerialPort::~QtSerialPort() { close(); }

bool QtSerialPort::open(const QString& device, OpenFailure* why)
{
    close();
    using Kind = OpenFailure::Kind;
    auto fail = [&](Kind kind, const QString& reason) { return failOpen(why, kind, reason); };
    auto port = std::make_unique<QSerialPort>();
    port->setPortName(device);
    if (!port->open(QIODevice::ReadWrite)) {
        const QFileInfo info(device);
        switch (port->error()) {
        case QSerialPort::DeviceNotFoundError:
            return fail(Kind::Absent, port->errorString());
        case QSerialPort::PermissionError:
        case QSerialPort::ResourceError:
            // Qt says "permission" for a busy device too: the file's own rights tell them apart.
            if (!info.exists())
                return fail(Kind::Absent, port->errorString());
            if (!info.isReadable() || !info.isWritable())
                return fail(Kind::PermissionDenied, QStringLiteral("Permission denied"));
            return fail(Kind::InUse, QStringLiteral("in use by another program"));
        default:
            return fail(info.exists() ? Kind::Other : Kind::Absent, port->errorString());
        }
    }
    const bool set = port->setBaudRate(QSerialPort::Baud9600) && port->setDataBits(QSerialPort::Data8) &&
                     port->setParity(QSerialPort::NoParity) && port->setStopBits(QSerialPort::OneStop) &&
                     port->setFlowControl(QSerialPort::NoFlowControl);
    if (!set)
        return fail(Kind::NotSerial, port->errorString());
#if defined(ZEMTAR_HAVE_TERMIOS_PORT)
    // The same exclusive use as the terminal backend: a lock every open of the device sees.
    if (::flock(int(port->handle()), LOCK_EX | LOCK_NB) != 0)
        return fail(Kind::InUse, QStringLiteral("in use by another program"));
#endif
    port_ = std::move(port);
    // The terminal programs' lock file as the other port takes it (Qt's port has looked at it
    // already; where Qt's own lock is the same file, it is ours).
    if (!lock_.take(device, why)) {
        close();
        return false;
    }
    return true;
}

void QtSerialPort::close()
{
    if (port_) {
        port_->close(); // puts back the line settings the device had
        port_.reset();
    }
    lock_.release();
}

bool QtSerialPort::write(const QByteArray& bytes)
{
    if (!port_)
        return false;
    const qint64 limit = timeouts::writeLimitMs(bytes.size());
    if (port_->write(bytes) != bytes.size())
        return false;
    QElapsedTimer timer;
    timer.start();
    while (port_->bytesToWrite() > 0) {
        const qint64 left = limit - timer.elapsed();
        if (left <= 0 || !port_->waitForBytesWritten(int(left)))
            return false;
    }
    return true;
}

bool QtSerialPort::hungUp(QByteArray& got)
{
#if defined(ZEMTAR_HAVE_TERMIOS_PORT)
    pollfd p{int(port_->handle()), POLLIN, 0};
    if (::poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL))) {
        // The other end hung up, unless a last byte is still to be had.
        char c = 0;
        const ssize_t n = ::read(p.fd, &c, 1);
        if (n <= 0 && !(n < 0 && (errno == EAGAIN || errno == EINTR)))
            return true;
        if (n == 1)
            got.append(c);
    }
#else
    Q_UNUSED(got);
#endif
    return false;
}

std::optional<QByteArray> QtSerialPort::read(int count)
{
    if (!port_)
        return std::nullopt;
    // The same semantics through Qt's port: the count, the interval after the first byte,
    // the total time-out.
    QByteArray got;
    if (count <= 0)
        return got;
    QElapsedTimer total;
    total.start();
    const qint64 limit = timeouts::readLimitMs(count);
    while (got.size() < count) {
        if (port_->bytesAvailable() > 0) {
            got += port_->read(count - got.size());
            continue;
        }
        const qsizetype before = got.size();
        if (hungUp(got))
            return std::nullopt;
        if (got.size() > before)
            continue;
        const qint64 left = limit - total.elapsed();
        if (left <= 0)
            break;
        const int wait = int(got.isEmpty() ? left : std::min<qint64>(left, timeouts::kIntervalMs));
        if (!port_->waitForReadyRead(wait)) {
            if (port_->error() == QSerialPort::ResourceError)
                return std::nullopt; // the device went away
            if (!got.isEmpty())
                break; // interval time-out
        }
    }
    return got;
}

void QtSerialPort::purgeAll()
{
    if (port_) {
        port_->clear(QSerialPort::AllDirections);
        port_->readAll();
    }
}

void QtSerialPort::clearQueues()
{
    // Only what was received (see TermiosPort::clearQueues).
    if (port_) {
        port_->readAll(); // what Qt has taken in already
        port_->clear(QSerialPort::Input);
    }
}

} // namespace zemtar
