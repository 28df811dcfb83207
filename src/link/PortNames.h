#pragma once
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

} // namespace zemtar::ports
