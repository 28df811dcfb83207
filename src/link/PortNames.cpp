#include "PortNames.h"

#include "PortLock.h"
#include "SerialLink.h"

#include "shell/CIniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSerialPortInfo>

#include <algorithm>

#if defined(ZEMTAR_HAVE_TERMIOS_PORT)
#include <sys/stat.h>
#include <unistd.h>
#ifdef __linux__
#include <sys/sysmacros.h>
#endif
#endif

namespace zemtar::ports {

QString defaultDevice(int comNumber)
{
    if (comNumber < 1 || comNumber > 4)
        return {};
#if defined(_WIN32)
    return QStringLiteral("COM%1").arg(comNumber);
#else
    // USB programming cables show up as ttyUSB (FTDI, PL2303, CH340) or ttyACM devices.
    static const char* const devices[] = {"/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyACM0", "/dev/ttyS0"};
    return QString::fromLatin1(devices[comNumber - 1]);
#endif
}

QString devicePath(const QString& portName, const CIniFile* setup)
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

QString byIdFolder()
{
    const QString dir = qEnvironmentVariable("ZEMTAR_SERIAL_BY_ID");
    return dir.isEmpty() ? QStringLiteral("/dev/serial/by-id") : dir;
}

namespace {

QString canonical(const QString& path)
{
    const QString real = QFileInfo(path).canonicalFilePath();
    return real.isEmpty() ? path : real;
}

// The stable links and the devices they point at (existing targets only).
QList<std::pair<QString, QString>> stableLinks()
{
    QList<std::pair<QString, QString>> out;
    const QDir dir(byIdFolder());
    for (const QFileInfo& link : dir.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot, QDir::Name)) {
        if (!link.isSymLink())
            continue;
        const QString target = link.canonicalFilePath();
        if (!target.isEmpty())
            out.append({link.absoluteFilePath(), target});
    }
    return out;
}

} // namespace

QString stablePath(const QString& device)
{
    const QString real = canonical(device);
    for (const auto& [link, target] : stableLinks())
        if (target == real)
            return link;
    return {};
}

OpenFailure probe(const QString& device)
{
    SerialLink link;
    if (link.openDevice(device))
        return {};
    return link.failure();
}

