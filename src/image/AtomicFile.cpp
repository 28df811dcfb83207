#include "AtomicFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zemtar {

namespace {

// ".radio.dat.zemtar-tmp-1234-a8Xk2Q": hidden, named after its target and the process
// writing it, so that one a killed process left behind can be told and removed.
const QRegularExpression& temporaryPattern()
{
    static const QRegularExpression re(QStringLiteral("^\\..+\\.zemtar-tmp-([0-9]+)-[A-Za-z0-9]{6}$"));
    return re;
}

qint64 ownProcessId()
{
#ifdef Q_OS_WIN
    return qint64(GetCurrentProcessId());
#else
    return qint64(::getpid());
#endif
}

QString temporaryName(const QString& target)
{
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString suffix;
    for (int i = 0; i < 6; ++i)
        suffix += QLatin1Char(letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)]);
    return QStringLiteral(".%1.zemtar-tmp-%2-%3").arg(QFileInfo(target).fileName()).arg(ownProcessId()).arg(suffix);
}

// Whether a process of that number runs, as far as this system tells; when it cannot be
// told, the process is taken to run.
bool processRuns(qint64 pid)
{
    if (pid <= 0)
        return false;
    if (pid == ownProcessId())
        return true;
#ifdef Q_OS_WIN
    HANDLE h = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, DWORD(pid));
    if (!h)
        return GetLastError() == ERROR_ACCESS_DENIED;
    DWORD code = 0;
    const bool running = GetExitCodeProcess(h, &code) && code == STILL_ACTIVE;
    CloseHandle(h);
    return running;
#else
    if (pid > qint64(std::numeric_limits<pid_t>::max()))
        return false;
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
#endif
}

bool replaceFile(const QString& from, const QString& to, QString* reason)
{
#ifdef Q_OS_WIN
    if (MoveFileExW(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(from).utf16()),
                    reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(to).utf16()),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    *reason = QStringLiteral("the file could not be replaced (error %1)").arg(GetLastError());
    return false;
#else
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    *reason = QString::fromLocal8Bit(std::strerror(errno));
    return false;
#endif
}

} // namespace

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

bool sameFile(const QString& a, const QString& b)
{
    const QFileInfo ia(a), ib(b);
    if (!ia.exists() || !ib.exists())
        return false;
    if (ia.canonicalFilePath() == ib.canonicalFilePath())
        return true;
#ifndef Q_OS_WIN
    struct stat sa {
    }, sb{};
    if (::stat(QFile::encodeName(a).constData(), &sa) == 0 && ::stat(QFile::encodeName(b).constData(), &sb) == 0)
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino; // hard links
#endif
    return false;
}

int removeStaleTemporaries(const QString& folder, int olderThanSeconds)
{
    const QDir dir(folder);
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-olderThanSeconds);
    int removed = 0;
    const QFileInfoList files =
        dir.entryInfoList({QStringLiteral(".*.zemtar-tmp-*")}, QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo& f : files) {
        const auto m = temporaryPattern().match(f.fileName());
        if (!m.hasMatch() || f.lastModified().toUTC() > before)
            continue;
        bool ok = false;
        const qint64 pid = m.captured(1).toLongLong(&ok);
        if (ok && processRuns(pid))
            continue; // still being written, or cannot be told
        if (QFile::remove(f.filePath()))
            ++removed;
    }
    return removed;
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
    auto fail = [&](QString reason, int err) {
        // A full disk or a file-size limit shows as "Unknown error": say what the system says.
        if ((reason.isEmpty() || reason == QStringLiteral("Unknown error")) && err != 0)
            reason = QString::fromLocal8Bit(std::strerror(err));
        if (error)
            *error = QStringLiteral("Cannot write %1: %2. The file was not changed.").arg(path, reason);
        return false;
    };
    // A link is followed: the file it names is replaced, the link stays.
    const QFileInfo info(path);
    const QString target = info.isSymLink() ? info.canonicalFilePath() : info.absoluteFilePath();
    const QString folder = QFileInfo(target).absolutePath();
    removeStaleTemporaries(folder, kStaleTemporarySeconds);

    QFile file;
    bool opened = false;
    for (int attempt = 0; attempt < 20 && !opened; ++attempt) {
        file.setFileName(QDir(folder).filePath(temporaryName(target)));
        errno = 0;
        // Unbuffered, so that a short write shows up here rather than in a flush whose failure
        // would go unnoticed; NewOnly: never another file of that name.
        opened = file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered);
        if (!opened && !file.exists())
            break;
    }
    if (!opened)
        return fail(file.errorString(), errno);
    if (QFileInfo::exists(target))
        file.setPermissions(QFile::permissions(target));
    errno = 0;
    bool ok = file.write(data) == data.size();
#ifndef Q_OS_WIN
    ok = ok && ::fsync(file.handle()) == 0;
#endif
    int err = errno;
    QString reason = file.errorString();
    file.close();
    if (ok && file.error() != QFileDevice::NoError) {
        ok = false;
        err = errno;
        reason = file.errorString();
    }
    if (ok && !replaceFile(file.fileName(), target, &reason)) {
        ok = false;
        err = 0;
    }
    if (!ok) {
        QFile::remove(file.fileName());
        return fail(reason, err);
    }
    return true;
}

} // namespace zemtar
