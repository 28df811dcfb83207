#include "CliCommon.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <QDir>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#include <memory>

#include <functional>
#include <map>

using namespace zemtar::cli;

static const char* kUsage =
    "Usage: zemtar-cli COMMAND [OPTIONS]\n"
    "Commands:\n"
    "  new OUT.dat [--type N]                     write a new radio data file\n"
    "  dump FILE.dat [--language L] [--csv]       print the channel table\n"
    "  import FILE.dat TABLE                      apply an edited channel table\n"
    "  read --port P OUT.dat [--password TEXT]    read a radio into a data file\n"
    "  write --port P FILE.dat [--accept-band]    write a data file into a radio\n"
    "  power high|low --port P [--set N]          adjust the transmit power live\n"
    "  settings FILE.dat [--apply TEXT|--set S=V] print or change the settings as text\n"
    "  print FILE.dat OUT.pdf [--sections LIST]   the printed report as a PDF file\n"
    "  verify --port P FILE.dat                   compare a radio with a data file\n"
    "  fleet TEMPLATE.dat --units CSV --port P... program many radios, each its own unit\n"
    "Each command has --help. Exit status: 0 success, 1 usage error, 2 invalid data,\n"
    "3 file error, 4 communication failure, 5 refused, 6 the radio differs (verify).\n";

int main(int argc, char** argv)
{
    // A file-size limit makes a write fail with "File too large" instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    // Only the report draws: it needs fonts, and so a (screenless) GUI application.
    const bool drawing = argc > 1 && std::strcmp(argv[1], "print") == 0;
    if (drawing && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (drawing && qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        // The platform wants a private runtime folder; a terminal session may have none.
        const QByteArray dir = QDir::tempPath().toLocal8Bit() + "/zemtar-runtime-" + QByteArray::number(getuid());
        if (mkdir(dir.constData(), 0700) == 0 || errno == EEXIST)
            qputenv("XDG_RUNTIME_DIR", dir);
    }
    std::unique_ptr<QCoreApplication> app(drawing ? new QGuiApplication(argc, argv) : new QCoreApplication(argc, argv));
    QStringList args = app->arguments().mid(1);
    if (args.isEmpty() || args[0] == QStringLiteral("--help") || args[0] == QStringLiteral("-h")) {
        (args.isEmpty() ? err : out)(QString::fromLatin1(kUsage));
        return args.isEmpty() ? Usage : Ok;
    }
    const std::map<QString, std::function<int(const QStringList&)>> commands = {
        {QStringLiteral("new"), cmdNew},
        {QStringLiteral("dump"), cmdDump},
        {QStringLiteral("import"), cmdImport},
        {QStringLiteral("read"), cmdRead},
        {QStringLiteral("write"), cmdWrite},
        {QStringLiteral("power"), cmdPower},
        {QStringLiteral("settings"), cmdSettings},
        {QStringLiteral("print"), cmdPrint},
        {QStringLiteral("verify"), cmdVerify},
        {QStringLiteral("fleet"), cmdFleet},
    };
    const QString name = args.takeFirst();
    const auto it = commands.find(name);
    if (it == commands.end()) {
        err(QStringLiteral("zemtar-cli: unknown command \"%1\"").arg(name));
        err(QString::fromLatin1(kUsage));
        return Usage;
    }
    return it->second(args);
}
