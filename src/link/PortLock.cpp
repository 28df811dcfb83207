#include "PortLock.h"

#include "SerialPort.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>

#if defined(ZEMTAR_HAVE_TERMIOS_PORT)
#include <cerrno>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>
#endif

namespace zemtar {

QString PortLock::lockFile(const QString& device)
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

#if defined(ZEMTAR_HAVE_TERMIOS_PORT)

namespace {

// The largest process id the system hands out.
qint64 pidMax()
{
    QFile f(QStringLiteral("/proc/sys/kernel/pid_max"));
    bool ok = false;
    qint64 max = 0;
    if (f.open(QIODevice::ReadOnly))
        max = f.read(32).trimmed().toLongLong(&ok);
    return ok && max > 0 ? max : (qint64(1) << 22); // Linux's own limit
}

// Whether process `pid` has `device` open; nullopt when we cannot see (not Linux, or another
// user's process).
std::optional<bool> holdsDevice(qint64 pid, const QString& device)
{
    const QByteArray dir = QByteArrayLiteral("/proc/") + QByteArray::number(pid) + QByteArrayLiteral("/fd");
    if (::access(dir.constData(), R_OK | X_OK) != 0)
        return std::nullopt;
    QString real = QFileInfo(device).canonicalFilePath();
    if (real.isEmpty())
        real = device;
    const QByteArray wanted = real.toLocal8Bit();
    const QStringList entries =
        QDir(QString::fromLocal8Bit(dir)).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& e : entries) {
        char target[4096];
        const QByteArray link = dir + '/' + e.toLocal8Bit();
        const ssize_t n = ::readlink(link.constData(), target, sizeof target - 1);
        if (n > 0 && QByteArray(target, qsizetype(n)) == wanted)
            return true;
    }
    return false;
}

QString commandName(qint64 pid)
{
    QFile f(QStringLiteral("/proc/%1/comm").arg(pid));
    return f.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(f.read(64).trimmed()) : QString();
}

} // namespace

qint64 PortLock::liveHolder(const QByteArray& lockText, const QString& device)
{
    // The first line (lock files written by Qt programs add the program and host names).
    bool ok = false;
    const qint64 pid = lockText.left(lockText.indexOf('\n')).trimmed().toLongLong(&ok);
    if (!ok || pid <= 0 || pid > pidMax())
        return 0;
    if (::kill(pid_t(pid), 0) != 0 && errno != EPERM)
        return 0; // gone
    if (holdsDevice(pid, device) == false)
        return 0; // a process of ours that took over a dead one's number
    return pid;
}

bool PortLock::take(const QString& device, OpenFailure* why)
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
                path_ = path;
            return true;
        }
        if (errno != EEXIST)
            return true; // no lock folder we may write to: go on without one, as terminal programs do
        QFile f(path);
        QByteArray text;
        if (f.open(QIODevice::ReadOnly))
            text = f.read(128);
        const qint64 holder = liveHolder(text, device);
        if (holder == qint64(::getpid()))
            return true; // Qt's port took it for us
        if (holder > 0) {
            const QString name = commandName(holder);
            if (why)
                *why = OpenFailure::of(OpenFailure::Kind::InUse,
                                       QStringLiteral("in use by process %1%2, which holds %3")
                                           .arg(holder)
                                           .arg(name.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(name), path),
                                       holder);
            return false;
        }
        ::unlink(p.constData()); // stale: its process is gone or never was
    }
    return true;
}

void PortLock::release()
{
    if (!path_.isEmpty())
        ::unlink(path_.toLocal8Bit().constData());
    path_.clear();
}

#else

qint64 PortLock::liveHolder(const QByteArray&, const QString&) { return 0; }

bool PortLock::take(const QString&, OpenFailure*) { return true; }

void PortLock::release() { path_.clear(); }

#endif

} // namespace zemtar