#if defined(ZEMTAR_HAVE_TERMIOS_PORT)
namespace {
// The processes with a lock on the file (flock or fcntl, as /proc/locks lists them by the
// file system's device and the inode).
QByteArray lockersOf(const struct stat& st)
{
#ifdef __linux__
    QFile f(QStringLiteral("/proc/locks"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray wanted = QByteArray::number(major(st.st_dev), 16).rightJustified(2, '0') + ':' +
                              QByteArray::number(minor(st.st_dev), 16).rightJustified(2, '0') + ':' +
                              QByteArray::number(quint64(st.st_ino));
    QByteArray out;
    // "1: FLOCK  ADVISORY  WRITE 4711 00:19:3 0 EOF"; a waiter's line starts with "->".
    for (const QByteArray& line : f.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        for (qsizetype i = 1; i < fields.size(); ++i)
            if (fields[i] == wanted)
                out += ' ' + fields[i - 1];
    }
    return out;
#else
    Q_UNUSED(st);
    return {};
#endif
}
} // namespace
#endif

QByteArray sighting(const QString& device)
{
#if defined(ZEMTAR_HAVE_TERMIOS_PORT)
    const QByteArray path = canonical(device).toLocal8Bit();
    struct stat st {};
    if (::stat(path.constData(), &st) != 0)
        return QByteArrayLiteral("absent");
    QByteArray s = QByteArray::number(quint64(st.st_rdev)) + ' ' + QByteArray::number(quint64(st.st_ino)) + ' ' +
                   QByteArray::number(quint64(st.st_mode), 8) + ' ' + QByteArray::number(quint64(st.st_uid)) + ':' +
                   QByteArray::number(quint64(st.st_gid));
    s += ::access(path.constData(), R_OK | W_OK) == 0 ? " rw" : " denied";
    QFile lock(PortLock::lockFile(device));
    if (lock.open(QIODevice::ReadOnly))
        s += " lock " + QByteArray::number(PortLock::liveHolder(lock.read(128), device));
    s += " locked" + lockersOf(st);
    return s;
#else
    Q_UNUSED(device);
    return {};
#endif
}

QString stateText(const OpenFailure& f)
{
    switch (f.kind) {
    case OpenFailure::Kind::None:
        return QStringLiteral("available");
    case OpenFailure::Kind::Absent:
        return QStringLiteral("absent");
    case OpenFailure::Kind::PermissionDenied:
        return QStringLiteral("permission denied");
    case OpenFailure::Kind::InUse:
        return f.holder > 0 ? QStringLiteral("in use by process %1").arg(f.holder) : QStringLiteral("in use");
    case OpenFailure::Kind::NotSerial:
        return QStringLiteral("not a serial port");
    case OpenFailure::Kind::Other:
        break;
    }
    return f.text.isEmpty() ? QStringLiteral("cannot be opened") : f.text;
}

QList<PortEntry> available(const CIniFile* setup, bool probe)
{
    QList<PortEntry> named, system;
    const auto links = stableLinks();
    auto linkOf = [&](const QString& device) {
        const QString real = canonical(device);
        for (const auto& [link, target] : links)
            if (target == real)
                return link;
        return QString();
    };
    for (int n = 1; n <= 4; ++n) {
        PortEntry e;
        e.name = QStringLiteral("com%1").arg(n);
        e.device = devicePath(e.name, setup);
        e.stablePath = linkOf(e.device);
        named << e;
    }
    QStringList seen;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        PortEntry e;
        e.name = info.portName();
        e.device = info.systemLocation();
        e.stablePath = linkOf(e.device);
        QStringList about;
        for (const QString& part : {info.description(), info.manufacturer(), info.serialNumber()})
            if (!part.trimmed().isEmpty() && !about.contains(part.trimmed()))
                about << part.trimmed();
        e.description = about.join(QStringLiteral(", "));
        e.usb = info.hasVendorIdentifier() || e.name.contains(QStringLiteral("USB")) ||
                e.name.contains(QStringLiteral("ACM"));
        seen << canonical(e.device);
        system << e;
    }
    // Adapters the system names only by a stable link (and, in tests, pseudo-terminals).
    for (const auto& [link, target] : links) {
        if (seen.contains(target))
            continue;
        seen << target;
        PortEntry e;
        // A name without a slash ("pts3" for /dev/pts/3), so that --port takes it as a name.
        e.name =
            (target.startsWith(QStringLiteral("/dev/")) ? target.mid(5) : QFileInfo(target).fileName()).remove(u'/');
        e.device = target;
        e.stablePath = link;
        e.description = QFileInfo(link).fileName();
        e.usb = link.contains(QStringLiteral("usb"), Qt::CaseInsensitive);
        system << e;
    }
    std::stable_sort(system.begin(), system.end(), [](const PortEntry& a, const PortEntry& b) {
        if (a.usb != b.usb)
            return a.usb;
        return a.name < b.name;
    });
    QList<PortEntry> all = named + system;
    for (PortEntry& e : all) {
        e.present = QFileInfo::exists(e.device) || !e.device.startsWith(u'/');
        if (probe) {
            e.failure = e.present ? ports::probe(e.device) : OpenFailure::of(OpenFailure::Kind::Absent, {});
            e.state = stateText(e.failure);
        }
    }
    return all;
}

QString resolve(const QString& port, const CIniFile* setup)
{
    const QString trimmed = port.trimmed();
    if (QStringLiteral("com1 com2 com3 com4").split(u' ').contains(trimmed.toLower()))
        return devicePath(trimmed, setup);
    if (!trimmed.contains(u'/') && !trimmed.contains(u'\\')) {
        for (const PortEntry& e : available(setup, false))
            if (e.name.compare(trimmed, Qt::CaseInsensitive) == 0)
                return e.stablePath.isEmpty() ? e.device : e.stablePath;
    }
    return trimmed;
}

} // namespace zemtar::ports
