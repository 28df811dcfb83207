#include "SerialLink.h"

#include "shell/CIniFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSerialPort>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#ifdef __linux__
#include <linux/serial.h>
#endif
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace zemtar {

namespace {
constexpr int kIntervalMs = 30;
constexpr int kTotalConstantMs = 90;
constexpr int kTotalPerByteMs = 500;
constexpr int kWriteConstantMs = 50;
constexpr int kWritePerByteMs = 50;
} // namespace

SerialLink::SerialLink() = default;
SerialLink::~SerialLink() { close(); }

SerialLink::Backend SerialLink::defaultBackend()
{
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
}

bool SerialLink::openQt(const QString& device)
{
    // Qt's port takes the same lock file and exclusive mode as the terminal interface above.
    auto port = std::make_unique<QSerialPort>();
    port->setPortName(device);
    if (!port->open(QIODevice::ReadWrite)) {
        const bool busy = port->error() == QSerialPort::PermissionError || port->error() == QSerialPort::ResourceError;
        error_ = QStringLiteral("%1: %2").arg(device, busy && QFileInfo::exists(device)
                                                          ? QStringLiteral("in use by another program")
                                                          : port->errorString());
        return false;
    }
    const bool set = port->setBaudRate(QSerialPort::Baud9600) && port->setDataBits(QSerialPort::Data8) &&
                     port->setParity(QSerialPort::NoParity) && port->setStopBits(QSerialPort::OneStop) &&
                     port->setFlowControl(QSerialPort::NoFlowControl);
    if (!set) {
        error_ = QStringLiteral("%1: %2").arg(device, port->errorString());
        return false;
    }
#ifdef Q_OS_UNIX
    // The same exclusive use as the terminal backend: a lock every open of the device sees.
    if (::flock(int(port->handle()), LOCK_EX | LOCK_NB) != 0) {
        error_ = QStringLiteral("%1: in use by another program").arg(device);
        return false;
    }
#endif
    qt_ = std::move(port);
    // The terminal programs' lock file as the other backend takes it (where Qt's own lock is
    // the same file, it is ours already).
    if (!takeLock(device)) {
        const QString why = error_;
        close();
        error_ = why;
        return false;
    }
    return true;
}

QString SerialLink::defaultDevice(int comNumber)
{
    // USB programming cables show up as ttyUSB (FTDI, PL2303, CH340) or ttyACM devices.
    switch (comNumber) {
    case 1:
        return QStringLiteral("/dev/ttyUSB0");
    case 2:
        return QStringLiteral("/dev/ttyUSB1");
    case 3:
        return QStringLiteral("/dev/ttyACM0");
    case 4:
        return QStringLiteral("/dev/ttyS0");
    default:
        return {};
    }
}

QString SerialLink::devicePath(const QString& portName, const CIniFile* setup)
{
    const QString lower = portName.trimmed().toLower();
    for (int n = 1; n <= 4; ++n) {
        const QString name = QStringLiteral("com%1").arg(n);
        if (lower != name)
            continue;
        const QString mapped = setup ? setup->GetValue(QStringLiteral("Ports"), name).trimmed() : QString();
        return mapped.isEmpty() ? defaultDevice(n) : mapped;
    }
    return portName.trimmed();
}

QString SerialLink::lockFile(const QString& device)
{
    QString dir = qEnvironmentVariable("ZEMTAR_LOCK_DIR");
    if (dir.isEmpty())
        dir =
            QFileInfo(QStringLiteral("/run/lock")).isDir() ? QStringLiteral("/run/lock") : QStringLiteral("/var/lock");
    QString real = QFileInfo(device).canonicalFilePath();
    if (real.isEmpty())
        real = device;
    QString name = real.startsWith(QStringLiteral("/dev/")) ? real.mid(5) : QFileInfo(real).fileName();
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    return dir + QStringLiteral("/LCK..") + name;
}

bool SerialLink::takeLock(const QString& device)
{
    const QString path = lockFile(device);
    const QByteArray p = path.toLocal8Bit();
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int fd = ::open(p.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0) {
            const QByteArray pid = QByteArray::number(qint64(::getpid())).rightJustified(10, ' ') + '\n';
            const bool ok = ::write(fd, pid.constData(), std::size_t(pid.size())) == pid.size();
            ::close(fd);
            if (ok)
                lock_ = path;
            return true;
        }
        if (errno != EEXIST)
            return true; // no lock folder we may write to: go on without one, as terminal programs do
        // Someone holds it: a live process keeps the port; a dead one's lock is removed.
        QFile f(path);
        QByteArray text;
        if (f.open(QIODevice::ReadOnly))
            text = f.read(64);
        bool ok = false;
        const qint64 pid = text.trimmed().toLongLong(&ok);
        if (ok && pid > 0 && pid == qint64(::getpid()))
            return true;
        if (ok && pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM)) {
            error_ =
                QStringLiteral("%1: in use by another program (process %2 holds %3)").arg(device).arg(pid).arg(path);
            return false;
        }
        ::unlink(p.constData());
    }
    return true;
}

