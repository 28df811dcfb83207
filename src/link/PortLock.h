#pragma once
#include "SerialPort.h"

#include <QString>

namespace zemtar {

// The lock file terminal programs take for a device ("/run/lock/LCK..ttyUSB0", the process id
// in ten columns): a live lock means the port is in use; a stale one is removed; this program
// takes one while it holds the port. Where there are no such lock files (Windows, whose ports
// are opened exclusively anyway) taking one always succeeds.
class PortLock {
public:
    PortLock() = default;
    ~PortLock() { release(); }
    PortLock(const PortLock&) = delete;
    PortLock& operator=(const PortLock&) = delete;

    // False, with `why` ("in use by process 4711 (minicom), which holds /run/lock/LCK..ttyUSB0"),
    // when another live process holds the device's lock.
    bool take(const QString& device, OpenFailure* why);
    void release();

    // The folder is $ZEMTAR_LOCK_DIR when set, else /run/lock, else /var/lock.
    static QString lockFile(const QString& device);

    // The process a lock file names, when that process is alive and may hold the device: a
    // number that is no process id (zero, negative, above the system's largest) or a process
    // that is gone is none; so is a process of ours that has no descriptor of the device open
    // (its id was reused). A live process we may not look into counts.
    static qint64 liveHolder(const QByteArray& lockText, const QString& device);

private:
    QString path_; // the lock file this program created, removed on release
};

} // namespace zemtar
