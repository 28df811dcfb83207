#pragma once
#include "Port.h"

#include <QString>

// The terminal-interface port exists where POSIX does and the build asked for it
// (ZEMTAR_SERIAL_POSIX, set by CMake on Unix); Qt's port exists everywhere.
#if defined(ZEMTAR_SERIAL_POSIX) && (defined(__unix__) || defined(__APPLE__))
#define ZEMTAR_HAVE_TERMIOS_PORT 1
#endif

namespace zemtar {

// A serial port driven one way or another, with the read semantics of Port, at 9600 baud,
// 8 data bits, no parity, one stop bit, raw, opened for this program alone.
class SerialPort : public Port {
public:
    // Opens and configures a device; on failure the port stays closed and `why` says why
    // (without the device's name).
    virtual bool open(const QString& device, QString* why) = 0;
    // Whether the driver took the request to pass received bytes on at once.
    virtual bool lowLatency() const { return false; }
};

} // namespace zemtar