void SerialLink::releaseLock()
{
    if (!lock_.isEmpty())
        ::unlink(lock_.toLocal8Bit().constData());
    lock_.clear();
}

bool SerialLink::OpenPort(const CIniFile* setup) { return openDevice(devicePath(m_strPort, setup)); }

bool SerialLink::openDevice(const QString& device)
{
    close();
    error_.clear();
    device_ = device;
    auto fail = [&](const QString& why) {
        error_ = QStringLiteral("%1: %2").arg(device, why);
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
        releaseLock();
        return false;
    };
    if (device.isEmpty())
        return fail(QStringLiteral("no device"));
    written_ = readCount_ = 0;
    backend_ = defaultBackend();
    if (backend_ == Backend::Qt)
        return openQt(device);
    fd_ = ::open(device.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0)
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    if (!isatty(fd_))
        return fail(QStringLiteral("not a serial device"));
    if (!takeLock(device)) {
        const QString why = error_;
        ::close(fd_);
        fd_ = -1;
        error_ = why;
        return false;
    }
    // Exclusive use: a lock other programs of ours (and most terminal programs) respect,
    // and the terminal's own exclusive mode against further opens.
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0)
        return fail(QStringLiteral("in use by another program"));
    ::ioctl(fd_, TIOCEXCL);

    termios tio{};
    if (tcgetattr(fd_, &tio) != 0)
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    saved_ = std::make_unique<termios>(tio); // put back on close, as a terminal program expects it
    // Raw bytes at 9600 8N1, no parity checking; flow control keeps what the driver had.
    cfmakeraw(&tio);
    tio.c_cflag &= ~(CSIZE | PARENB | CSTOPB);
    tio.c_cflag |= CS8 | CREAD | CLOCAL;
    tio.c_iflag &= ~(INPCK | IGNPAR | PARMRK | ISTRIP);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    cfsetispeed(&tio, B9600);
    cfsetospeed(&tio, B9600);
    if (tcsetattr(fd_, TCSANOW, &tio) != 0)
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
#ifdef __linux__
    // A USB serial adapter holds received bytes for its latency timer (16 ms on the common
    // chips) before passing them on; a read makes about a thousand exchanges. Ask the driver
    // to pass them at once. A device without the request (a pseudo-terminal) is left as it is.
    serial_struct serial{};
    lowLatency_ = false;
    if (::ioctl(fd_, TIOCGSERIAL, &serial) == 0) {
        serial.flags |= ASYNC_LOW_LATENCY;
        lowLatency_ = ::ioctl(fd_, TIOCSSERIAL, &serial) == 0;
    }
#endif
    return true;
}

void SerialLink::close()
{
    if (qt_) {
        qt_->close();
        qt_.reset();
    }
    if (fd_ >= 0) {
        if (saved_) {
            // The last bytes go out at this speed first (a moment at the most), then the line
            // gets the settings it had before.
            QElapsedTimer waited;
            waited.start();
            int queued = 0;
            while (::ioctl(fd_, TIOCOUTQ, &queued) == 0 && queued > 0 && waited.elapsed() < 500)
                ::usleep(2000);
            tcsetattr(fd_, TCSANOW, saved_.get());
        }
        ::ioctl(fd_, TIOCNXCL);
        ::close(fd_);
    }
    saved_.reset();
    // Marked closed: nothing after a close can write to a stale (possibly reused) descriptor.
    fd_ = -1;
    releaseLock();
}

