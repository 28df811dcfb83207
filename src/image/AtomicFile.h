#pragma once
#include <QByteArray>
#include <QString>

namespace zemtar {

// Writes `data` to a temporary file beside `path` and only then replaces `path` with it.
// A failed write (disk full, file too large, no permission) leaves the old file exactly as
// it was and returns false with a message naming the file.
bool writeFileAtomically(const QString& path, const QByteArray& data, QString* error);

} // namespace zemtar
