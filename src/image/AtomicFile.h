#pragma once
#include <QByteArray>
#include <QString>

#include <optional>

namespace zemtar {

// Writes `data` to a temporary file beside `path` and only then replaces `path` with it.
// The target must be a regular file or not exist yet: a device, a folder, a pipe (or a link
// to one) is refused before anything is written. A failed write (disk full, file too large,
// no permission) leaves the old file exactly as it was and returns false with a message
// naming the file and the system's reason.
bool writeFileAtomically(const QString& path, const QByteArray& data, QString* error);

// Why `path` cannot be an output: it exists (or is a link) and is not a regular file.
std::optional<QString> notWritableTarget(const QString& path);
// Why `path` cannot be read as a file: missing, a folder, a device or a pipe (reading one
// could block or never end).
std::optional<QString> notReadableFile(const QString& path);

// Reads a regular file of at most `maxBytes`; a larger one is refused with one message.
bool readFileBounded(const QString& path, qint64 maxBytes, QByteArray* out, QString* error);

} // namespace zemtar
