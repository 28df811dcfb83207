#pragma once
#include "Port.h"

#include <QString>

// The terminal-interface port exists where POSIX does and the build asked for it
// (ZEMTAR_SERIAL_POSIX, set by CMake on Unix); Qt's port exists everywhere.
#if defined(ZEMTAR_SERIAL_POSIX) && (defined(__unix__) || defined(__APPLE__))
#define ZEMTAR_HAVE_TERMIOS_PORT 1
#endif

namespace zemtar {

// Why a port could not be opened.
struct OpenFailure {
    enum class Kind { None, Absent, PermissionDenied, InUse, NotSerial, Other };
    Kind kind = Kind::None;
    QString text;      // the reason in words, without the device's name
    qint64 holder = 0; // for InUse: the process holding the port's lock, when known

    static OpenFailure of(Kind kind, const QString& text, qint64 holder = 0) { return {kind, text, holder}; }
};

// A serial port driven one way or another, with the read semantics of Port, at 9600 baud,
// 8 data bits, no parity, one stop bit, raw, opened for this program alone.
class SerialPort : public Port {
public:
    // Opens and configures a device; on failure the port stays closed and `why` says why.
    virtual bool open(const QString& device, OpenFailure* why) = 0;
    // Whether the driver took the request to pass received bytes on at once.
    virtual bool lowLatency() const { return false; }

protected:
    // Closes the port and says why the open failed; false, for `return failOpen(...)`.
    bool failOpen(OpenFailure* why, OpenFailure::Kind kind, const QString& reason)
    {
        if (why)
            *why = OpenFailure::of(kind, reason);
        close();
        return false;
    }
};

} // namespace zemtar
