#pragma once
#include <QByteArray>
#include <QString>

#include <optional>

namespace zemtar {

// Writes `data` to a temporary file beside `path` and only then replaces `path` with it.
// The target must be a regular file or not exist yet: a device, a folder, a pipe (or a link
// to one) is refused before anything is written. A failed write (disk full, file too large,
// no permission) leaves the old file exactly as it was and returns false with a message
// naming the file and the system's reason. The temporary file is named as below and removed
// on failure; stale ones of earlier, killed processes are removed first.
bool writeFileAtomically(const QString& path, const QByteArray& data, QString* error);

// Why `path` cannot be an output: it exists (or is a link) and is not a regular file.
std::optional<QString> notWritableTarget(const QString& path);
// Why `path` cannot be read as a file: missing, a folder, a device or a pipe (reading one
// could block or never end).
std::optional<QString> notReadableFile(const QString& path);

// Whether two paths name one existing file: the same path spelt otherwise ("./a.dat"), a
// symbolic link to it or a hard link.
bool sameFile(const QString& a, const QString& b);

// The temporary files of writeFileAtomically: ".<name>.zemtar-tmp-<process>-XXXXXX" beside
// the file. One that a killed process left behind is removed by the next write to that
// folder once it is older than this and its process no longer runs.
inline constexpr int kStaleTemporarySeconds = 60;
// Removes the stale temporary files of `folder`; returns how many.
int removeStaleTemporaries(const QString& folder, int olderThanSeconds);

// Reads a regular file of at most `maxBytes`; a larger one is refused with one message.
bool readFileBounded(const QString& path, qint64 maxBytes, QByteArray* out, QString* error);

} // namespace zemtar