bool SerialLink::write(const QByteArray& bytes)
{
    if (qt_) {
        const qint64 limit = kWriteConstantMs + qint64(kWritePerByteMs) * bytes.size();
        if (qt_->write(bytes) != bytes.size())
            return false;
        QElapsedTimer timer;
        timer.start();
        while (qt_->bytesToWrite() > 0) {
            const qint64 left = limit - timer.elapsed();
            if (left <= 0 || !qt_->waitForBytesWritten(int(left)))
                return false;
        }
        written_ += bytes.size();
        return true;
    }
    if (fd_ < 0)
        return false;
    QElapsedTimer timer;
    timer.start();
    const qint64 limit = kWriteConstantMs + qint64(kWritePerByteMs) * bytes.size();
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.constData() + done, std::size_t(bytes.size() - done));
        if (n > 0) {
            done += n;
            written_ += n;
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        const qint64 left = limit - timer.elapsed();
        if (left <= 0)
            return false;
        pollfd p{fd_, POLLOUT, 0};
        ::poll(&p, 1, int(left));
    }
    return true;
}

std::optional<QByteArray> SerialLink::read(int count)
{
    if (qt_) {
        // The same semantics through Qt's port: the count, the interval after the first byte,
        // the total time-out.
        QByteArray got;
        if (count <= 0)
            return got;
        QElapsedTimer total;
        total.start();
        const qint64 limit = kTotalConstantMs + qint64(kTotalPerByteMs) * count;
        while (got.size() < count) {
            if (qt_->bytesAvailable() > 0) {
                const QByteArray part = qt_->read(count - got.size());
                got += part;
                readCount_ += part.size();
                continue;
            }
#ifdef Q_OS_UNIX
            pollfd p{int(qt_->handle()), POLLIN, 0};
            if (::poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL))) {
                // The other end hung up, unless a last byte is still to be had.
                char c = 0;
                const ssize_t n = ::read(p.fd, &c, 1);
                if (n <= 0 && !(n < 0 && (errno == EAGAIN || errno == EINTR)))
                    return std::nullopt;
                if (n == 1) {
                    got.append(c);
                    ++readCount_;
                    continue;
                }
            }
#endif
            const qint64 left = limit - total.elapsed();
            if (left <= 0)
                break;
            const int wait = int(got.isEmpty() ? left : std::min<qint64>(left, kIntervalMs));
            if (!qt_->waitForReadyRead(wait)) {
                if (qt_->error() == QSerialPort::ResourceError)
                    return std::nullopt; // the device went away
                if (!got.isEmpty())
                    break; // interval time-out
            }
        }
        return got;
    }
    if (fd_ < 0)
        return std::nullopt;
    QByteArray got;
    if (count <= 0)
        return got;
    QElapsedTimer total;
    total.start();
    const qint64 limit = kTotalConstantMs + qint64(kTotalPerByteMs) * count;
    char buf[256];
    while (got.size() < count) {
        const qint64 left = limit - total.elapsed();
        if (left <= 0)
            break;
        // Before the first byte only the total time-out runs; after it, the gap between
        // two bytes may not exceed the interval time-out either.
        const int wait = int(got.isEmpty() ? left : std::min<qint64>(left, kIntervalMs));
        pollfd p{fd_, POLLIN, 0};
        const int r = ::poll(&p, 1, wait);
        if (r < 0) {
            if (errno == EINTR)
                continue;
            return std::nullopt;
        }
        if (r == 0) {
            if (!got.isEmpty())
                break; // interval time-out
            continue;
        }
        if (p.revents & (POLLERR | POLLNVAL))
            return std::nullopt;
        const ssize_t n = ::read(fd_, buf, std::min<std::size_t>(sizeof buf, std::size_t(count - got.size())));
        if (n > 0) {
            got.append(buf, n);
            readCount_ += n;
        } else if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
            return std::nullopt; // the other end hung up
        }
    }
    return got;
}

void SerialLink::purgeAll()
{
    if (qt_) {
        qt_->clear(QSerialPort::AllDirections);
        qt_->readAll();
    }
    if (fd_ >= 0)
        tcflush(fd_, TCIOFLUSH);
}

void SerialLink::clearQueues()
{
    // Only what was received: bytes already handed to the driver for sending are on their
    // way to the radio, and dropping them would break the frame the radio is waiting for.
    if (qt_) {
        qt_->readAll(); // what Qt has taken in already
        qt_->clear(QSerialPort::Input);
    }
    if (fd_ >= 0)
        tcflush(fd_, TCIFLUSH);
}

bool SerialLink::probe(const QString& device)
{
    SerialLink link;
    const bool ok = link.openDevice(device);
    link.close();
    return ok;
}

} // namespace zemtar
