#include "PortNames.h"

#include "shell/CIniFile.h"

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

} // namespace zemtar::ports
