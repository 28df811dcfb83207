#include "CliCommon.h"

#include "Stop.h"

#include "image/AtomicFile.h"
#include "image/DataFile.h"
#include "shell/CIniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>
#endif

namespace zemtar::cli {

void out(const QString& text)
{
    const QByteArray b = text.toUtf8();
    std::fwrite(b.constData(), 1, std::size_t(b.size()), stdout);
    std::fflush(stdout);
}

void err(const QString& line)
{
    const QByteArray b = (line + u'\n').toUtf8();
    std::fwrite(b.constData(), 1, std::size_t(b.size()), stderr);
    std::fflush(stderr);
}

std::optional<QString> Args::value(const QString& name) const
{
    for (const auto& [n, v] : values)
        if (n == name)
            return v;
    return std::nullopt;
}

Args parseArgs(const QString& command, const QStringList& args, const QStringList& valued, const QStringList& flagNames)
{
    Args a;
    a.command = command;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& s = args[i];
        if (s.startsWith(QStringLiteral("--")) && s.size() > 2) {
            QString name = s.mid(2), inlineValue;
            const qsizetype eq = name.indexOf(u'=');
            const bool hasInline = eq >= 0;
            if (hasInline) {
                inlineValue = name.mid(eq + 1);
                name = name.left(eq);
            }
            if (valued.contains(name)) {
                if (hasInline) {
                    a.values.append({name, inlineValue});
                } else if (i + 1 < args.size()) {
                    a.values.append({name, args[++i]});
                } else {
                    a.error = QStringLiteral("option --%1 needs a value").arg(name);
                    return a;
                }
            } else if (flagNames.contains(name) && !hasInline) {
                a.flags << name;
            } else {
                a.error = QStringLiteral("unknown option %1").arg(s);
                return a;
            }
        } else {
            a.positional << s;
        }
    }
    return a;
}

int runCommand(const Command& command, const QStringList& args)
{
    const QString name = QString::fromLatin1(command.name);
    if (args.contains(QStringLiteral("--help"))) {
        out(QString::fromUtf8(command.help));
        return Ok;
    }
    const Args a = parseArgs(name, args, command.valued, command.flags);
    if (!a.error.isEmpty())
        return usageError(name, a.error);
    const bool missing = std::any_of(command.required.begin(), command.required.end(),
                                     [&](const QString& option) { return !a.value(option); });
    if (missing || a.positional.size() != command.positionals)
        return usageError(name, QString::fromLatin1(command.expected));
    return command.run(a);
}

const CIniFile& setupIni()
{
    static CIniFile ini;
    static bool loaded = false;
    if (!loaded) {
        loaded = true;
        const QString path =
            CIniFile::effectivePath(QStringLiteral("Setup.ini"), QCoreApplication::applicationDirPath());
        QByteArray content;
        QString error;
        if (QFileInfo::exists(path) && !readFileBounded(path, kMaxSetupSize, &content, &error))
            err(error + QStringLiteral(" Going on without it."));
        ini.Parse(content);
    }
    return ini;
}

QString setupValue(const QString& section, const QString& key, const QString& def)
{
    return setupIni().GetValue(section, key, def);
}

std::optional<Language> parseLanguage(const QString& s)
{
    if (s.compare(QStringLiteral("English"), Qt::CaseInsensitive) == 0)
        return Language::English;
    if (s.compare(QStringLiteral("Chinese"), Qt::CaseInsensitive) == 0)
        return Language::Chinese;
    return std::nullopt;
}

std::optional<int> languageOption(const Args& a, const QString& command, Language& lang)
{
    if (auto l = a.value(QStringLiteral("language"))) {
        const auto parsed = parseLanguage(*l);
        if (!parsed)
            return usageError(command, QStringLiteral("--language takes English or Chinese, not \"%1\"").arg(*l));
        lang = *parsed;
    }
    return std::nullopt;
}

QString appName() { return setupValue(QStringLiteral("Setup"), QStringLiteral("AppName")); }

void printProblems(const QStringList& problems, const QString& prefix)
{
    for (int i = 0; i < problems.size() && i < kMaxProblemsShown; ++i)
        err(prefix + problems[i]);
    if (problems.size() > kMaxProblemsShown)
        err(QStringLiteral("and %1 more").arg(problems.size() - kMaxProblemsShown));
}

