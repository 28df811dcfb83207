#include "TermiosPort.h"

#if defined(ZEMTAR_HAVE_TERMIOS_PORT)
#include "LinkTimeouts.h"

#include <QElapsedTimer>

#include <cerrno>
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

TermiosPort::TermiosPort() = default;
TermiosPort::~TermiosPort() { close(); }

bool TermiosPort::open(const QString& device, OpenFailure* why)
{
    close();
    using Kind = OpenFailure::Kind;
    auto fail = [&](Kind kind, const QString& reason) { return failOpen(why, kind, reason); };
    auto systemError = [&] {
        const int e = errno;
        const Kind kind = e == EACCES || e == EPERM                  ? Kind::PermissionDenied
                          : e == ENOENT || e == ENXIO || e == ENODEV ? Kind::Absent
                          : e == EBUSY                               ? Kind::InUse
                                                                     : Kind::Other;
        return fail(kind, QString::fromLocal8Bit(std::strerror(e)));
    };
    // A terminal program's lock first: its line settings are not touched while it holds them.
    if (!lock_.take(device, why))
        return false;
    fd_ = ::open(device.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0)
        return systemError();
    if (!isatty(fd_))
        return fail(Kind::NotSerial, QStringLiteral("not a serial device"));
    // Exclusive use: a lock other programs of ours (and most terminal programs) respect,
    // and the terminal's own exclusive mode against further opens.
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0)
        return fail(Kind::InUse, QStringLiteral("in use by another program"));
    ::ioctl(fd_, TIOCEXCL);

    termios tio{};
    if (tcgetattr(fd_, &tio) != 0)
        return systemError();
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
        return systemError();
    lowLatency_ = false;
#ifdef __linux__
    // A USB serial adapter holds received bytes for its latency timer (16 ms on the common
    // chips) before passing them on; a read makes about a thousand exchanges. Ask the driver
    // to pass them at once. A device without the request (a pseudo-terminal) is left as it is.
    serial_struct serial{};
    if (::ioctl(fd_, TIOCGSERIAL, &serial) == 0) {
        serial.flags |= ASYNC_LOW_LATENCY;
        lowLatency_ = ::ioctl(fd_, TIOCSSERIAL, &serial) == 0;
    }
#endif
    return true;
}

void TermiosPort::close()
{
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
    // Marked closed: nothing after a close can write to a stale (possibly reused) descriptor.
    fd_ = -1;
    saved_.reset();
    lock_.release();
}

bool TermiosPort::write(const QByteArray& bytes)
{
    if (fd_ < 0)
        return false;
    QElapsedTimer timer;
    timer.start();
    const qint64 limit = timeouts::writeLimitMs(bytes.size());
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.constData() + done, std::size_t(bytes.size() - done));
        if (n > 0) {
            done += n;
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

std::optional<QByteArray> TermiosPort::read(int count)
{
    if (fd_ < 0)
        return std::nullopt;
    QByteArray got;
    if (count <= 0)
        return got;
    QElapsedTimer total;
    total.start();
    const qint64 limit = timeouts::readLimitMs(count);
    char buf[256];
    while (got.size() < count) {
        const qint64 left = limit - total.elapsed();
        if (left <= 0)
            break;
        // Before the first byte only the total time-out runs; after it, the gap between
        // two bytes may not exceed the interval time-out either.
        const int wait = int(got.isEmpty() ? left : std::min<qint64>(left, timeouts::kIntervalMs));
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
        if (n > 0)
            got.append(buf, n);
        else if (n == 0 || (errno != EAGAIN && errno != EINTR))
            return std::nullopt; // the other end hung up
    }
    return got;
}

void TermiosPort::purgeAll()
{
    if (fd_ >= 0)
        tcflush(fd_, TCIOFLUSH);
}

void TermiosPort::clearQueues()
{
    // Only what was received: bytes already handed to the driver for sending are on their
    // way to the radio, and dropping them would break the frame the radio is waiting for.
    if (fd_ >= 0)
        tcflush(fd_, TCIFLUSH);
}

} // namespace zemtar
#endif
