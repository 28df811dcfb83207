#include "DataFile.h"

#include "AtomicFile.h"

#include <QBuffer>
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
    return read(file, path, image, error);
}

bool read(QIODevice& in, const QString& name, RadioImage& image, QString* error)
{
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    QByteArray data;
    while (data.size() < qsizetype(RadioImage::kSize)) {
        const QByteArray part = in.read(qint64(RadioImage::kSize) - data.size());
        if (part.isEmpty()) {
            // A pipe may still bring more; a file or a failed device has said all it will.
            if (in.isSequential() && in.waitForReadyRead(1000))
                continue;
            break;
        }
        data += part;
    }
    if (data.size() < qsizetype(RadioImage::kSize)) {
        const auto* file = qobject_cast<const QFileDevice*>(&in);
        const bool failed = file ? file->error() != QFileDevice::NoError
                                 : in.errorString() != QBuffer().errorString(); // not the default text
        if (failed)
            return fail(QStringLiteral("Cannot read %1: %2").arg(name, in.errorString()));
        return fail(QStringLiteral("%1 holds %2 bytes; a radio data file holds %3 bytes.")
                        .arg(name)
                        .arg(data.size())
                        .arg(RadioImage::kSize));
    }
    image.assign(data);
    return true;
}

bool write(QIODevice& out, const QString& name, const RadioImage& image, QString* error)
{
    const QByteArray data = image.toByteArray();
    qint64 done = 0;
    while (done < data.size()) {
        const qint64 n = out.write(data.constData() + done, data.size() - done);
        if (n <= 0) {
            if (error)
                *error = QStringLiteral("Cannot write %1: %2 (%3 of %4 bytes written)")
                             .arg(name, out.errorString())
                             .arg(done)
                             .arg(data.size());
            return false;
        }
        done += n;
    }
    return true;
}

bool save(const QString& path, const RadioImage& image, QString* error)
{
    return writeFileAtomically(path, image.toByteArray(), error);
}

} // namespace zemtar::DataFile