QString inputName(const QString& path) { return path == QStringLiteral("-") ? QStringLiteral("standard input") : path; }

std::optional<QByteArray> readInput(const QString& path, qint64 maxBytes, int& rc)
{
    QByteArray data;
    QString error;
    if (path != QStringLiteral("-")) {
        if (readFileBounded(path, maxBytes, &data, &error))
            return data;
        err(error);
        rc = FileError;
        return std::nullopt;
    }
#if defined(_WIN32)
    _setmode(_fileno(stdin), _O_BINARY); // the bytes as sent, line ends included
#endif
    // Ctrl+C while nothing comes ends the wait with exit status 5 (not a half-read text).
    const StopScope stop;
    char buf[1 << 16];
    for (;;) {
        if (stopRequested()) {
            reportStop(QStringLiteral("standard input was not read to its end; nothing was changed."));
            rc = Refused;
            return std::nullopt;
        }
        const std::size_t want = std::size_t(std::min<qint64>(qint64(sizeof buf), maxBytes + 1 - data.size()));
        errno = 0;
        const std::size_t n = std::fread(buf, 1, want, stdin);
        data.append(buf, qsizetype(n));
        if (data.size() > maxBytes) {
            err(QStringLiteral("standard input is larger than %1 bytes, more than such a file can hold: it was not "
                               "read.")
                    .arg(maxBytes));
            rc = FileError;
            return std::nullopt;
        }
        if (n == want)
            continue;
        if (std::feof(stdin))
            return data;
        if (errno == EINTR || stopRequested()) {
            std::clearerr(stdin);
            continue;
        }
        err(QStringLiteral("Cannot read standard input: %1").arg(QString::fromLocal8Bit(std::strerror(errno))));
        rc = FileError;
        return std::nullopt;
    }
}

std::optional<QByteArray> askPassword(const QString& prompt, int& rc)
{
    const StopScope stop;
    std::fputs(prompt.toUtf8().constData(), stderr);
    std::fflush(stderr);
    QByteArray line;
    bool ended = false;
#if defined(_WIN32)
    HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
    DWORD mode = 0;
    const bool console = GetConsoleMode(in, &mode) != 0;
    if (console)
        SetConsoleMode(in, mode & ~DWORD(ENABLE_ECHO_INPUT));
    std::string text;
    ended = !std::getline(std::cin, text);
    line = QByteArray::fromStdString(text);
    if (console)
        SetConsoleMode(in, mode);
#else
    // The terminal itself, so that a password is never taken from a pipe meant for data.
    int fd = ::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
    const bool own = fd >= 0;
    if (!own)
        fd = STDIN_FILENO;
    termios saved{};
    const bool terminal = tcgetattr(fd, &saved) == 0;
    if (terminal) {
        termios quiet = saved;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        quiet.c_lflag |= ICANON | ECHONL;
        tcsetattr(fd, TCSAFLUSH, &quiet);
    }
    for (;;) {
        if (stopRequested())
            break;
        char c = 0;
        const ssize_t n = ::read(fd, &c, 1);
        if (n == 1 && c != '\n') {
            line.append(c);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        ended = n <= 0;
        break;
    }
    if (terminal)
        tcsetattr(fd, TCSAFLUSH, &saved); // echo on again, whatever ended the question
    if (own)
        ::close(fd);
#endif
    if (line.endsWith('\r'))
        line.chop(1);
    if (stopRequested()) {
        reportStop(QStringLiteral("no password was given; nothing was done."));
        rc = Refused;
        return std::nullopt;
    }
    if (ended && line.isEmpty()) {
        err(QStringLiteral("No password was given (end of input)."));
        rc = FileError;
        return std::nullopt;
    }
    return line;
}

std::optional<RadioImage> loadDataFile(const QString& path)
{
    RadioImage image;
    QString error;
    if (DataFile::load(path, image, &error))
        return image;
    err(error);
    return std::nullopt;
}

int usageError(const QString& command, const QString& why)
{
    err(QStringLiteral("zemtar-cli %1: %2").arg(command, why));
    err(QStringLiteral("Try 'zemtar-cli %1 --help'.").arg(command));
    return Usage;
}

} // namespace zemtar::cli
