#pragma once
#include <QByteArray>

#include <optional>

namespace zemtar {

// One open connection to the radio, with the read semantics the protocol is built on:
// read(n) returns after n bytes, after 30 ms of silence between bytes, or after
// 90 + 500 x n ms in all, with however many bytes arrived (possibly none). Only a failed
// call (the device went away) returns nothing.
class Port {
public:
    virtual ~Port() = default;
    virtual bool isOpen() const = 0;
    virtual bool write(const QByteArray& bytes) = 0;
    virtual std::optional<QByteArray> read(int count) = 0;
    // Discards everything pending in both directions.
    virtual void purgeAll() = 0;
    // Discards received bytes that have not been read yet.
    virtual void clearQueues() = 0;
    virtual void close() = 0;

    bool write(char byte) { return write(QByteArray(1, byte)); }
};

} // namespace zemtar
