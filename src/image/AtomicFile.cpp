#include "AtomicFile.h"

#include <QSaveFile>

namespace zemtar {

bool writeFileAtomically(const QString& path, const QByteArray& data, QString* error)
{
    QSaveFile file(path);
    // Unbuffered, so that a short write shows up here rather than being lost in a flush
    // whose failure the commit does not report.
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.write(data) == data.size() &&
        file.commit())
        return true;
    if (error)
        *error = QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
    file.cancelWriting();
    return false;
}

} // namespace zemtar
