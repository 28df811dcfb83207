#pragma once
#include "SerialPort.h"

#include <QList>
#include <QString>

namespace zemtar {
class CIniFile;
}

namespace zemtar::ports {

// The device "com1".."com4" stand for when Setup.ini's [Ports] section does not say: the
// common USB cables and the first serial port on Linux, COM1..COM4 on Windows.
QString defaultDevice(int comNumber);
// The device behind a port name: the [Ports] entry, else the default for that name, else the
// name itself (a path).
QString devicePath(const QString& portName, const CIniFile* setup);

// The folder of stable links to serial adapters, by the adapter's own identity
// ($ZEMTAR_SERIAL_BY_ID when set, else /dev/serial/by-id).
QString byIdFolder();
// The stable link to `device` in that folder (the path itself when it is one); empty when none.
QString stablePath(const QString& device);

// One port as Com Setup and `zemtar-cli ports` list it.
struct PortEntry {
    QString name;        // "com1".."com4", or the system's name ("ttyUSB2", "COM7")
    QString device;      // the device it stands for
    QString stablePath;  // the link that finds the same adapter after re-plugging; may be empty
    QString description; // description, manufacturer and serial number as the system reports them
    bool usb = false;
    bool present = false; // the device exists
    OpenFailure failure;  // why it cannot be opened now (Kind::None: it can)
    QString state;        // the same in words: "available", "in use by process 4711", "absent", ...
    bool openable() const { return failure.kind == OpenFailure::Kind::None; }
};

// The four names first (each with the device it stands for), then every serial port the system
// has, USB adapters first: Qt's list, and the devices the stable links point at. `probe` opens
// each device once to say why it cannot be used.
QList<PortEntry> available(const CIniFile* setup, bool probe = true);
// Why a device cannot be opened now (Kind::None when it can), and that in a few words.
OpenFailure probe(const QString& device);
QString stateText(const OpenFailure& failure);
// What can be seen of a device without opening it: whether it is there, its owner and mode,
// whether this user may read and write it, the processes holding its lock file or a lock on it.
// A window that follows the ports probes a device again only when this changes, so a port is
// not opened each second. Empty where nothing can be seen (Windows).
QByteArray sighting(const QString& device);

// What a --port value or a remembered port stands for: com1..com4 through Setup.ini, a name
// of the list (as `zemtar-cli ports` prints it), else a device path (a stable link is one).
QString resolve(const QString& port, const CIniFile* setup);

} // namespace zemtar::ports
