#include "ChannelListCommands.h"
#include "CliCommon.h"
#include "Stop.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <QDir>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <memory>
#if defined(Q_OS_UNIX)
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace zemtar::cli;

namespace {

const Command* const kCommands[] = {&newCommand,   &dumpCommand,   &importCommand, &exportCommand, &diffCommand,
                                    &textCommand,  &readCommand,   &writeCommand,  &powerCommand,  &settingsCommand,
                                    &printCommand, &verifyCommand, &fleetCommand,  &portsCommand};

QString usage()
{
    QString text = QStringLiteral("Usage: zemtar-cli COMMAND [OPTIONS]\nCommands:\n");
    for (const Command* c : kCommands)
        text +=
            QStringLiteral("  %1 %2\n").arg(QString::fromLatin1(c->synopsis), -42).arg(QString::fromLatin1(c->summary));
    return text + QStringLiteral("Each command has --help. Exit status: 0 success, 1 usage error, 2 invalid data,\n"
                                 "3 file error, 4 communication failure, 5 refused, 6 differs (verify, diff).\n");
}

} // namespace

int main(int argc, char** argv)
{
    installStopHandlers();
    // A file-size limit makes a write fail with "File too large" instead of ending the program.
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    // Only the report draws: it needs fonts, and so a (screenless) GUI application.
    const bool drawing = argc > 1 && std::strcmp(argv[1], "print") == 0;
    if (drawing && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#if defined(Q_OS_UNIX)
    if (drawing && qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        // The platform wants a private runtime folder; a terminal session may have none.
        const QByteArray dir = QDir::tempPath().toLocal8Bit() + "/zemtar-runtime-" + QByteArray::number(getuid());
        if (mkdir(dir.constData(), 0700) == 0 || errno == EEXIST)
            qputenv("XDG_RUNTIME_DIR", dir);
    }
#endif
    std::unique_ptr<QCoreApplication> app(drawing ? new QGuiApplication(argc, argv) : new QCoreApplication(argc, argv));
    QStringList args = app->arguments().mid(1);
    if (args.isEmpty() || args[0] == QStringLiteral("--help") || args[0] == QStringLiteral("-h")) {
        (args.isEmpty() ? err : out)(usage());
        return args.isEmpty() ? Usage : Ok;
    }
    const QString name = args.takeFirst();
    for (const Command* c : kCommands)
        if (name == QLatin1String(c->name))
            return runCommand(*c, args);
    err(QStringLiteral("zemtar-cli: unknown command \"%1\"").arg(name));
    err(usage());
    return Usage;
}
