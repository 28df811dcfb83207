#include "DataFile.h"

#include "AtomicFile.h"

#include <QFile>
#include <QFileInfo>

namespace zemtar::DataFile {

bool load(const QString& path, RadioImage& image, QString* error)
{
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    QFileInfo info(path);
    if (info.isDir())
        return fail(QStringLiteral("%1 is a folder, not a radio data file.").arg(path));
    if (info.exists() && !info.isFile())
        return fail(*notReadableFile(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("Cannot open %1: %2").arg(path, file.errorString()));
    const QByteArray data = file.read(qint64(RadioImage::kSize));
    if (data.size() < qsizetype(RadioImage::kSize)) {
        if (file.error() != QFileDevice::NoError)
            return fail(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
        return fail(QStringLiteral("%1 holds %2 bytes; a radio data file holds %3 bytes.")
                        .arg(path)
                        .arg(data.size())
                        .arg(RadioImage::kSize));
    }
    image.assign(data);
    return true;
}

bool save(const QString& path, const RadioImage& image, QString* error)
{
    return writeFileAtomically(path, image.toByteArray(), error);
}

} // namespace zemtar::DataFile
