#include "AtomicFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace zemtar {

std::optional<QString> notWritableTarget(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return std::nullopt;
    if (info.isFile()) // a regular file, or a link to one
        return std::nullopt;
    if (info.isDir())
        return QStringLiteral("%1 is a folder: nothing was written.").arg(path);
    return QStringLiteral("%1 is not a regular file (a device, a pipe or a broken link): nothing was written.")
        .arg(path);
}

std::optional<QString> notReadableFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("Cannot open %1: No such file or directory").arg(path);
    if (info.isDir())
        return QStringLiteral("%1 is a folder, not a file.").arg(path);
    if (!info.isFile())
        return QStringLiteral("%1 is not a regular file (a device or a pipe): it was not read.").arg(path);
    return std::nullopt;
}

bool readFileBounded(const QString& path, qint64 maxBytes, QByteArray* out, QString* error)
{
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (const auto why = notReadableFile(path))
        return fail(*why);
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("Cannot open %1: %2").arg(path, f.errorString()));
    QByteArray data = f.read(maxBytes + 1);
    if (f.error() != QFileDevice::NoError)
        return fail(QStringLiteral("Cannot read %1: %2").arg(path, f.errorString()));
    if (data.size() > maxBytes)
        return fail(QStringLiteral("%1 is larger than %2 bytes, more than such a file can hold: it was not read.")
                        .arg(path)
                        .arg(maxBytes));
    *out = std::move(data);
    return true;
}

bool writeFileAtomically(const QString& path, const QByteArray& data, QString* error)
{
    if (const auto why = notWritableTarget(path)) {
        if (error)
            *error = *why;
        return false;
    }
    QSaveFile file(path);
    errno = 0;
    // Unbuffered, so that a short write shows up here rather than being lost in a flush
    // whose failure the commit does not report.
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.write(data) == data.size() && file.commit())
        return true;
    const int err = errno;
    QString reason = file.errorString();
    // A full disk or a file-size limit shows as "Unknown error": say what the system says.
    if ((reason.isEmpty() || reason == QStringLiteral("Unknown error")) && err != 0)
        reason = QString::fromLocal8Bit(std::strerror(err));
    if (error)
        *error = QStringLiteral("Cannot write %1: %2. The file was not changed.").arg(path, reason);
    file.cancelWriting();
    return false;
}

} // namespace zemtar
